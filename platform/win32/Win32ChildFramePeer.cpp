#include "platform/win32/Win32ChildFramePeer.h"

#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/win32/Win32MainFramePeer.h"
#include "platform/win32/Win32Text.h"

CWin32ChildFramePeer::CWin32ChildFramePeer(CWnd* pOwner, CWin32MainFramePeer& frame,
                                           const CWindowRequest& request)
    : CWin32WindowPeer(pOwner), m_hClient(frame.GetClient()) {
    std::wstring title = CWin32Text::Wide(request.m_strTitle);
    MDICREATESTRUCTW mcs{};
    mcs.szClass = WindowClass(L"QuelmDocument", CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW);
    mcs.szTitle = title.c_str();
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    // A document opened while the others are maximized comes maximized too.
    BOOL maximized = FALSE;
    SendMessageW(m_hClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    mcs.style = WS_CLIPCHILDREN | (maximized || request.m_bMaximized ? WS_MAXIMIZE : 0);
    mcs.lParam = reinterpret_cast<LPARAM>(this);
    SendMessageW(m_hClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs));
    StartDelivery();
}

CWin32ChildFramePeer::~CWin32ChildFramePeer() {
    Destroy();
}

void CWin32ChildFramePeer::Destroy() {
    m_pOwner = nullptr;
    m_layout.Release();
    m_pView = nullptr;
    HWND hwnd = m_hWnd;
    if (hwnd && IsWindow(hwnd) && IsWindow(m_hClient))
        SendMessageW(m_hClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
    CWin32WindowPeer::Destroy();
}

void CWin32ChildFramePeer::AdoptChild(CWin32WindowPeer* child, int kind) {
    m_layout.Add(child, kind);
    child->SetParentPeer(this);
    if (kind == CWindowRequest::View) m_pView = child;
    RecalcLayout();
}

void CWin32ChildFramePeer::ForgetChild(CWin32WindowPeer* child) {
    m_layout.Remove(child);
    if (m_pView == child) m_pView = nullptr;
    RecalcLayout();
}

void CWin32ChildFramePeer::RecalcLayout() {
    if (!m_hWnd) return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_layout.Arrange(client);
}

LRESULT CWin32ChildFramePeer::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefMDIChildProcW(m_hWnd, msg, wp, lp);
}

void CWin32ChildFramePeer::OnActivated(bool bActive) {
    auto* frame = dynamic_cast<CMDIFrameWnd*>(m_pOwner->GetParent());
    auto* child = dynamic_cast<CMDIChildWnd*>(m_pOwner);
    if (bActive && frame && child) frame->OnChildActivated(child);
    if (bActive && m_pView && m_pView->GetHwnd()) ::SetFocus(m_pView->GetHwnd());
}

LRESULT CWin32ChildFramePeer::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_pOwner) return DefaultProc(msg, wp, lp);
    switch (msg) {
    case WM_SIZE:
        RecalcLayout();
        m_pOwner->OnSize(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
        return DefaultProc(msg, wp, lp); // the client keeps its maximized state
    case WM_MDIACTIVATE:
        OnActivated(reinterpret_cast<HWND>(lp) == m_hWnd);
        return DefaultProc(msg, wp, lp);
    case WM_SETFOCUS:
        if (m_pView && m_pView->GetHwnd()) ::SetFocus(m_pView->GetHwnd());
        return 0;
    default:
        return CWin32WindowPeer::WindowProc(msg, wp, lp);
    }
}
