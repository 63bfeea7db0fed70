#pragma once
#include <wx/gdicmn.h>

#include "platform/base/Types.h"

class wxDC;
class wxRegion;
class wxWindow;
typedef struct _cairo_surface cairo_surface_t;

// What a window the program paints itself shows, kept by the display server: regions drawn
// on the client are sent to it, a scroll moves its pixels there, and a paint copies it to the
// window there, so a scroll sends no pixels but the uncovered ones. Without a display window
// yet, the copy is kept in memory.
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
    void Drop();
    static void Copy(cairo_surface_t* from, cairo_surface_t* to, const wxRegion& region);

    cairo_surface_t* m_pSurface = nullptr;
    cairo_surface_t* m_pSpare = nullptr; // the target of the next scroll
    wxSize m_size;
};
