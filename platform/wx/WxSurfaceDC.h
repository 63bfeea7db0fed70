#pragma once
#include <wx/dc.h>

typedef struct _cairo_surface cairo_surface_t;

// A DC that draws on a cairo image surface the program made itself (as the toolkit's memory DC
// draws on a bitmap's), and knows the surface's size: the toolkit's clipping is bounded by it.
class CWxSurfaceDC : public wxDC {
public:
    explicit CWxSurfaceDC(cairo_surface_t* surface);
};
