#include "platform/win32/Win32MainFramePeer.h"

#include <algorithm>

#include "platform/base/FrameworkIds.h"
#include "platform/framework/Wnd.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32ToolBarPeer.h"

namespace {
constexpr int kDefaultWidth = 960;
constexpr int kDefaultHeight = 720;
constexpr UINT kNoMenu = 0xFFFF; // WM_MENUSELECT's flags when the menu closes
CWin32MainFramePeer* g_pCurrent = nullptr;
} // namespace

CWin32MainFramePeer* CWin32MainFramePeer::Current() {
    return g_pCurrent;
}

CWin32MainFramePeer::CWin32MainFramePeer(CWnd* pOwner, const CWindowRequest& request)
    : CWin32WindowPeer(pOwner), m_strCaption(request.m_strTitle) {
    if (request.m_pMenu) m_pMenu = std::make_unique<CWin32MenuBar>(*request.m_pMenu);
    if (request.m_pAccel) m_hAccel = CWin32MenuBar::Accelerators(*request.m_pAccel);
    bool sized = request.m_size.cx > 0 && request.m_size.cy > 0;
    CreateWindowExW(
        WS_EX_ACCEPTFILES, WindowClass(L"QuelmFrame", CS_HREDRAW | CS_VREDRAW, COLOR_APPWORKSPACE),
        CWin32Text::Wide(request.m_strTitle).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
        CW_USEDEFAULT, CW_USEDEFAULT, sized ? request.m_size.cx : kDefaultWidth,
        sized ? request.m_size.cy : kDefaultHeight, nullptr, m_pMenu ? m_pMenu->GetMenu() : nullptr,
        GetModuleHandleW(nullptr), this);
    if (!m_hWnd) return;
    CreateClient();
    DragAcceptFiles(m_hWnd, TRUE);
    g_pCurrent = this;
    StartDelivery();
}

CWin32MainFramePeer::~CWin32MainFramePeer() {
    Destroy();
}

void CWin32MainFramePeer::Destroy() {
    if (g_pCurrent == this) g_pCurrent = nullptr;
    m_layout.Release();
    m_toolBars.clear();
    CWin32WindowPeer::Destroy();
    if (m_hAccel) DestroyAcceleratorTable(m_hAccel);
    m_hAccel = nullptr;
    m_hClient = nullptr;
}

void CWin32MainFramePeer::SetWindowText(const std::string& text) {
    BOOL maximized = FALSE;
    if (m_hClient)
        SendMessageW(m_hClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    size_t document = text.rfind(" - [");
    bool named = !text.empty() && text.back() == ']' && document != std::string::npos;
    std::string own = maximized && named ? text.substr(0, document) : text;
    // Each new caption draws the frame with its menu bar again, which under wine costs more
    // than painting a document; the system keeps the document's part itself.
    if (own == m_strCaption) return;
    m_strCaption = own;
    CWin32WindowPeer::SetWindowText(own);
}

void CWin32MainFramePeer::CreateClient() {
    CLIENTCREATESTRUCT ccs{};
    // No window list in a menu: the file-name bar lists the documents.
    ccs.hWindowMenu = nullptr;
    ccs.idFirstChild = FrameworkIds::kFirstMDIChild;
    m_hClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, m_hWnd,
                                nullptr, GetModuleHandleW(nullptr), &ccs);
}

HWND CWin32MainFramePeer::ChildParent(int kind) {
    return kind == CWindowRequest::ChildFrame ? m_hClient : m_hWnd;
}

void CWin32MainFramePeer::AdoptChild(CWin32WindowPeer* child, int kind) {
    if (kind == CWindowRequest::ChildFrame) return; // the client places those
    m_layout.Add(child, kind);
    child->SetParentPeer(this);
    if (kind == CWindowRequest::ToolBar) m_toolBars.push_back(child);
    RecalcLayout();
}

void CWin32MainFramePeer::ForgetChild(CWin32WindowPeer* child) {
    m_layout.Remove(child);
    m_toolBars.erase(std::remove(m_toolBars.begin(), m_toolBars.end(), child), m_toolBars.end());
    RecalcLayout();
}

