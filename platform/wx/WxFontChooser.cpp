#include "platform/wx/WxFontChooser.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include <gtk/gtk.h>
#include <pango/pangocairo.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

#include "platform/wx/WxFontMapper.h"
#include "platform/wx/WxWindowPeer.h"

namespace {
constexpr double kPointsPerInch = 72.0;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

// Pango counts only fonts that declare themselves monospace; the Japanese monospace faces do
// not, so a family also counts when narrow and wide letters advance alike.
class FixedPitchTest {
public:
    FixedPitchTest()
        : m_pContext(pango_font_map_create_context(pango_cairo_font_map_get_default())) {}
    ~FixedPitchTest() { g_object_unref(m_pContext); }

    bool operator()(PangoFontFamily* family) {
        if (pango_font_family_is_monospace(family)) return true;
        std::string name = pango_font_family_get_name(family);
        auto it = m_known.find(name);
        if (it == m_known.end()) it = m_known.emplace(name, AdvancesAlike(name)).first;
        return it->second;
    }

private:
    bool AdvancesAlike(const std::string& family) {
        PangoFontDescription* desc = pango_font_description_new();
        pango_font_description_set_family(desc, family.c_str());
        pango_font_description_set_size(desc, kProbePoints * PANGO_SCALE);
        PangoLayout* layout = pango_layout_new(m_pContext);
        pango_layout_set_font_description(layout, desc);
        int narrow = Width(layout, "iiiiiiii");
        bool alike = narrow > 0 && narrow == Width(layout, "MMMMMMMM") &&
                     narrow == Width(layout, "00000000");
        g_object_unref(layout);
        pango_font_description_free(desc);
        return alike;
    }
    static int Width(PangoLayout* layout, const char* text) {
        pango_layout_set_text(layout, text, -1);
        int width = 0;
        pango_layout_get_size(layout, &width, nullptr);
        return width;
    }

    static constexpr int kProbePoints = 12;
    PangoContext* m_pContext;
    std::map<std::string, bool> m_known;
};

gboolean FixedPitchOnly(const PangoFontFamily* family, const PangoFontFace*, gpointer data) {
    return (*static_cast<FixedPitchTest*>(data))(const_cast<PangoFontFamily*>(family));
}

// The chooser's own size entry and slider stop at the largest size as well.
void LimitSizeControls(GtkWidget* widget, gpointer maxPoints) {
    double largest = *static_cast<const int*>(maxPoints);
    if (GTK_IS_SPIN_BUTTON(widget))
        gtk_spin_button_set_range(GTK_SPIN_BUTTON(widget), 1, largest);
    else if (GTK_IS_SCALE(widget))
        gtk_range_set_range(GTK_RANGE(widget), 1, largest);
    else if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(GTK_CONTAINER(widget), LimitSizeControls, maxPoints);
}

GtkWindow* OwnerWindow() {
    wxWindow* owner = CWxWindowPeer::DialogOwner(nullptr);
    return owner ? GTK_WINDOW(owner->GetHandle()) : nullptr;
}

void FromDescription(const PangoFontDescription* desc, int maxPoints, double unitsPerPoint,
                     CLogFont& lf) {
    if (const char* family = pango_font_description_get_family(desc)) lf.m_strFaceName = family;
    double points = pango_font_description_get_size(desc) / double(PANGO_SCALE);
    if (pango_font_description_get_size_is_absolute(desc))
        points /= CWxFontChooser::PixelsPerPoint();
    // The chooser has no upper limit of its own.
    points = std::clamp(points, 1.0, double(maxPoints));
    lf.m_nHeight = -static_cast<int>(std::lround(points * unitsPerPoint));
    lf.m_nWeight =
        pango_font_description_get_weight(desc) >= PANGO_WEIGHT_BOLD ? kBoldWeight : kNormalWeight;
    lf.m_bItalic = pango_font_description_get_style(desc) != PANGO_STYLE_NORMAL;
}
} // namespace

double CWxFontChooser::PixelsPerPoint() {
    wxSize ppi = wxGetDisplayPPI();
    return (ppi.y > 0 ? ppi.y : 96) / kPointsPerInch;
}

bool CWxFontChooser::Run(CLogFont& lf, int maxPoints, double unitsPerPoint) {
    if (unitsPerPoint <= 0) unitsPerPoint = PixelsPerPoint();
    GtkWidget* dialog = gtk_font_chooser_dialog_new("フォント", OwnerWindow());
    GtkFontChooser* chooser = GTK_FONT_CHOOSER(dialog);
    FixedPitchTest fixedPitch;
    gtk_font_chooser_set_filter_func(chooser, FixedPitchOnly, &fixedPitch, nullptr);
    PangoFontDescription* start = pango_font_description_new();
    pango_font_description_set_family(start, CWxFontMapper::ResolveFace(lf.m_strFaceName).c_str());
    double points = std::min<double>(std::abs(lf.m_nHeight) / unitsPerPoint, maxPoints);
    pango_font_description_set_size(start, static_cast<int>(points * PANGO_SCALE));
    pango_font_description_set_weight(start, static_cast<PangoWeight>(lf.m_nWeight));
    pango_font_description_set_style(start, lf.m_bItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    gtk_font_chooser_set_font_desc(chooser, start);
    LimitSizeControls(dialog, &maxPoints);
    pango_font_description_free(start);
    bool chosen = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (chosen) {
        PangoFontDescription* desc = gtk_font_chooser_get_font_desc(chooser);
        chosen = desc != nullptr;
        if (desc) {
            FromDescription(desc, maxPoints, unitsPerPoint, lf);
            pango_font_description_free(desc);
        }
    }
    gtk_widget_destroy(dialog);
    return chosen;
}
