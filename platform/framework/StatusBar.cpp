#include "platform/framework/StatusBar.h"

bool CStatusBar::Create(CWnd* pParent, UINT id) {
    CWindowRequest request;
    request.m_kind = CWindowRequest::StatusBar;
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
    std::string& shown = m_texts[static_cast<size_t>(index)];
    // The indicators are set after every key; the toolkit hears only of a change.
    if (shown == text) return;
    shown = text;
    if (CStatusBarPeer* peer = GetStatusBarPeer()) peer->SetPaneText(index, text);
}

std::string CStatusBar::GetPaneText(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_texts.size()) return std::string();
    return m_texts[static_cast<size_t>(index)];
}