void CWin32MainFramePeer::RecalcLayout() {
    if (!m_hWnd) return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    RECT rest = m_layout.Arrange(client);
    if (m_hClient)
        SetWindowPos(m_hClient, nullptr, rest.left, rest.top, rest.right - rest.left,
                     rest.bottom - rest.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWin32MainFramePeer::UpdateCommandUI() {
    for (CWin32WindowPeer* bar : m_toolBars)
        if (auto* toolBar = dynamic_cast<CWin32ToolBarPeer*>(bar); toolBar && bar->IsVisible())
            toolBar->UpdateCommandUI();
}

void CWin32MainFramePeer::ActivateChild(CWnd* pChild) {
    CWin32WindowPeer* child = Of(pChild);
    if (m_hClient && child && child->GetHwnd())
        SendMessageW(m_hClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->GetHwnd()), 0);
}

void CWin32MainFramePeer::MaximizeChild(CWnd* pChild) {
    CWin32WindowPeer* child = Of(pChild);
    // Maximized again, the system would lay out and draw the frame and the document again.
    if (m_hClient && child && child->GetHwnd() && !IsZoomed(child->GetHwnd()))
        SendMessageW(m_hClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->GetHwnd()), 0);
}

void CWin32MainFramePeer::ArrangeChildren(Arrangement how) {
    if (!m_hClient) return;
    if (how == Cascade)
        SendMessageW(m_hClient, WM_MDICASCADE, 0, 0);
    else
        SendMessageW(m_hClient, WM_MDITILE, how == Rows ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void CWin32MainFramePeer::SetRecentFiles(const std::vector<std::string>& paths) {
    if (m_pMenu) m_pMenu->SetRecentFiles(paths);
    if (m_hWnd) DrawMenuBar(m_hWnd);
}

LRESULT CWin32MainFramePeer::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefFrameProcW(m_hWnd, m_hClient, msg, wp, lp);
}

LRESULT CWin32MainFramePeer::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_pOwner) return DefaultProc(msg, wp, lp);
    switch (msg) {
    case WM_SIZE:
        // Not the default: it would give the whole client area to the documents.
        RecalcLayout();
        m_pOwner->OnSize(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_COMMAND:
        OnCommand(wp, lp);
        return 0;
    case WM_INITMENUPOPUP:
        if (m_pMenu) m_pMenu->Update(reinterpret_cast<HMENU>(wp), m_pOwner);
        return 0;
    case WM_MENUSELECT: {
        UINT flags = HIWORD(wp);
        bool none = (flags == kNoMenu && lp == 0) || (flags & MF_POPUP) || (flags & MF_SEPARATOR);
        m_pOwner->OnMenuSelect(none ? 0 : LOWORD(wp));
        return 0;
    }
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wp));
        return 0;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<NMHDR*>(lp))) return 0;
        return DefaultProc(msg, wp, lp);
    case WM_SETFOCUS:
        return DefaultProc(msg, wp, lp);
    default:
        return CWin32WindowPeer::WindowProc(msg, wp, lp);
    }
}

void CWin32MainFramePeer::OnCommand(WPARAM wp, LPARAM lp) {
    UINT id = LOWORD(wp);
    if (id >= FrameworkIds::kFirstMDIChild) {
        DefaultProc(WM_COMMAND, wp, lp); // a document window chosen from the window menu
        return;
    }
    if (lp != 0) {
        // A bar's button: the bar's owner routes it.
        CWin32WindowPeer* control = FromHwnd(reinterpret_cast<HWND>(lp));
        if (control && control->GetOwner()) control->GetOwner()->OnCommandFromUI(id);
        return;
    }
    m_pOwner->OnCommandFromUI(id);
}

bool CWin32MainFramePeer::OnNotify(NMHDR& nm) {
    if (nm.code == TTN_GETDISPINFOW) {
        m_strTip = CWin32ToolBarPeer::Tooltip(static_cast<UINT>(nm.idFrom));
        reinterpret_cast<NMTTDISPINFOW&>(nm).lpszText = m_strTip.data();
        return true;
    }
    if (nm.code == static_cast<UINT>(TBN_HOTITEMCHANGE)) {
        // The prompt of the button under the pointer, as for a menu item.
        const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(nm);
        CWin32WindowPeer* bar = FromHwnd(nm.hwndFrom);
        if (bar && bar->GetOwner())
            bar->GetOwner()->OnMenuSelect(hot.dwFlags & HICF_LEAVING ? 0 : hot.idNew);
        return true;
    }
    return false;
}

void CWin32MainFramePeer::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        UINT n = DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()));
        paths.push_back(CWin32Text::Utf8(path.c_str(), static_cast<int>(n)));
    }
    DragFinish(drop);
    m_pOwner->OnDropFiles(paths);
}
