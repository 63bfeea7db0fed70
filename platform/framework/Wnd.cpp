#include "platform/framework/Wnd.h"

#include "platform/framework/Backend.h"

CWnd::~CWnd() {
    if (m_pPeer) m_pPeer->Destroy();
}

bool CWnd::CreatePeer(const CWindowRequest& request) {
    m_pParent = request.m_pParent;
    m_nID = request.m_nID;
    m_pPeer = CBackend::Current().CreateWindowPeer(this, request);
    if (!m_pPeer) return false;
    if (!PeerFitsKind()) {
        ReleasePeer();
        return false;
    }
    OnCreate();
    return true;
}

void CWnd::DestroyWindow() {
    if (!m_pPeer) return;
    OnDestroy();
    ReleasePeer();
}

void CWnd::ReleasePeer() {
    std::unique_ptr<CWindowPeer> peer = std::move(m_pPeer);
    peer->Destroy();
}

CRect CWnd::GetClientRect() const {
    return m_pPeer ? m_pPeer->GetClientRect() : CRect();
}
CRect CWnd::GetWindowRect() const {
    return m_pPeer ? m_pPeer->GetWindowRect() : CRect();
}

void CWnd::MoveWindow(const CRect& rect) {
    if (m_pPeer) m_pPeer->MoveWindow(rect);
}

void CWnd::ShowWindow(bool bShow) {
    if (!m_pPeer && !(bShow && MakeDeferredWindow())) return;
    m_pPeer->Show(bShow);
    OnShowWindow(bShow);
}

bool CWnd::IsWindowVisible() const {
    return m_pPeer && m_pPeer->IsVisible();
}

void CWnd::SetWindowText(const std::string& text) {
    if (m_pPeer) m_pPeer->SetWindowText(text);
}

std::string CWnd::GetWindowText() const {
    return m_pPeer ? m_pPeer->GetWindowText() : std::string();
}

void CWnd::Invalidate(bool bErase) {
    if (m_pPeer) m_pPeer->Invalidate(nullptr, bErase);
}

void CWnd::InvalidateRect(const CRect& rect, bool bErase) {
    if (m_pPeer) m_pPeer->Invalidate(&rect, bErase);
}

void CWnd::UpdateWindow() {
    if (m_pPeer) m_pPeer->UpdateWindow();
}

void CWnd::ScrollWindow(int dx, int dy) {
    if (m_pPeer) m_pPeer->ScrollWindow(dx, dy);
}

void CWnd::SetFocus() {
    if (m_pPeer) m_pPeer->SetFocus();
}

void CWnd::SetTimer(UINT id, UINT ms) {
    if (m_pPeer) m_pPeer->SetTimer(id, ms);
}

void CWnd::KillTimer(UINT id) {
    if (m_pPeer) m_pPeer->KillTimer(id);
}

void CWnd::SetCapture() {
    m_bCapture = true;
    if (m_pPeer) m_pPeer->SetCapture();
}

void CWnd::ReleaseCapture() {
    m_bCapture = false;
    if (m_pPeer) m_pPeer->ReleaseCapture();
}

std::unique_ptr<CDC> CWnd::GetDC() {
    return m_pPeer ? m_pPeer->GetDC() : nullptr;
}

void CWnd::OnCommandFromUI(UINT id) {
    RouteCommand({this}, id);
}

void CWnd::OnUpdateFromUI(CCmdUI* pCmdUI) {
    RouteUpdate({this}, pCmdUI);
}
