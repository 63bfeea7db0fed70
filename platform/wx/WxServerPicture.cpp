#include "platform/wx/WxServerPicture.h"

#include <utility>

#include <cairo.h>
#include <gtk/gtk.h>
#include <wx/dc.h>
#include <wx/region.h>
#include <wx/window.h>

namespace {
cairo_surface_t* TargetOf(wxDC& dc) {
    auto* cr = static_cast<cairo_t*>(dc.GetHandle());
    return cr ? cairo_get_target(cr) : nullptr;
}

cairo_surface_t* MakeSurface(GdkWindow* window, wxSize size) {
    if (window)
        return gdk_window_create_similar_surface(window, CAIRO_CONTENT_COLOR, size.x, size.y);
    return cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.x, size.y);
}
} // namespace

CWxServerPicture::~CWxServerPicture() {
    Drop();
}

void CWxServerPicture::Drop() {
    for (cairo_surface_t** surface : {&m_pSurface, &m_pSpare})
        if (*surface) {
            cairo_surface_destroy(*surface);
            *surface = nullptr;
        }
    m_size = wxSize();
}

bool CWxServerPicture::Prepare(wxWindow* window, wxSize size) {
    if (m_pSurface && size == m_size) return false;
    Drop();
    GdkWindow* gdk = window ? window->GTKGetDrawingWindow() : nullptr;
    m_pSurface = MakeSurface(gdk, size);
    m_pSpare = MakeSurface(gdk, size);
    m_size = size;
    return true;
}

void CWxServerPicture::Copy(cairo_surface_t* from, cairo_surface_t* to, const wxRegion& region) {
    if (!from || !to) return;
    cairo_surface_flush(from);
    cairo_t* cr = cairo_create(to);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, from, 0, 0);
    // Piece by piece: the bounding box of a scattered region would move pixels for nothing.
    for (wxRegionIterator it(region); it; ++it) {
        wxRect r = it.GetRect();
        cairo_rectangle(cr, r.x, r.y, r.width, r.height);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
}

void CWxServerPicture::Fetch(wxDC& imageDC, const wxRegion& region) {
    Copy(m_pSurface, TargetOf(imageDC), region);
}

void CWxServerPicture::Send(wxDC& imageDC, const wxRegion& region) {
    Copy(TargetOf(imageDC), m_pSurface, region);
}

void CWxServerPicture::Scroll(int dx, int dy, COLORREF background) {
    if (!m_pSurface) return;
    constexpr double kFull = 255.0;
    cairo_t* cr = cairo_create(m_pSpare);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgb(cr, GetRValue(background) / kFull, GetGValue(background) / kFull,
                         GetBValue(background) / kFull);
    cairo_paint(cr);
    // The picture is opaque: drawn over, it replaces what it covers.
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source_surface(cr, m_pSurface, dx, dy);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::swap(m_pSurface, m_pSpare);
}

void CWxServerPicture::Paint(wxDC& windowDC) {
    auto* cr = static_cast<cairo_t*>(windowDC.GetHandle());
    if (!m_pSurface || !cr) return;
    cairo_save(cr);
    cairo_set_source_surface(cr, m_pSurface, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}
