#include "platform/win32/Win32RingPicture.h"

#include <algorithm>
#include <cstdlib>

CWin32RingPicture::~CWin32RingPicture() {
    Drop();
}

void CWin32RingPicture::Drop() {
    if (m_hdc) {
        SelectObject(m_hdc, m_hOldBitmap);
        DeleteDC(m_hdc);
    }
    if (m_hBitmap) DeleteObject(m_hBitmap);
    m_hdc = nullptr;
    m_hBitmap = nullptr;
    m_hOldBitmap = nullptr;
    m_size = SIZE{0, 0};
    m_nOrigin = 0;
}

bool CWin32RingPicture::Prepare(HDC like, SIZE size) {
    if (m_hdc && size.cx == m_size.cx && size.cy == m_size.cy) return false;
    Drop();
    if (size.cx <= 0 || size.cy <= 0) return true;
    // The window's own format, so that showing the picture is a plain copy.
    m_hBitmap = CreateCompatibleBitmap(like, size.cx, size.cy);
    m_hdc = m_hBitmap ? CreateCompatibleDC(like) : nullptr;
    if (!m_hdc) {
        Drop();
        return true;
    }
    m_hOldBitmap = SelectObject(m_hdc, m_hBitmap);
    m_size = size;
    return true;
}

template <typename F> void CWin32RingPicture::ForPieces(const RECT& rect, F f) const {
    int height = m_size.cy;
    if (height <= 0 || rect.top >= rect.bottom || rect.left >= rect.right) return;
    int row = ((rect.top + m_nOrigin) % height + height) % height;
    int first = std::min<int>(rect.bottom - rect.top, height - row); // rows before the ring wraps
    f(RECT{rect.left, rect.top, rect.right, rect.top + first}, row);
    if (rect.top + first < rect.bottom)
        f(RECT{rect.left, rect.top + first, rect.right, rect.bottom}, 0);
}

void CWin32RingPicture::EnterBand(int top, HRGN part) {
    int shift = BandShift(top);
    SetViewportOrgEx(m_hdc, 0, shift, nullptr);
    // The clip is in the bitmap's pixels.
    OffsetRgn(part, 0, shift);
    ExtSelectClipRgn(m_hdc, part, RGN_COPY);
    OffsetRgn(part, 0, -shift);
}

void CWin32RingPicture::LeaveBand() {
    // The owner may have left another mapping behind; the picture's own calls work in pixels.
    SetMapMode(m_hdc, MM_TEXT);
    SetViewportOrgEx(m_hdc, 0, 0, nullptr);
    SelectClipRgn(m_hdc, nullptr);
}

void CWin32RingPicture::Fill(const RECT& rect, COLORREF colour) {
    SetBkColor(m_hdc, colour);
    ForPieces(rect, [this](const RECT& piece, int row) {
        RECT r{piece.left, row, piece.right, row + piece.bottom - piece.top};
        ExtTextOutW(m_hdc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    });
}

void CWin32RingPicture::Scroll(int dx, int dy, COLORREF background) {
    if (IsEmpty()) return;
    const int width = m_size.cx;
    const int height = m_size.cy;
    if (std::abs(dx) >= width || std::abs(dy) >= height) {
        m_nOrigin = 0;
        Fill(Rect(), background);
        return;
    }
    if (dy != 0) {
        // The rows stay where they are; the window's first row is found elsewhere.
        m_nOrigin = ((m_nOrigin - dy) % height + height) % height;
        Fill(dy > 0 ? RECT{0, 0, width, dy} : RECT{0, height + dy, width, height}, background);
    }
    if (dx != 0) {
        // Sideways every ring row moves alike, wherever the window's first row lies.
        BitBlt(m_hdc, dx, 0, width, height, m_hdc, 0, 0, SRCCOPY);
        RECT uncovered = dx > 0 ? RECT{0, 0, dx, height} : RECT{width + dx, 0, width, height};
        SetBkColor(m_hdc, background);
        ExtTextOutW(m_hdc, 0, 0, ETO_OPAQUE, &uncovered, nullptr, 0, nullptr);
    }
}

void CWin32RingPicture::Show(HDC window, const RECT& rect) const {
    RECT all = Rect();
    RECT shown{};
    if (IsEmpty() || !IntersectRect(&shown, &rect, &all)) return;
    ForPieces(shown, [&](const RECT& piece, int row) {
        BitBlt(window, piece.left, piece.top, piece.right - piece.left, piece.bottom - piece.top,
               m_hdc, piece.left, row, SRCCOPY);
    });
}
