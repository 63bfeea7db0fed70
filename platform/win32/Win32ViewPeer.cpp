#include "platform/win32/Win32ViewPeer.h"

#include <cstring>

#include "platform/framework/Font.h"
#include "platform/framework/Wnd.h"
#include "platform/win32/Win32DC.h"
#include "platform/win32/Win32FontCache.h"

namespace {
// BeginPaint and EndPaint around a paint, also when the owner's handler fails.
class CPaintScope {
public:
    explicit CPaintScope(HWND hwnd) : m_hWnd(hwnd) { m_hdc = BeginPaint(hwnd, &m_ps); }
    ~CPaintScope() { EndPaint(m_hWnd, &m_ps); }
    CPaintScope(const CPaintScope&) = delete;
    CPaintScope& operator=(const CPaintScope&) = delete;
    HDC Hdc() const { return m_hdc; }
    const RECT& Rect() const { return m_ps.rcPaint; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hdc;
};

// What the owner paints on dc, which covers part (window pixels).
void PaintOwner(CWnd* owner, HDC dc, const RECT& part, bool bErase) {
    CWin32DC cdc(dc, nullptr);
    cdc.SetPaintRect(part);
    if (bErase) cdc.FillSolidRect(ToCRect(part), GetSysColor(COLOR_WINDOW));
    owner->OnPaint(&cdc);
}
} // namespace

CWin32ViewPeer::CWin32ViewPeer(CWnd* pOwner, HWND parent, UINT id)
    : CWin32WindowPeer(pOwner), m_hInvalid(CreateRectRgn(0, 0, 0, 0)) {
    CreateWindowExW(0,
                    WindowClass(L"QuelmView", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW),
                    nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                    static_cast<CWin32WindowPeer*>(this));
    StartDelivery();
}

CWin32ViewPeer::~CWin32ViewPeer() {
    Destroy();
    DeleteObject(m_hInvalid);
}

LRESULT CWin32ViewPeer::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // A click focuses the view, as the frame's windows do not by themselves.
    if (msg == WM_LBUTTONDOWN && GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
    if (msg == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    if (m_pOwner && msg == WM_PAINT) {
        OnPaint();
        return 0;
    }
    if (msg == WM_IME_STARTCOMPOSITION) {
        // The owner places the window as the composition starts; what it placed before, too.
        m_bComposing = true;
        ApplyCompositionWindow();
        return CWin32WindowPeer::WindowProc(msg, wp, lp);
    }
    if (msg == WM_IME_ENDCOMPOSITION) m_bComposing = false;
    // The picture covers the whole window; what was to be erased is erased in it.
    if (m_pOwner && msg == WM_ERASEBKGND) return 1;
    return CWin32WindowPeer::WindowProc(msg, wp, lp);
}

void CWin32ViewPeer::OnPaint() {
    CPaintScope paint(m_hWnd);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    if (m_picture.Prepare(paint.Hdc(), SIZE{client.right, client.bottom}))
        m_bAllInvalid = m_bErase = true;
    if (m_picture.IsEmpty()) {
        // No picture to be had: the owner paints the window itself.
        bool erase = m_bErase;
        m_bAllInvalid = m_bErase = false;
        SetRectRgn(m_hInvalid, 0, 0, 0, 0);
        PaintOwner(m_pOwner, paint.Hdc(), paint.Rect(), erase);
        return;
    }
    Render();
    m_picture.Show(paint.Hdc(), paint.Rect());
}

void CWin32ViewPeer::Render() {
    RECT all = m_picture.Rect();
    HRGN region = CreateRectRgnIndirect(&all);
    if (!m_bAllInvalid) CombineRgn(region, region, m_hInvalid, RGN_AND);
    bool erase = m_bErase;
    // Cleared first: the owner may invalidate again while it paints.
    SetRectRgn(m_hInvalid, 0, 0, 0, 0);
    m_bAllInvalid = m_bErase = false;
    m_picture.DrawIn(region, [&](HDC dc, const RECT& part) {
        if (m_pOwner) PaintOwner(m_pOwner, dc, part, erase);
    });
    DeleteObject(region);
}

void CWin32ViewPeer::AddInvalid(const RECT& rect) {
    HRGN add = CreateRectRgnIndirect(&rect);
    CombineRgn(m_hInvalid, m_hInvalid, add, RGN_OR);
    DeleteObject(add);
}

void CWin32ViewPeer::Invalidate(const CRect* pRect, bool bErase) {
    if (!m_hWnd) return;
    RECT r = pRect ? ToRECT(*pRect) : RECT{};
    if (pRect)
        AddInvalid(r);
    else
        m_bAllInvalid = true;
    m_bErase = m_bErase || bErase;
    InvalidateRect(m_hWnd, pRect ? &r : nullptr, FALSE);
}

void CWin32ViewPeer::ScrollWindow(int dx, int dy) {
    if (!m_hWnd) return;
    if (m_bAllInvalid || m_picture.IsEmpty()) {
        Invalidate(nullptr, false);
        return;
    }
    m_picture.Scroll(dx, dy, GetSysColor(COLOR_WINDOW));
    // What was waiting to be rendered moved with the pixels; the uncovered strips join it.
    RECT all = m_picture.Rect();
    OffsetRgn(m_hInvalid, dx, dy);
    if (dy != 0)
        AddInvalid(dy > 0 ? RECT{0, 0, all.right, dy}
                          : RECT{0, all.bottom + dy, all.right, all.bottom});
    if (dx != 0)
        AddInvalid(dx > 0 ? RECT{0, 0, dx, all.bottom}
                          : RECT{all.right + dx, 0, all.right, all.bottom});
    // The whole window shows the moved picture.
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CWin32ViewPeer::SetScrollInfo(int bar, const SCROLLINFO& si, bool bRedraw) {
    tagSCROLLINFO w{};
    w.cbSize = sizeof w;
    w.fMask = si.fMask;
    w.nMin = si.nMin;
    w.nMax = si.nMax;
    w.nPage = si.nPage;
    w.nPos = si.nPos;
    w.nTrackPos = si.nTrackPos;
    if (!m_hWnd) return;
    // Drawing a bar costs more than repainting the view under wine: it is drawn with the
    // window's next paint, once however often it changed before, and only when its thumb or
    // arrows look different, which a one-row scroll of a long file seldom makes them.
    LONG object = bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL;
    SCROLLBARINFO before{};
    before.cbSize = sizeof before;
    if (!GetScrollBarInfo(m_hWnd, object, &before)) {
        ::SetScrollInfo(m_hWnd, bar, &w, bRedraw);
        return;
    }
    // A hidden bar the range shows changes the window's frame.
    if (before.rgstate[0] & STATE_SYSTEM_INVISIBLE) {
        ChangeFrame([&] { ::SetScrollInfo(m_hWnd, bar, &w, FALSE); });
        return;
    }
    ::SetScrollInfo(m_hWnd, bar, &w, FALSE);
    SCROLLBARINFO after{};
    after.cbSize = sizeof after;
    if (!bRedraw || !GetScrollBarInfo(m_hWnd, object, &after) ||
        (after.xyThumbTop == before.xyThumbTop && after.xyThumbBottom == before.xyThumbBottom &&
         after.rgstate[0] == before.rgstate[0]))
        return;
    // The bar lies outside the client area, where its rectangle says in client coordinates.
    RECT r = after.rcScrollBar;
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    RedrawWindow(m_hWnd, &r, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
}

template <typename F> void CWin32ViewPeer::ChangeFrame(F change) {
    // The system draws a changed frame at once, and the view again once laid out; under wine
    // each drawing of the bars costs more than a repaint. Drawn with the next paint instead.
    bool shown = IsWindowVisible(m_hWnd) != FALSE;
    if (shown) SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
    change();
    if (!shown) return;
    SendMessageW(m_hWnd, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
}

bool CWin32ViewPeer::GetScrollInfo(int bar, SCROLLINFO& si) {
    tagSCROLLINFO w{};
    w.cbSize = sizeof w;
    w.fMask = si.fMask;
    if (!m_hWnd || !::GetScrollInfo(m_hWnd, bar, &w)) return false;
    si.nMin = w.nMin;
    si.nMax = w.nMax;
    si.nPage = w.nPage;
    si.nPos = w.nPos;
    si.nTrackPos = w.nTrackPos;
    return true;
}

void CWin32ViewPeer::ShowScrollBar(int bar, bool bShow) {
    if (!m_hWnd) return;
    LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
    LONG bits = bar == SB_VERT ? WS_VSCROLL : bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL | WS_HSCROLL;
    if (bShow ? (style & bits) == bits : (style & bits) == 0) return;
    ChangeFrame([&] { ::ShowScrollBar(m_hWnd, bar, bShow); });
}

void CWin32ViewPeer::CreateCaret(int w, int h) {
    if (!m_hWnd) return;
    m_bCaret = ::CreateCaret(m_hWnd, nullptr, w, h) != FALSE;
    m_bCaretPlaced = false;
    m_nCaretHidden = 1; // a new caret starts hidden
}

// The view places and shows its caret at every paint and every move; each call is a round
// trip to the wine server, so only what changes the caret reaches the system.
void CWin32ViewPeer::SetCaretPos(CPoint pt) {
    if (!m_bCaret || (m_bCaretPlaced && pt == m_caretAt)) return;
    ::SetCaretPos(pt.x, pt.y);
    m_caretAt = pt;
    m_bCaretPlaced = true;
}

void CWin32ViewPeer::ShowCaret() {
    // Hiding counts: a caret not hidden stays as it is.
    if (!m_bCaret || m_nCaretHidden == 0) return;
    --m_nCaretHidden;
    ::ShowCaret(m_hWnd);
}

void CWin32ViewPeer::HideCaret() {
    if (!m_bCaret) return;
    ++m_nCaretHidden;
    ::HideCaret(m_hWnd);
}

void CWin32ViewPeer::DestroyCaret() {
    if (!m_bCaret) return;
    m_bCaret = false;
    ::DestroyCaret();
}

void CWin32ViewPeer::SetImeCompositionWindow(CPoint pt, const CFont* pFont) {
    // The system shows the composition window only while one is composed; each placing is a
    // notification to the input method, which under wine costs more than a paint, and the
    // view places it at every move of the caret. Until a composition starts, the place waits.
    m_imePoint = pt;
    m_bImeFont = pFont != nullptr;
    if (pFont) m_imeFont = pFont->GetLogFont();
    m_bImePending = true;
    if (m_bComposing) ApplyCompositionWindow();
}

void CWin32ViewPeer::ApplyCompositionWindow() {
    if (!m_hWnd || !m_bImePending) return;
    HIMC imc = ImmGetContext(m_hWnd);
    if (!imc) return;
    m_bImePending = false;
    // Nor is what the context already has told again.
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = POINT{m_imePoint.x, m_imePoint.y};
    COMPOSITIONFORM now{};
    if (!ImmGetCompositionWindow(imc, &now) || now.dwStyle != form.dwStyle ||
        now.ptCurrentPos.x != form.ptCurrentPos.x || now.ptCurrentPos.y != form.ptCurrentPos.y)
        ImmSetCompositionWindow(imc, &form);
    if (m_bImeFont) {
        LOGFONTW lf{};
        GetObjectW(CWin32FontCache::Get().Font(m_imeFont), sizeof lf, &lf);
        LOGFONTW current{};
        if (!ImmGetCompositionFontW(imc, &current) || std::memcmp(&current, &lf, sizeof lf) != 0)
            ImmSetCompositionFontW(imc, &lf);
    }
    ImmReleaseContext(m_hWnd, imc);
}
