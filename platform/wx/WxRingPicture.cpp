#include "platform/wx/WxRingPicture.h"

#include <algorithm>

#include <cairo.h>
#include <gtk/gtk.h>
#include <wx/window.h>

namespace {
// An image of size in the X server's shared memory where display offers it: drawn there, the
// pixels reach display without a staging buffer of their own. Else a plain image.
cairo_surface_t* ImageBeside(cairo_surface_t* display, wxSize size) {
    if (display) {
        cairo_surface_t* shared =
            cairo_surface_create_similar_image(display, CAIRO_FORMAT_RGB24, size.x, size.y);
        if (cairo_surface_status(shared) == CAIRO_STATUS_SUCCESS) return shared;
        cairo_surface_destroy(shared);
    }
    return cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.x, size.y);
}

void AddRect(cairo_t* cr, const wxRect& r) {
    cairo_rectangle(cr, r.x, r.y, r.width, r.height);
}
} // namespace

CWxRingPicture::CWxRingPicture() = default;

CWxRingPicture::~CWxRingPicture() {
    Drop();
}

void CWxRingPicture::Drop() {
    m_pDC.reset();
    for (cairo_surface_t* surface : {m_pImage, m_pDisplayCopy})
        if (surface) cairo_surface_destroy(surface);
    m_pImage = m_pDisplayCopy = nullptr;
}

cairo_surface_t* CWxRingPicture::Image() const {
    return m_pImage;
}

bool CWxRingPicture::Prepare(wxWindow* window, wxSize size) {
    if (m_pDC && size == m_size) return false;
    Drop();
    GdkWindow* gdk = window ? window->GTKGetDrawingWindow() : nullptr;
    if (gdk)
        m_pDisplayCopy =
            gdk_window_create_similar_surface(gdk, CAIRO_CONTENT_COLOR, size.x, size.y);
    m_pImage = ImageBeside(m_pDisplayCopy, size);
    m_pDC = std::make_unique<CWxSurfaceDC>(m_pImage);
    m_size = size;
    m_nOrigin = 0;
    return true;
}

void CWxRingPicture::SetDrawingShift(int shift) {
    m_pDC->SetDeviceOrigin(0, shift);
}

template <typename F> void CWxRingPicture::ForPieces(const wxRect& rect, F f) const {
    int height = m_size.y;
    if (height <= 0 || rect.IsEmpty()) return;
    int row = ((rect.y + m_nOrigin) % height + height) % height;
    int first = std::min(rect.height, height - row); // rows before the ring wraps
    f(wxRect(rect.x, rect.y, rect.width, first), row);
    if (first < rect.height) f(wxRect(rect.x, rect.y + first, rect.width, rect.height - first), 0);
}

void CWxRingPicture::DrawMoved(cairo_t* cr, cairo_surface_t* ring, int dx, int dy) const {
    cairo_surface_flush(ring);
    ForPieces(Rect(), [&](const wxRect& piece, int row) {
        cairo_set_source_surface(cr, ring, dx, piece.y - row + dy);
        AddRect(cr, wxRect(piece.x + dx, piece.y + dy, piece.width, piece.height));
        cairo_fill(cr);
    });
}

void CWxRingPicture::Fill(cairo_surface_t* ring, const wxRegion& region, COLORREF colour) {
    constexpr double kFull = 255.0;
    cairo_t* cr = cairo_create(ring);
    cairo_set_source_rgb(cr, GetRValue(colour) / kFull, GetGValue(colour) / kFull,
                         GetBValue(colour) / kFull);
    for (wxRegionIterator it(region); it; ++it)
        ForPieces(it.GetRect(), [&](const wxRect& piece, int row) {
            AddRect(cr, wxRect(piece.x, row, piece.width, piece.height));
        });
    cairo_fill(cr);
    cairo_destroy(cr);
}

void CWxRingPicture::Publish(const wxRegion& region) {
    cairo_surface_t* image = Image();
    if (!m_pDisplayCopy || !image) return;
    cairo_surface_flush(image);
    cairo_t* cr = cairo_create(m_pDisplayCopy);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, image, 0, 0);
    // Piece by piece: the bounding box of a scattered region would send pixels for nothing.
    for (wxRegionIterator it(region); it; ++it)
        ForPieces(it.GetRect(), [&](const wxRect& piece, int row) {
            AddRect(cr, wxRect(piece.x, row, piece.width, piece.height));
            cairo_fill(cr);
        });
    cairo_destroy(cr);
}

void CWxRingPicture::MoveThroughCopy(cairo_surface_t* ring, int dx, int dy) {
    cairo_surface_t* copy =
        cairo_surface_create_similar(ring, CAIRO_CONTENT_COLOR, m_size.x, m_size.y);
    cairo_t* cr = cairo_create(copy);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    DrawMoved(cr, ring, dx, dy);
    cairo_destroy(cr);
    cr = cairo_create(ring);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, copy, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(copy);
}

void CWxRingPicture::Scroll(int dx, int dy, COLORREF background) {
    cairo_surface_t* image = Image();
    if (!image || m_size.y <= 0) return;
    wxRect all = Rect();
    wxRect moved = all;
    moved.Offset(dx, dy);
    moved.Intersect(all);
    if (dx == 0) {
        // The rows stay where they are; the window's first row is found elsewhere.
        m_nOrigin = ((m_nOrigin - dy) % m_size.y + m_size.y) % m_size.y;
    } else {
        for (cairo_surface_t* ring : {image, m_pDisplayCopy})
            if (ring) MoveThroughCopy(ring, dx, dy);
        m_nOrigin = 0;
    }
    wxRegion uncovered(all);
    uncovered.Subtract(moved);
    for (cairo_surface_t* ring : {image, m_pDisplayCopy})
        if (ring) Fill(ring, uncovered, background);
}

void CWxRingPicture::Paint(cairo_t* cr) {
    cairo_surface_t* ring = m_pDisplayCopy ? m_pDisplayCopy : Image();
    if (!ring || !cr) return;
    cairo_save(cr);
    DrawMoved(cr, ring, 0, 0);
    cairo_restore(cr);
}
