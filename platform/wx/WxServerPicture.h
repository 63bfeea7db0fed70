#pragma once
#include <wx/gdicmn.h>

#include "platform/base/Types.h"

class wxDC;
class wxRegion;
class wxWindow;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

// What a window the program paints itself shows, kept as close to the display as the toolkit
// allows: regions drawn on the client are sent to it, and a paint copies it to the window. Its
// rows are a ring: a vertical scroll moves where the first row lies instead of the pixels, so
// it costs the uncovered strip only.
class CWxServerPicture {
public:
    CWxServerPicture() = default;
    ~CWxServerPicture();
    CWxServerPicture(const CWxServerPicture&) = delete;
    CWxServerPicture& operator=(const CWxServerPicture&) = delete;

    // Made for the window at size unless it has that size; true when it was made anew and
    // holds nothing yet.
    bool Prepare(wxWindow* window, wxSize size);
    wxRect Rect() const { return wxRect(m_size); }
    // Copies the region between the picture and an image drawn on imageDC (window pixels).
    void Fetch(wxDC& imageDC, const wxRegion& region);
    void Send(wxDC& imageDC, const wxRegion& region);
    // Moves the pixels by (dx, dy); those uncovered take the background, as a scrolled window
    // erases them.
    void Scroll(int dx, int dy, COLORREF background);
    void Paint(wxDC& windowDC);

private:
    enum Direction { ToPicture, FromPicture };
    void Drop();
    void Copy(cairo_surface_t* image, const wxRegion& region, Direction direction);
    // Calls f(rect, row) for the one or two pieces of a window rectangle, row being where the
    // piece's first row lies in the surface.
    template <typename F> void ForPieces(const wxRect& rect, F f) const;
    // Draws the window's picture, moved by (dx, dy), on cr.
    void DrawMoved(cairo_t* cr, int dx, int dy) const;
    void Fill(const wxRegion& region, COLORREF colour);

    cairo_surface_t* m_pSurface = nullptr;
    cairo_surface_t* m_pSpare = nullptr; // the target of a sideways scroll
    wxSize m_size;
    int m_nOrigin = 0; // the surface row that holds the window's first row
};
