#include "platform/framework/ToolBar.h"

bool CToolBar::Create(CWnd* pParent, UINT id, const CToolBarDef* pDef) {
    CWindowRequest request;
    request.m_kind = CWindowRequest::ToolBar;
    request.m_pParent = pParent;
    request.m_nID = id;
    request.m_pToolBar = pDef;
    if (!CreatePeer(request)) return false;
    if (pDef) {
        std::vector<CToolBarPeer::Button> buttons;
        int image = 0;
        for (UINT cmd : pDef->m_buttons) {
            CToolBarPeer::Button b;
            b.m_nID = cmd;
            b.m_nImage = cmd ? image++ : -1;
            buttons.push_back(b);
        }
        SetButtons(buttons);
    }
    return true;
}

void CToolBar::SetButtons(const std::vector<CToolBarPeer::Button>& buttons) {
    m_buttons = buttons;
    if (CToolBarPeer* peer = GetToolBarPeer()) peer->SetButtons(buttons);
}

// Buttons act for their frame: commands and states go through its routing.
void CToolBar::OnCommandFromUI(UINT id) {
    if (m_pParent) m_pParent->OnCommandFromUI(id);
}

void CToolBar::OnMenuSelect(UINT id) {
    if (m_pParent) m_pParent->OnMenuSelect(id);
}

void CToolBar::OnUpdateFromUI(CCmdUI* pCmdUI) {
    if (m_pParent) m_pParent->OnUpdateFromUI(pCmdUI);
}
