#include "platform/framework/ControlBars.h"

bool CToolBar::Create(CWnd* pParent, UINT id, const CToolBarDef* pDef) {
    CWindowSpec request;
    request.m_kind = CWindowSpec::ToolBar;
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

bool CStatusBar::Create(CWnd* pParent, UINT id) {
    CWindowSpec request;
    request.m_kind = CWindowSpec::StatusBar;
    request.m_pParent = pParent;
    request.m_nID = id;
    return CreatePeer(request);
}

void CStatusBar::SetPanes(const std::vector<int>& widths) {
    m_texts.assign(widths.size(), std::string());
    if (CStatusBarPeer* peer = GetStatusBarPeer()) peer->SetPanes(widths);
}

void CStatusBar::SetPaneText(int index, const std::string& text) {
    if (index < 0 || static_cast<size_t>(index) >= m_texts.size()) return;
    m_texts[static_cast<size_t>(index)] = text;
    if (CStatusBarPeer* peer = GetStatusBarPeer()) peer->SetPaneText(index, text);
}

std::string CStatusBar::GetPaneText(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_texts.size()) return std::string();
    return m_texts[static_cast<size_t>(index)];
}

bool CDialogBar::Create(CWnd* pParent, UINT templateId, UINT id) {
    CWindowSpec request;
    request.m_kind = CWindowSpec::DialogBar;
    request.m_pParent = pParent;
    request.m_nID = id;
    request.m_pDialog = CResourceSet::Current().FindDialog(templateId);
    return request.m_pDialog && CreatePeer(request);
}
