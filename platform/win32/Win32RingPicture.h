#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

// What a window the program paints itself shows, kept in a bitmap between paints. Its rows are
// a ring: a vertical scroll moves where the window's first row lies instead of the pixels, so
// it costs the uncovered strip only, and the window is then updated from the picture by plain
// copies. Under wine, moving the window's own pixels (ScrollWindowEx) costs half a repaint.
class CWin32RingPicture {
public:
    CWin32RingPicture() = default;
    ~CWin32RingPicture();
    CWin32RingPicture(const CWin32RingPicture&) = delete;
    CWin32RingPicture& operator=(const CWin32RingPicture&) = delete;

    // Made like the window's context at size unless it has that size; true when it was made
    // anew and holds nothing.
    bool Prepare(HDC like, SIZE size);
    bool IsEmpty() const { return !m_hdc || m_size.cx <= 0 || m_size.cy <= 0; }
    RECT Rect() const { return RECT{0, 0, m_size.cx, m_size.cy}; }
    // Where the owner draws: f(dc, part) for the one or two parts of region (window pixels)
    // that lie in one piece in the ring; dc draws in window pixels, clipped to the part.
    template <typename F> void DrawIn(HRGN region, F f);
    // Moves the pixels by (dx, dy); those uncovered take the background, as a scrolled window
    // erases them.
    void Scroll(int dx, int dy, COLORREF background);
    // Copies the picture's part of rect (window pixels) onto the window's context.
    void Show(HDC window, const RECT& rect) const;

private:
    // Calls f(piece, row) for the one or two pieces of a window rectangle, row being where the
    // piece's first row lies in the ring.
    template <typename F> void ForPieces(const RECT& rect, F f) const;
    // Where the window's rows from band.top lie in the ring, relative to the window.
    int BandShift(int top) const { return top == 0 ? m_nOrigin : m_nOrigin - m_size.cy; }
    // Draws in window pixels of the band that starts at top, clipped to part.
    void EnterBand(int top, HRGN part);
    void LeaveBand();
    void Fill(const RECT& rect, COLORREF colour);
    void Drop();

    HDC m_hdc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    SIZE m_size{0, 0};
    int m_nOrigin = 0; // the ring row that holds the window's first row
};

template <typename F> void CWin32RingPicture::DrawIn(HRGN region, F f) {
    if (IsEmpty()) return;
    // The window's rows from 0 lie from m_nOrigin down to the ring's end, the rest from its top.
    const int split = m_size.cy - m_nOrigin;
    const RECT bands[2] = {{0, 0, m_size.cx, split}, {0, split, m_size.cx, m_size.cy}};
    HRGN part = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& band : bands) {
        if (band.top >= band.bottom) continue;
        HRGN clip = CreateRectRgnIndirect(&band);
        int kind = CombineRgn(part, region, clip, RGN_AND);
        DeleteObject(clip);
        if (kind == NULLREGION || kind == ERROR) continue;
        RECT box{};
        GetRgnBox(part, &box);
        EnterBand(band.top, part);
        f(m_hdc, box);
        LeaveBand();
    }
    DeleteObject(part);
}
