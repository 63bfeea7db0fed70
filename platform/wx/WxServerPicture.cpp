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

void AddRect(cairo_t* cr, const wxRect& r) {
    cairo_rectangle(cr, r.x, r.y, r.width, r.height);
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
    m_nOrigin = 0;
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

template <typename F> void CWxServerPicture::ForPieces(const wxRect& rect, F f) const {
    int height = m_size.y;
    if (height <= 0 || rect.IsEmpty()) return;
    int row = (rect.y + m_nOrigin) % height;
    int first = std::min(rect.height, height - row); // rows before the ring wraps
    f(wxRect(rect.x, rect.y, rect.width, first), row);
    if (first < rect.height)
        f(wxRect(rect.x, rect.y + first, rect.width, rect.height - first), 0);
}

void CWxServerPicture::Copy(cairo_surface_t* image, const wxRegion& region,
                            Direction direction) {
    if (!image || !m_pSurface) return;
    cairo_surface_t* from = direction == ToPicture ? image : m_pSurface;
    cairo_surface_flush(from);
    cairo_t* cr = cairo_create(direction == ToPicture ? m_pSurface : image);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    // Piece by piece: the bounding box of a scattered region would move pixels for nothing.
    for (wxRegionIterator it(region); it; ++it)
        ForPieces(it.GetRect(), [&](const wxRect& piece, int row) {
            if (direction == ToPicture) {
                cairo_set_source_surface(cr, image, 0, row - piece.y);
                AddRect(cr, wxRect(piece.x, row, piece.width, piece.height));
            } else {
                cairo_set_source_surface(cr, m_pSurface, 0, piece.y - row);
                AddRect(cr, piece);
            }
            cairo_fill(cr);
        });
    cairo_destroy(cr);
}

void CWxServerPicture::Fetch(wxDC& imageDC, const wxRegion& region) {
    Copy(TargetOf(imageDC), region, FromPicture);
}

void CWxServerPicture::Send(wxDC& imageDC, const wxRegion& region) {
    Copy(TargetOf(imageDC), region, ToPicture);
}

void CWxServerPicture::DrawMoved(cairo_t* cr, int dx, int dy) const {
    ForPieces(Rect(), [&](const wxRect& piece, int row) {
        cairo_set_source_surface(cr, m_pSurface, dx, piece.y - row + dy);
        AddRect(cr, wxRect(piece.x + dx, piece.y + dy, piece.width, piece.height));
        cairo_fill(cr);
    });
}

void CWxServerPicture::Fill(const wxRegion& region, COLORREF colour) {
    constexpr double kFull = 255.0;
    cairo_t* cr = cairo_create(m_pSurface);
    cairo_set_source_rgb(cr, GetRValue(colour) / kFull, GetGValue(colour) / kFull,
                         GetBValue(colour) / kFull);
    for (wxRegionIterator it(region); it; ++it)
        ForPieces(it.GetRect(), [&](const wxRect& piece, int row) {
            AddRect(cr, wxRect(piece.x, row, piece.width, piece.height));
        });
    cairo_fill(cr);
    cairo_destroy(cr);
}

void CWxServerPicture::Scroll(int dx, int dy, COLORREF background) {
    if (!m_pSurface || m_size.y <= 0) return;
    wxRect all = Rect();
    wxRect moved = all;
    moved.Offset(dx, dy);
    moved.Intersect(all);
    if (dx == 0) {
        // The rows stay where they are; the window's first row is found elsewhere.
        m_nOrigin = ((m_nOrigin - dy) % m_size.y + m_size.y) % m_size.y;
    } else {
        cairo_t* cr = cairo_create(m_pSpare);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        DrawMoved(cr, dx, dy);
        cairo_destroy(cr);
        std::swap(m_pSurface, m_pSpare);
        m_nOrigin = 0;
    }
    wxRegion uncovered(all);
    uncovered.Subtract(moved);
    Fill(uncovered, background);
}

void CWxServerPicture::Paint(wxDC& windowDC) {
    auto* cr = static_cast<cairo_t*>(windowDC.GetHandle());
    if (!m_pSurface || !cr) return;
    cairo_save(cr);
    DrawMoved(cr, 0, 0);
    cairo_restore(cr);
}
