#pragma once
#include <vector>

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
