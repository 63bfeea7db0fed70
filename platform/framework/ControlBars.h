#pragma once
#include <string>
#include <vector>

#include "platform/framework/StatusBarPeer.h"
#include "platform/framework/ToolBarPeer.h"
#include "platform/framework/Wnd.h"

// A toolbar: command buttons from a toolbar resource, or buttons the program sets itself.
class CToolBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT id, const CToolBarDef* pDef);
    CToolBarPeer* GetToolBarPeer() const { return PeerAs<CToolBarPeer>(); }
    void SetButtons(const std::vector<CToolBarPeer::Button>& buttons);
    const std::vector<CToolBarPeer::Button>& GetButtons() const { return m_buttons; }
    void OnCommandFromUI(UINT id) override;
    void OnMenuSelect(UINT id) override;
    void OnUpdateFromUI(CCmdUI* pCmdUI) override;

protected:
    bool PeerFitsKind() const override { return GetToolBarPeer() != nullptr; }

private:
    std::vector<CToolBarPeer::Button> m_buttons;
};

// A status bar with panes; the program sets the panes' texts.
class CStatusBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT id);
    CStatusBarPeer* GetStatusBarPeer() const { return PeerAs<CStatusBarPeer>(); }
    void SetPanes(const std::vector<int>& widths);
    void SetPaneText(int index, const std::string& text);
    std::string GetPaneText(int index) const;

protected:
    bool PeerFitsKind() const override { return GetStatusBarPeer() != nullptr; }

private:
    std::vector<std::string> m_texts;
};

// A bar built from a dialog template.
class CDialogBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT templateId, UINT id);
};
