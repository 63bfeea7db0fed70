#include "platform/wx/WxRasterOp.h"

#include <algorithm>
#include <cmath>

#include <cairo.h>
#include <wx/dc.h>

#include "platform/framework/DC.h"

namespace {
constexpr uint32_t kRgbMask = 0x00FFFFFF;

uint32_t RgbOf(COLORREF c) {
    return static_cast<uint32_t>(GetRValue(c)) << 16 | static_cast<uint32_t>(GetGValue(c)) << 8 |
           static_cast<uint32_t>(GetBValue(c));
}

// The rectangle in the surface's pixels, clipped to the surface.
bool SurfaceRect(cairo_t* cr, cairo_surface_t* surface, const wxRect& rect,
                 cairo_rectangle_int_t& out) {
    double x0 = rect.x, y0 = rect.y, x1 = rect.GetRight() + 1, y1 = rect.GetBottom() + 1;
    cairo_user_to_device(cr, &x0, &y0);
    cairo_user_to_device(cr, &x1, &y1);
    double ox = 0, oy = 0;
    cairo_surface_get_device_offset(surface, &ox, &oy);
    int left = static_cast<int>(std::lround(std::min(x0, x1) + ox));
    int top = static_cast<int>(std::lround(std::min(y0, y1) + oy));
    int right = static_cast<int>(std::lround(std::max(x0, x1) + ox));
    int bottom = static_cast<int>(std::lround(std::max(y0, y1) + oy));
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, cairo_image_surface_get_width(surface));
    bottom = std::min(bottom, cairo_image_surface_get_height(surface));
    out = {left, top, right - left, bottom - top};
    return out.width > 0 && out.height > 0;
}

bool IsPixelFormat(cairo_surface_t* surface) {
    if (cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return false;
    cairo_format_t format = cairo_image_surface_get_format(surface);
    return format == CAIRO_FORMAT_RGB24 || format == CAIRO_FORMAT_ARGB32;
}

// The DC's image surface with its pixels up to date, or null.
cairo_surface_t* PixelSurface(wxDC& dc) {
    auto* cr = static_cast<cairo_t*>(dc.GetHandle());
    if (!cr) return nullptr;
    cairo_surface_t* surface = cairo_get_target(cr);
    if (!IsPixelFormat(surface)) return nullptr;
    cairo_surface_flush(surface);
    return surface;
}
} // namespace

bool CWxRasterOp::FromRop(uint32_t rop, Op& op) {
    switch (rop) {
    case ROP_DPa:
        op = And;
        return true;
    case ROP_DPo:
        op = Or;
        return true;
    case PATINVERT:
        op = Xor;
        return true;
    case DSTINVERT:
        op = Invert;
        return true;
    case PATCOPY:
        op = Copy;
        return true;
    default:
        return false;
    }
}

uint32_t CWxRasterOp::Combine(uint32_t pixel, uint32_t brush, Op op) {
    uint32_t rgb = pixel & kRgbMask;
    switch (op) {
    case And:
        rgb &= brush;
        break;
    case Or:
        rgb |= brush;
        break;
    case Xor:
        rgb ^= brush;
        break;
    case Invert:
        rgb ^= kRgbMask;
        break;
    case Copy:
        rgb = brush;
        break;
    }
    return (pixel & ~kRgbMask) | (rgb & kRgbMask);
}

bool CWxRasterOp::Apply(wxDC& dc, const wxRect& rect, COLORREF brush, Op op) {
    cairo_surface_t* surface = PixelSurface(dc);
    if (!surface) return false;
    cairo_rectangle_int_t r;
    if (!SurfaceRect(static_cast<cairo_t*>(dc.GetHandle()), surface, rect, r)) return true;
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    uint32_t rgb = RgbOf(brush);
    for (int y = r.y; y < r.y + r.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = r.x; x < r.x + r.width; ++x)
            row[x] = Combine(row[x], rgb, op);
    }
    cairo_surface_mark_dirty_rectangle(surface, r.x, r.y, r.width, r.height);
    return true;
}

void CWxRasterOp::InvertRect(cairo_t* cr, const wxRect& rect) {
    if (!cr || rect.IsEmpty()) return;
    cairo_save(cr);
    // |white - pixel| is the pixel inverted, channel by channel.
    cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
    cairo_fill(cr);
    cairo_restore(cr);
}
