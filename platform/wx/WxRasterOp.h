#pragma once
#include <cstdint>

#include <wx/gdicmn.h>

#include "platform/base/Types.h"

class wxDC;
typedef struct _cairo cairo_t;

// Combines the pixels of a rectangle with a solid brush bitwise (AND, OR, XOR, NOT), which
// cairo's operators cannot do: the pixels are changed in the DC's image surface.
class CWxRasterOp {
public:
    CWxRasterOp() = delete;

    enum Op { And, Or, Xor, Invert, Copy };

    // The operation of a raster-operation code; false for codes not supported.
    static bool FromRop(uint32_t rop, Op& op);
    // rect is in the DC's device pixels. False when the DC's pixels cannot be read back.
    static bool Apply(wxDC& dc, const wxRect& rect, COLORREF brush, Op op);
    // Inverts the pixels of rect (device pixels) on any cairo context, the screen's too.
    static void InvertRect(cairo_t* cr, const wxRect& rect);
    // One pixel (0xRRGGBB) combined with a brush (0xRRGGBB).
    static uint32_t Combine(uint32_t pixel, uint32_t brush, Op op);
};
