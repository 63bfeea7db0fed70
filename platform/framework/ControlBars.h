#pragma once
#include <string>
#include <vector>

#include "platform/framework/Wnd.h"

// A toolbar: command buttons from a toolbar resource, or buttons the program sets itself.
class CToolBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT id, const CToolBarDef* pDef);
    void SetButtons(const std::vector<CWindowPeer::Button>& buttons);
    const std::vector<CWindowPeer::Button>& GetButtons() const { return m_buttons; }
    void OnCommandFromUI(UINT id) override;
    void OnMenuSelect(UINT id) override;
    void OnUpdateFromUI(CCmdUI* pCmdUI) override;

private:
    std::vector<CWindowPeer::Button> m_buttons;
};

// A status bar with panes; the program sets the panes' texts.
class CStatusBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT id);
    void SetPanes(const std::vector<int>& widths);
    void SetPaneText(int index, const std::string& text);
    std::string GetPaneText(int index) const;

private:
    std::vector<std::string> m_texts;
};

// A bar built from a dialog template.
class CDialogBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT templateId, UINT id);
};
