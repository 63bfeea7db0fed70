#include "platform/wx/WxFontMapper.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include <pango/pangocairo.h>
#include <wx/fontenum.h>

namespace {
// In order of preference; the last is a fontconfig alias that always resolves.
const char* const kMonospaceFaces[] = {
    "Noto Sans Mono CJK JP",
    "Source Han Code JP",
    "Noto Sans Mono CJK SC",
    "VL Gothic",
    "IPAGothic",
    "Takao Gothic",
    "DejaVu Sans Mono",
    "Monospace",
};

bool IsInstalled(const std::string& face) {
    return wxFontEnumerator::IsValidFacename(wxString::FromUTF8(face));
}

// The em size of a face whose cell (ascent and descent) is one unit high.
double EmPerCell(const std::string& family) {
    static std::map<std::string, double> known;
    auto it = known.find(family);
    if (it != known.end()) return it->second;
    constexpr int kProbeSize = 100;
    PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family.c_str());
    pango_font_description_set_absolute_size(desc, kProbeSize * PANGO_SCALE);
    PangoFontMetrics* metrics = pango_context_get_metrics(context, desc, nullptr);
    double cell =
        double(pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics)) /
        PANGO_SCALE;
    pango_font_metrics_unref(metrics);
    pango_font_description_free(desc);
    g_object_unref(context);
    double ratio = cell > 0 ? kProbeSize / cell : 1.0;
    known.emplace(family, ratio);
    return ratio;
}
} // namespace

const std::string& CWxFontMapper::BestMonospaceFace() {
    static const std::string best = [] {
        for (const char* face : kMonospaceFaces)
            if (IsInstalled(face)) return std::string(face);
        return std::string("Monospace");
    }();
    return best;
}

std::string CWxFontMapper::ResolveFace(const std::string& face) {
    if (face.empty() || face == "FixedSys" || face == "Terminal" || !IsInstalled(face))
        return BestMonospaceFace();
    return face;
}

wxFont CWxFontMapper::Realize(const CLogFont& lf, double pixelsPerUnit) {
    // Views select their font on every paint.
    static std::map<std::tuple<std::string, int, int, bool, double>, wxFont> cache;
    auto key =
        std::make_tuple(lf.m_strFaceName, lf.m_nHeight, lf.m_nWeight, lf.m_bItalic, pixelsPerUnit);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, Create(lf, pixelsPerUnit)).first;
    return it->second;
}

wxFont CWxFontMapper::Create(const CLogFont& lf, double pixelsPerUnit) {
    // Pango takes an absolute size in pixels; wx's own pixel sizes round to whole points.
    std::string family = ResolveFace(lf.m_strFaceName);
    double pixels = std::abs(lf.m_nHeight) * pixelsPerUnit;
    // A positive height is the whole cell, as the printer font gives it; a negative one the
    // character itself.
    if (lf.m_nHeight > 0) pixels *= EmPerCell(family);
    if (pixels < 1) pixels = 1;
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family.c_str());
    pango_font_description_set_absolute_size(desc, pixels * PANGO_SCALE);
    pango_font_description_set_weight(
        desc, static_cast<PangoWeight>(lf.m_nWeight > 0 ? lf.m_nWeight : 400));
    pango_font_description_set_style(desc, lf.m_bItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    char* text = pango_font_description_to_string(desc);
    wxFont font;
    font.SetNativeFontInfo(wxString::FromUTF8(text));
    g_free(text);
    pango_font_description_free(desc);
    return font;
}
