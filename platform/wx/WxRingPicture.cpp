#include "platform/wx/WxRingPicture.h"

#include <algorithm>

#include <cairo.h>
#include <wx/dcmemory.h>

namespace {
cairo_surface_t* TargetOf(wxDC& dc) {
    auto* cr = static_cast<cairo_t*>(dc.GetHandle());
    return cr ? cairo_get_target(cr) : nullptr;
}

void AddRect(cairo_t* cr, const wxRect& r) {
    cairo_rectangle(cr, r.x, r.y, r.width, r.height);
}
} // namespace

CWxRingPicture::CWxRingPicture() = default;

CWxRingPicture::~CWxRingPicture() = default;

bool CWxRingPicture::Prepare(wxSize size) {
    if (m_pDC && size == m_size) return false;
    m_pDC.reset();
    m_bitmap.Create(size, 24);
    m_pDC = std::make_unique<wxMemoryDC>(m_bitmap);
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

void CWxRingPicture::DrawMoved(cairo_t* cr, int dx, int dy) const {
    cairo_surface_t* surface = TargetOf(*m_pDC);
    if (!surface) return;
    cairo_surface_flush(surface);
    ForPieces(Rect(), [&](const wxRect& piece, int row) {
        cairo_set_source_surface(cr, surface, dx, piece.y - row + dy);
        AddRect(cr, wxRect(piece.x + dx, piece.y + dy, piece.width, piece.height));
        cairo_fill(cr);
    });
}

void CWxRingPicture::Fill(const wxRegion& region, COLORREF colour) {
    constexpr double kFull = 255.0;
    cairo_surface_t* surface = TargetOf(*m_pDC);
    if (!surface) return;
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, GetRValue(colour) / kFull, GetGValue(colour) / kFull,
                         GetBValue(colour) / kFull);
    for (wxRegionIterator it(region); it; ++it)
        ForPieces(it.GetRect(), [&](const wxRect& piece, int row) {
            AddRect(cr, wxRect(piece.x, row, piece.width, piece.height));
        });
    cairo_fill(cr);
    cairo_destroy(cr);
}

void CWxRingPicture::Scroll(int dx, int dy, COLORREF background) {
    cairo_surface_t* surface = m_pDC ? TargetOf(*m_pDC) : nullptr;
    if (!surface || m_size.y <= 0) return;
    wxRect all = Rect();
    wxRect moved = all;
    moved.Offset(dx, dy);
    moved.Intersect(all);
    if (dx == 0) {
        // The rows stay where they are; the window's first row is found elsewhere.
        m_nOrigin = ((m_nOrigin - dy) % m_size.y + m_size.y) % m_size.y;
    } else {
        // Sideways the pixels do move: through a copy, back into a ring that starts at 0.
        cairo_surface_t* copy =
            cairo_surface_create_similar_image(surface, CAIRO_FORMAT_RGB24, m_size.x, m_size.y);
        cairo_t* cr = cairo_create(copy);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        DrawMoved(cr, dx, dy);
        cairo_destroy(cr);
        cr = cairo_create(surface);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, copy, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(copy);
        m_nOrigin = 0;
    }
    wxRegion uncovered(all);
    uncovered.Subtract(moved);
    Fill(uncovered, background);
}

void CWxRingPicture::Paint(wxDC& windowDC) {
    auto* cr = static_cast<cairo_t*>(windowDC.GetHandle());
    if (!m_pDC || !cr) return;
    cairo_save(cr);
    DrawMoved(cr, 0, 0);
    cairo_restore(cr);
}
