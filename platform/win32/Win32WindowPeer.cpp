#include "platform/win32/Win32WindowPeer.h"

#include <set>
#include <unordered_map>

#include "platform/framework/ExceptionBoundary.h"
#include "platform/framework/Wnd.h"
#include "platform/win32/Win32DC.h"
#include "platform/win32/Win32Text.h"

namespace {
std::unordered_map<HWND, CWin32WindowPeer*>& Peers() {
    static std::unordered_map<HWND, CWin32WindowPeer*> peers;
    return peers;
}

// Handlers may be painting when they fail: the message waits until the message is over.
void ReportLater(const std::string& text) {
    static bool pending = false;
    static std::string waiting;
    if (pending) return;
    pending = true;
    waiting = text;
    auto* timerProc = +[](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        CExceptionBoundary::Report(waiting);
        pending = false;
    };
    ::SetTimer(nullptr, 0, 0, timerProc);
}
} // namespace

CWin32WindowPeer::CWin32WindowPeer(CWnd* pOwner) : m_pCreator(pOwner) {}

CWin32WindowPeer::~CWin32WindowPeer() {
    Destroy();
}

CWin32WindowPeer* CWin32WindowPeer::Of(const CWnd* pWnd) {
    return pWnd ? dynamic_cast<CWin32WindowPeer*>(pWnd->GetPeer()) : nullptr;
}

CWin32WindowPeer* CWin32WindowPeer::FromHwnd(HWND hwnd) {
    auto it = Peers().find(hwnd);
    return it == Peers().end() ? nullptr : it->second;
}

const wchar_t* CWin32WindowPeer::WindowClass(const wchar_t* name, UINT style, int background) {
    static std::set<std::wstring> registered;
    if (registered.insert(name).second) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = StaticProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        wc.hbrBackground = background < 0 ? nullptr : reinterpret_cast<HBRUSH>(background + 1);
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
    return name;
}

LRESULT CALLBACK CWin32WindowPeer::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CWin32WindowPeer* peer = FromHwnd(hwnd);
    if (!peer && msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        void* param = cs->lpCreateParams;
        // An MDI child's parameter comes inside the creation structure of the client.
        if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD)
            param = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTW*>(param)->lParam);
        peer = static_cast<CWin32WindowPeer*>(param);
        if (peer) peer->Attach(hwnd);
    }
    if (!peer) return DefWindowProcW(hwnd, msg, wp, lp);
    return peer->Dispatch(msg, wp, lp);
}

LRESULT CWin32WindowPeer::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCDESTROY) {
        LRESULT result = DefaultProc(msg, wp, lp);
        Detach();
        return result;
    }
    try {
        return WindowProc(msg, wp, lp);
    } catch (...) {
        ReportLater(CExceptionBoundary::DescribeCurrent());
        return 0;
    }
}

void CWin32WindowPeer::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    Peers()[hwnd] = this;
}

void CWin32WindowPeer::Register(HWND hwnd, CWin32WindowPeer* peer) {
    Peers()[hwnd] = peer;
}

void CWin32WindowPeer::Unregister(HWND hwnd) {
    Peers().erase(hwnd);
}

void CWin32WindowPeer::Detach() {
    if (!m_hWnd) return;
    Peers().erase(m_hWnd);
    m_hWnd = nullptr;
}

LRESULT CWin32WindowPeer::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(m_hWnd, msg, wp, lp);
}

LRESULT CWin32WindowPeer::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_pOwner) return DefaultProc(msg, wp, lp);
    if (HandleInput(msg, wp, lp)) return 0;
    switch (msg) {
    case WM_PAINT:
        if (HandlePaint()) return 0;
        break;
    case WM_SIZE:
        m_pOwner->OnSize(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
        break;
    case WM_TIMER:
        m_pOwner->OnTimer(static_cast<UINT>(wp));
        return 0;
    case WM_SETFOCUS:
        m_pOwner->OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        m_pOwner->OnKillFocus();
        return 0;
    case WM_CLOSE:
        m_pOwner->OnClose();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == 0 || HIWORD(wp) == 1 || HIWORD(wp) == BN_CLICKED) {
            m_pOwner->OnCommandFromUI(LOWORD(wp));
            return 0;
        }
        break;
    default:
        break;
    }
    return DefaultProc(msg, wp, lp);
}

bool CWin32WindowPeer::HandlePaint() {
    PAINTSTRUCT ps{};
    HDC hdc = BeginPaint(m_hWnd, &ps);
    {
        CWin32DC dc(hdc, nullptr);
        dc.SetPaintRect(ps.rcPaint);
        m_pOwner->OnPaint(&dc);
    }
    EndPaint(m_hWnd, &ps);
    return true;
}

bool CWin32WindowPeer::HandleInput(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_IME_CHAR:
        HandleKey(msg, wp, lp);
        return true;
    case WM_IME_STARTCOMPOSITION:
        m_pOwner->OnImeStartComposition();
        return false; // the system shows its composition window
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
        HandleMouse(msg, wp, lp);
        return true;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (lp != 0) return false; // a scroll-bar control's, not the window's own
        HandleScroll(msg, wp);
        return true;
    default:
        return false;
    }
}

void CWin32WindowPeer::HandleKey(UINT msg, WPARAM wp, LPARAM lp) {
    UINT repeat = LOWORD(lp);
    UINT flags = HIWORD(lp);
    if (msg == WM_KEYDOWN) {
        m_pOwner->OnKeyDown(static_cast<UINT>(wp), repeat, flags);
        return;
    }
    if (msg == WM_KEYUP) {
        m_pOwner->OnKeyUp(static_cast<UINT>(wp), repeat, flags);
        return;
    }
    auto unit = static_cast<wchar_t>(wp);
    if (msg == WM_CHAR && unit < 0x80) {
        m_pOwner->OnChar(unit, repeat, flags);
        return;
    }
    // A character beyond ASCII, typed or composed, reaches the program in its code page.
    if (UINT code = CWin32Text::ToCodePage932(unit)) m_pOwner->OnImeChar(code, repeat);
}

