#include "platform/wx/WxSurfaceDC.h"

#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>

namespace {
// The toolkit's DC over a graphics context, with the size a context made from cairo lacks.
class SizedImpl : public wxGCDCImpl {
public:
    SizedImpl(wxDC* owner, wxGraphicsContext* context, wxSize size)
        : wxGCDCImpl(owner, context), m_size(size) {}

protected:
    void DoGetSize(int* width, int* height) const override {
        if (width) *width = m_size.x;
        if (height) *height = m_size.y;
    }

private:
    wxSize m_size;
};

wxGraphicsContext* ContextOn(cairo_surface_t* surface) {
    cairo_t* cr = cairo_create(surface);
    wxGraphicsContext* context =
        wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr);
    cairo_destroy(cr); // the context keeps its own reference
    return context;
}
} // namespace

CWxSurfaceDC::CWxSurfaceDC(cairo_surface_t* surface)
    : wxDC(new SizedImpl(this, ContextOn(surface),
                         wxSize(cairo_image_surface_get_width(surface),
                                cairo_image_surface_get_height(surface)))) {}
