#include "platform/win32/Win32DC.h"

#include "platform/base/CodePage932.h"
#include "platform/win32/Win32FontCache.h"

namespace {
constexpr wchar_t kUndecodable = L'.';
constexpr wchar_t kControl = L' ';
constexpr unsigned char kFirstPrintable = 0x20;
} // namespace

CWin32DC::CWin32DC(HDC hdc, HWND hwnd, bool bPrinting)
    : m_hdc(hdc), m_hWnd(hwnd), m_bPrinting(bPrinting) {
    ::SetBkMode(m_hdc, OPAQUE);
}

CWin32DC::~CWin32DC() {
    if (m_hOldFont) ::SelectObject(m_hdc, m_hOldFont);
    if (m_hWnd) ReleaseDC(m_hWnd, m_hdc);
}

CFont* CWin32DC::SelectObject(CFont* pFont) {
    CFont* old = CDC::SelectObject(pFont);
    if (old != pFont) m_bRealized = false;
    return old;
}

void CWin32DC::Realize() {
    if (m_bRealized) return;
    m_bRealized = true;
    m_nCellWidth = 0;
    if (!m_pFont) return;
    HGDIOBJ previous = ::SelectObject(m_hdc, CWin32FontCache::Get().Font(m_pFont->GetLogFont()));
    if (!m_hOldFont) m_hOldFont = previous;
}

int CWin32DC::CellWidth() {
    Realize();
    if (m_nCellWidth > 0) return m_nCellWidth;
    // The advance of a half-width digit is the cell, whatever the font's average says.
    INT width = 0;
    if (!GetCharWidth32W(m_hdc, L'0', L'0', &width) || width <= 0) {
        TEXTMETRICW tm{};
        GetTextMetricsW(m_hdc, &tm);
        width = tm.tmAveCharWidth;
    }
    m_nCellWidth = width > 0 ? width : 1;
    return m_nCellWidth;
}

bool CWin32DC::GetTextMetrics(TEXTMETRIC& tm) {
    Realize();
    TEXTMETRICW w{};
    if (!GetTextMetricsW(m_hdc, &w)) return false;
    tm.tmHeight = w.tmHeight;
    tm.tmAscent = w.tmAscent;
    tm.tmDescent = w.tmDescent;
    tm.tmAveCharWidth = CellWidth();
    tm.tmMaxCharWidth = w.tmMaxCharWidth;
    tm.tmOverhang = 0; // the cell above is the whole advance
    return true;
}

void CWin32DC::Layout(const char* text, int n, int cell) {
    m_wide.clear();
    m_advances.clear();
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    for (int i = 0; i < n;) {
        char16_t unit = 0;
        int used = CCodePage932::Decode(p + i, static_cast<size_t>(n - i), unit);
        wchar_t shown = static_cast<wchar_t>(unit);
        if (p[i] < kFirstPrintable && used == 1)
            shown = kControl;
        else if (unit == 0)
            shown = kUndecodable;
        m_wide.push_back(shown);
        m_advances.push_back(cell * used);
        i += used;
    }
}

void CWin32DC::TextOut(int x, int y, const char* text, int n) {
    ExtTextOut(x, y, 0, nullptr, text, n);
}

void CWin32DC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text, int n) {
    int cell = CellWidth();
    Layout(text, n, cell);
    ::SetTextColor(m_hdc, m_text);
    ::SetBkColor(m_hdc, m_back);
    RECT r = rect ? ToRECT(*rect) : RECT{};
    ExtTextOutW(m_hdc, x, y, options, rect ? &r : nullptr, m_wide.c_str(),
                static_cast<UINT>(m_wide.size()), m_advances.data());
}

void CWin32DC::FillSolidRect(const CRect& rect, COLORREF color) {
    ::SetBkColor(m_hdc, color);
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ExtTextOutW(m_hdc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void CWin32DC::PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) {
    HBRUSH b = CreateSolidBrush(brush);
    HGDIOBJ old = ::SelectObject(m_hdc, b);
    ::PatBlt(m_hdc, rect.left, rect.top, rect.Width(), rect.Height(), rop);
    ::SelectObject(m_hdc, old);
    DeleteObject(b);
}

int CWin32DC::SetMapMode(int mode) {
    int old = CDC::SetMapMode(mode);
    ApplyMapMode(mode);
    m_bRealized = false;
    return old;
}

CRect CWin32DC::GetPrintableRect() {
    if (!m_bPrinting) return CRect();
    POINT corners[2] = {{0, 0}, {GetDeviceCaps(m_hdc, HORZRES), GetDeviceCaps(m_hdc, VERTRES)}};
    DPtoLP(m_hdc, corners, 2);
    return CRect(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
}

void CWin32DC::SetPaintRect(const RECT& rect) {
    m_paint = rect;
    m_bHasPaintRect = true;
}

bool CWin32DC::GetClipBox(CRect& rect) const {
    if (!m_bHasPaintRect) return false;
    rect = ToCRect(m_paint);
    return true;
}