void CWin32WindowPeer::HandleMouse(UINT msg, WPARAM wp, LPARAM lp) {
    CPoint pt(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
    auto flags = static_cast<UINT>(LOWORD(wp));
    switch (msg) {
    case WM_LBUTTONDOWN:
        m_pOwner->OnLButtonDown(flags, pt);
        break;
    case WM_LBUTTONUP:
        m_pOwner->OnLButtonUp(flags, pt);
        break;
    case WM_LBUTTONDBLCLK:
        m_pOwner->OnLButtonDblClk(flags, pt);
        break;
    case WM_MOUSEMOVE:
        m_pOwner->OnMouseMove(flags, pt);
        break;
    default: {
        // The wheel's position is on the screen.
        POINT screen{pt.x, pt.y};
        ScreenToClient(m_hWnd, &screen);
        int delta = GET_WHEEL_DELTA_WPARAM(wp);
        m_pOwner->OnMouseWheel(flags, delta, CPoint(screen.x, screen.y));
        break;
    }
    }
}

void CWin32WindowPeer::HandleScroll(UINT msg, WPARAM wp) {
    int bar = msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
    UINT code = LOWORD(wp);
    // The 16-bit position of the message is not enough for long files.
    tagSCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS | SIF_POS;
    ::GetScrollInfo(m_hWnd, bar, &si);
    auto pos = static_cast<UINT>(code == SB_THUMBTRACK ? si.nTrackPos : si.nPos);
    if (code == SB_THUMBPOSITION) pos = static_cast<UINT>(si.nTrackPos);
    if (msg == WM_VSCROLL)
        m_pOwner->OnVScroll(code, pos);
    else
        m_pOwner->OnHScroll(code, pos);
}

CRect CWin32WindowPeer::GetClientRect() {
    RECT r{};
    if (m_hWnd) ::GetClientRect(m_hWnd, &r);
    return ToCRect(r);
}

CRect CWin32WindowPeer::GetWindowRect() {
    RECT r{};
    if (m_hWnd) ::GetWindowRect(m_hWnd, &r);
    return ToCRect(r);
}

void CWin32WindowPeer::MoveWindow(const CRect& rect) {
    if (!m_hWnd) return;
    if (m_pParentPeer) {
        // The frame places the window; the program decides the height of a bar.
        RECT now{};
        ::GetWindowRect(m_hWnd, &now);
        SetWindowPos(m_hWnd, nullptr, 0, 0, now.right - now.left, rect.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        TellParent();
        return;
    }
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void CWin32WindowPeer::TellParent() {
    if (m_pParentPeer) m_pParentPeer->ChildChanged();
}

void CWin32WindowPeer::Show(bool bShow) {
    if (!m_hWnd || (::IsWindowVisible(m_hWnd) != FALSE) == bShow) return;
    ShowWindow(m_hWnd, bShow ? SW_SHOW : SW_HIDE);
    TellParent();
}

bool CWin32WindowPeer::IsVisible() {
    return m_hWnd && ::IsWindowVisible(m_hWnd);
}

void CWin32WindowPeer::SetWindowText(const std::string& text) {
    if (m_hWnd) SetWindowTextW(m_hWnd, CWin32Text::Wide(text).c_str());
}

std::string CWin32WindowPeer::GetWindowText() {
    if (!m_hWnd) return std::string();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    int n = GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
    return CWin32Text::Utf8(text.c_str(), n);
}

void CWin32WindowPeer::Invalidate(const CRect* pRect, bool bErase) {
    if (!m_hWnd) return;
    RECT r = pRect ? ToRECT(*pRect) : RECT{};
    InvalidateRect(m_hWnd, pRect ? &r : nullptr, bErase);
}

void CWin32WindowPeer::UpdateWindow() {
    if (m_hWnd) ::UpdateWindow(m_hWnd);
}

void CWin32WindowPeer::ScrollWindow(int dx, int dy) {
    if (m_hWnd) ScrollWindowEx(m_hWnd, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
}

void CWin32WindowPeer::SetFocus() {
    if (m_hWnd) ::SetFocus(m_hWnd);
}

void CWin32WindowPeer::SetTimer(UINT id, UINT ms) {
    if (m_hWnd) ::SetTimer(m_hWnd, id, ms, nullptr);
}

void CWin32WindowPeer::KillTimer(UINT id) {
    if (m_hWnd) ::KillTimer(m_hWnd, id);
}

void CWin32WindowPeer::SetCapture() {
    if (m_hWnd) ::SetCapture(m_hWnd);
}

void CWin32WindowPeer::ReleaseCapture() {
    if (m_hWnd && GetCapture() == m_hWnd) ::ReleaseCapture();
}

std::unique_ptr<CDC> CWin32WindowPeer::GetDC() {
    if (!m_hWnd) return nullptr;
    return std::make_unique<CWin32DC>(::GetDC(m_hWnd), m_hWnd);
}

void CWin32WindowPeer::Destroy() {
    m_pOwner = nullptr;
    if (m_pParentPeer) {
        m_pParentPeer->ForgetChild(this);
        m_pParentPeer = nullptr;
    }
    HWND hwnd = m_hWnd;
    Detach();
    if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
}
