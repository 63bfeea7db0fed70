#include "platform/win32/Win32ViewPeer.h"

#include "platform/framework/Font.h"
#include "platform/win32/Win32FontCache.h"

CWin32ViewPeer::CWin32ViewPeer(CWnd* pOwner, HWND parent, UINT id) : CWin32WindowPeer(pOwner) {
    CreateWindowExW(0,
                    WindowClass(L"QuelmView", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, COLOR_WINDOW),
                    nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                    static_cast<CWin32WindowPeer*>(this));
    StartDelivery();
}

CWin32ViewPeer::~CWin32ViewPeer() {
    Destroy();
}

LRESULT CWin32ViewPeer::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // A click focuses the view, as the frame's windows do not by themselves.
    if (msg == WM_LBUTTONDOWN && GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
    if (msg == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    return CWin32WindowPeer::WindowProc(msg, wp, lp);
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
    // Redrawing a bar costs more than repainting the view: it is drawn again only when its
    // thumb moves by a pixel, which a one-row scroll of a long file seldom does.
    LONG object = bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL;
    SCROLLBARINFO before{};
    before.cbSize = sizeof before;
    bool known = bRedraw && GetScrollBarInfo(m_hWnd, object, &before);
    ::SetScrollInfo(m_hWnd, bar, &w, bRedraw && !known);
    if (!known) return;
    SCROLLBARINFO after{};
    after.cbSize = sizeof after;
    if (!GetScrollBarInfo(m_hWnd, object, &after) || after.xyThumbTop != before.xyThumbTop ||
        after.xyThumbBottom != before.xyThumbBottom || after.rgstate[0] != before.rgstate[0])
        ::SetScrollInfo(m_hWnd, bar, &w, TRUE);
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
    if (m_hWnd) ::ShowScrollBar(m_hWnd, bar, bShow);
}

void CWin32ViewPeer::CreateCaret(int w, int h) {
    if (!m_hWnd) return;
    m_bCaret = ::CreateCaret(m_hWnd, nullptr, w, h) != FALSE;
}

void CWin32ViewPeer::SetCaretPos(CPoint pt) {
    if (m_bCaret) ::SetCaretPos(pt.x, pt.y);
}

void CWin32ViewPeer::ShowCaret() {
    if (m_bCaret) ::ShowCaret(m_hWnd);
}

void CWin32ViewPeer::HideCaret() {
    if (m_bCaret) ::HideCaret(m_hWnd);
}

void CWin32ViewPeer::DestroyCaret() {
    if (!m_bCaret) return;
    m_bCaret = false;
    ::DestroyCaret();
}

void CWin32ViewPeer::SetImeCompositionWindow(CPoint pt, const CFont* pFont) {
    if (!m_hWnd) return;
    HIMC imc = ImmGetContext(m_hWnd);
    if (!imc) return;
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = POINT{pt.x, pt.y};
    ImmSetCompositionWindow(imc, &form);
    if (pFont) {
        LOGFONTW lf{};
        GetObjectW(CWin32FontCache::Get().Font(pFont->GetLogFont()), sizeof lf, &lf);
        ImmSetCompositionFontW(imc, &lf);
    }
    ImmReleaseContext(m_hWnd, imc);
}
