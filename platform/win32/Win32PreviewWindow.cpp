#include "platform/win32/Win32PreviewWindow.h"

#include <algorithm>
#include <string>

#include "platform/framework/ExceptionBoundary.h"
#include "platform/framework/PrintJob.h"
#include "platform/win32/Win32PreviewDC.h"
#include "platform/win32/Win32Text.h"

namespace {
constexpr int kMargin = 16;                // pixels around the page
constexpr int kWidth = 720, kHeight = 900; // at most: a smaller screen gets all of its height

const wchar_t kClass[] = L"QuelmPreview";
const char kTitle[] = "ﾌﾟﾘﾝﾀ出力のﾌﾟﾚﾋﾞｭｰ";
const char kPageWord[] = "ページ";
} // namespace

CWin32PreviewWindow::CWin32PreviewWindow(std::unique_ptr<CPrintJob> pJob, CSize page)
    : m_pJob(std::move(pJob)), m_page(page), m_nPage(m_pJob->Info().GetMinPage()) {}

CWin32PreviewWindow::~CWin32PreviewWindow() {
    if (m_hWnd) DestroyWindow(m_hWnd);
}

bool CWin32PreviewWindow::Run(HWND owner) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.lpszClassName = kClass;
        registered = RegisterClassExW(&wc) != 0;
    }
    RECT work{0, 0, kWidth, kHeight};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = std::min<int>(kWidth, work.right - work.left);
    const int height = std::min<int>(kHeight, work.bottom - work.top);
    const int left = work.left + (work.right - work.left - width) / 2;
    m_hWnd = CreateWindowExW(0, kClass, nullptr, WS_OVERLAPPEDWINDOW, left, work.top, width, height,
                             owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_hWnd) return false;
    {
        HDC screen = GetDC(m_hWnd);
        CWin32PreviewDC setup(screen, m_page, PageRect());
        m_pJob->Begin(setup);
        ReleaseDC(m_hWnd, screen);
    }
    UpdateTitle();
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(m_hWnd, SW_SHOW);
    m_bOpen = true;
    MSG msg{};
    while (m_bOpen && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    if (owner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    {
        HDC screen = GetDC(nullptr);
        CWin32PreviewDC end(screen, m_page, PageRect());
        m_pJob->End(end);
        ReleaseDC(nullptr, screen);
    }
    return true;
}

LRESULT CALLBACK CWin32PreviewWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<CWin32PreviewWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->m_hWnd) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    bool handled = CExceptionBoundary::Run([&] { result = self->Handle(msg, wp, lp); });
    return handled ? result : 0;
}

LRESULT CWin32PreviewWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_NEXT || wp == VK_RIGHT || wp == VK_DOWN) Turn(1);
        if (wp == VK_PRIOR || wp == VK_LEFT || wp == VK_UP) Turn(-1);
        if (wp == VK_ESCAPE) m_bOpen = false;
        return 0;
    case WM_CLOSE:
        m_bOpen = false;
        ShowWindow(m_hWnd, SW_HIDE);
        return 0;
    default:
        return DefWindowProcW(m_hWnd, msg, wp, lp);
    }
}

RECT CWin32PreviewWindow::PageRect() const {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    int w = std::max(1, static_cast<int>(client.right) - 2 * kMargin);
    int h = std::max(1, static_cast<int>(client.bottom) - 2 * kMargin);
    // Fit the paper's proportions.
    if (static_cast<long long>(w) * m_page.cy > static_cast<long long>(h) * m_page.cx)
        w = static_cast<int>(static_cast<long long>(h) * m_page.cx / m_page.cy);
    else
        h = static_cast<int>(static_cast<long long>(w) * m_page.cy / m_page.cx);
    int left = (client.right - w) / 2, top = (client.bottom - h) / 2;
    return RECT{left, top, left + w, top + h};
}

void CWin32PreviewWindow::Paint() {
    // A page that fails to draw is still painted once: the window would ask again for ever.
    struct Painting {
        HWND hwnd;
        PAINTSTRUCT ps{};
        HDC hdc = BeginPaint(hwnd, &ps);
        int saved = SaveDC(hdc);
        ~Painting() {
            RestoreDC(hdc, saved);
            EndPaint(hwnd, &ps);
        }
    } painting{m_hWnd};
    RECT page = PageRect();
    FillRect(painting.hdc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    IntersectClipRect(painting.hdc, page.left, page.top, page.right, page.bottom);
    CWin32PreviewDC dc(painting.hdc, m_page, page);
    m_pJob->PrintPage(dc, m_nPage);
}

void CWin32PreviewWindow::Turn(int delta) {
    UINT next = static_cast<UINT>(static_cast<int>(m_nPage) + delta);
    if (delta < 0 && m_nPage <= m_pJob->Info().GetMinPage()) return;
    if (!m_pJob->HasPage(next)) return;
    m_nPage = next;
    UpdateTitle();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CWin32PreviewWindow::UpdateTitle() {
    std::string title = std::string(kTitle) + " - " + std::to_string(m_nPage) + " " + kPageWord;
    SetWindowTextW(m_hWnd, CWin32Text::Wide(title).c_str());
}
