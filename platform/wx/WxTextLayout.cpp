#include "platform/wx/WxTextLayout.h"

#include <gdk/gdk.h>
#include <pango/pangocairo.h>
#include <wx/fontutil.h>
#include <wx/graphics.h>

namespace {
constexpr double kDefaultResolution = 96.0;
constexpr double kColourMax = 255.0;

// The desktop's text scaling, which wx's cairo context applies to every font it draws.
float FontScaling() {
    static const float scaling = [] {
        GdkScreen* screen = gdk_screen_get_default();
        double resolution = screen ? gdk_screen_get_resolution(screen) : 0;
        return resolution > 0 ? float(resolution / kDefaultResolution) : 1.0f;
    }();
    return scaling;
}
} // namespace

CWxTextLayout::~CWxTextLayout() {
    Attach(nullptr);
}

void CWxTextLayout::Attach(cairo_t* cr) {
    if (m_pLayout) g_object_unref(m_pLayout);
    if (m_pContext) cairo_destroy(m_pContext);
    m_pLayout = nullptr;
    m_pContext = cr;
    m_bFontSet = false;
    if (!cr) return;
    cairo_reference(cr);
    m_pLayout = pango_cairo_create_layout(cr);
}

void CWxTextLayout::ApplyFont(const wxFont& font) {
    float scaling = FontScaling();
    wxFont scaled = scaling == 1.0f ? font : font.Scaled(scaling);
    pango_layout_set_font_description(m_pLayout, scaled.GetNativeFontInfo()->description);
    pango_layout_set_attributes(m_pLayout, nullptr);
    font.GTKSetPangoAttrs(m_pLayout); // underline and strike-through
    m_bFontSet = true;
}

bool CWxTextLayout::Draw(wxDC& dc, const wxString& text, wxCoord x, wxCoord y) {
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    auto* cr = gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
    const wxFont& font = dc.GetFont();
    if (!cr || !font.IsOk() || dc.GetLogicalFunction() != wxCOPY) return false;
    if (cr != m_pContext)
        Attach(cr);
    else
        pango_cairo_update_layout(cr, m_pLayout); // the context's matrix may have moved
    if (!m_bFontSet) ApplyFont(font);
    wxColour c = dc.GetTextForeground();
    cairo_set_source_rgba(cr, c.Red() / kColourMax, c.Green() / kColourMax, c.Blue() / kColourMax,
                          c.Alpha() / kColourMax);
    const wxScopedCharBuffer utf8 = text.utf8_str();
    pango_layout_set_text(m_pLayout, utf8.data(), static_cast<int>(utf8.length()));
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, m_pLayout);
    return true;
}
