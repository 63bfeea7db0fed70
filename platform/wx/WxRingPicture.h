#pragma once
#include <memory>

#include <wx/region.h>

#include "platform/base/Types.h"
#include "platform/wx/WxSurfaceDC.h"

class wxWindow;
typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

// What a window the program paints itself shows, kept between paints as a window keeps its
// pixels. Its rows are a ring: a vertical scroll moves where the window's first row lies
// instead of the pixels, so it costs the uncovered strip only. A copy of the ring is kept
// beside the window as the display likes it (on the X server under X11), so a paint of the
// window sends only what changed. The program's own copy is memory it shares with the display
// where the display offers that, so sending it needs no third copy in between.
class CWxRingPicture {
public:
    CWxRingPicture();
    ~CWxRingPicture();
    CWxRingPicture(const CWxRingPicture&) = delete;
    CWxRingPicture& operator=(const CWxRingPicture&) = delete;

    // Made for the window at size unless it has that size; true when it was made anew and
    // holds nothing.
    bool Prepare(wxWindow* window, wxSize size);
    wxRect Rect() const { return wxRect(m_size); }
    // Where the owner draws: f(dc, part, shift) for the one or two parts of region (window
    // pixels) that lie in one piece in the ring; dc draws in window pixels there and the
    // picture's pixels lie shift rows lower.
    template <typename F> void DrawIn(const wxRegion& region, F f);
    // Moves the pixels by (dx, dy); those uncovered take the background, as a scrolled window
    // erases them.
    void Scroll(int dx, int dy, COLORREF background);
    // What DrawIn changed in region goes to the display's copy.
    void Publish(const wxRegion& region);
    // Shows the picture on the window's paint context.
    void Paint(cairo_t* cr);

private:
    // Calls f(rect, row) for the one or two pieces of a window rectangle, row being where the
    // piece's first row lies in the ring.
    template <typename F> void ForPieces(const wxRect& rect, F f) const;
    cairo_surface_t* Image() const;
    // Draws the window's picture held in ring, moved by (dx, dy), on cr.
    void DrawMoved(cairo_t* cr, cairo_surface_t* ring, int dx, int dy) const;
    void Fill(cairo_surface_t* ring, const wxRegion& region, COLORREF colour);
    // Moves a ring's pixels sideways through a copy, into a ring that starts at row 0.
    void MoveThroughCopy(cairo_surface_t* ring, int dx, int dy);
    void Drop();
    void SetDrawingShift(int shift);

    cairo_surface_t* m_pImage = nullptr;
    // Kept with the image: a DC is costly to make.
    std::unique_ptr<CWxSurfaceDC> m_pDC;
    cairo_surface_t* m_pDisplayCopy = nullptr;
    wxSize m_size;
    int m_nOrigin = 0; // the ring row that holds the window's first row
};

template <typename F> void CWxRingPicture::DrawIn(const wxRegion& region, F f) {
    int height = m_size.y;
    if (height <= 0) return;
    // The window's rows from 0 lie from m_nOrigin down to the ring's end, the rest from its top.
    const int bands[2][2] = {{0, height - m_nOrigin}, {height - m_nOrigin, m_nOrigin}};
    for (const auto& band : bands) {
        wxRegion part(region);
        part.Intersect(wxRect(0, band[0], m_size.x, band[1]));
        if (part.IsEmpty()) continue;
        int shift = band[0] == 0 ? m_nOrigin : m_nOrigin - height;
        SetDrawingShift(shift);
        f(*m_pDC, part, shift);
    }
    SetDrawingShift(0);
}
