#include "platform/wx/WxFontChooser.h"

#include <algorithm>
#include <cmath>

#include <gtk/gtk.h>
#include <wx/gdicmn.h>
#include <wx/window.h>

#include "platform/wx/WxFontMapper.h"
#include "platform/wx/WxWindowPeer.h"

namespace {
constexpr double kPointsPerInch = 72.0;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

gboolean MonospaceOnly(const PangoFontFamily* family, const PangoFontFace*, gpointer) {
    return pango_font_family_is_monospace(const_cast<PangoFontFamily*>(family));
}

GtkWindow* OwnerWindow() {
    wxWindow* owner = CWxWindowPeer::DialogOwner(nullptr);
    return owner ? GTK_WINDOW(owner->GetHandle()) : nullptr;
}

void FromDescription(const PangoFontDescription* desc, int maxPoints, CLogFont& lf) {
    if (const char* family = pango_font_description_get_family(desc)) lf.m_strFaceName = family;
    double points = pango_font_description_get_size(desc) / double(PANGO_SCALE);
    if (pango_font_description_get_size_is_absolute(desc))
        points /= CWxFontChooser::PixelsPerPoint();
    // The chooser has no upper limit of its own.
    points = std::clamp(points, 1.0, double(maxPoints));
    lf.m_nHeight = -static_cast<int>(std::lround(points * CWxFontChooser::PixelsPerPoint()));
    lf.m_nWeight =
        pango_font_description_get_weight(desc) >= PANGO_WEIGHT_BOLD ? kBoldWeight : kNormalWeight;
    lf.m_bItalic = pango_font_description_get_style(desc) != PANGO_STYLE_NORMAL;
}
} // namespace

double CWxFontChooser::PixelsPerPoint() {
    wxSize ppi = wxGetDisplayPPI();
    return (ppi.y > 0 ? ppi.y : 96) / kPointsPerInch;
}

bool CWxFontChooser::Run(CLogFont& lf, int maxPoints) {
    GtkWidget* dialog = gtk_font_chooser_dialog_new("フォント", OwnerWindow());
    GtkFontChooser* chooser = GTK_FONT_CHOOSER(dialog);
    gtk_font_chooser_set_filter_func(chooser, MonospaceOnly, nullptr, nullptr);
    PangoFontDescription* start = pango_font_description_new();
    pango_font_description_set_family(start, CWxFontMapper::ResolveFace(lf.m_strFaceName).c_str());
    double points = std::min<double>(std::abs(lf.m_nHeight) / PixelsPerPoint(), maxPoints);
    pango_font_description_set_size(start, static_cast<int>(points * PANGO_SCALE));
    gtk_font_chooser_set_font_desc(chooser, start);
    pango_font_description_free(start);
    bool chosen = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (chosen) {
        PangoFontDescription* desc = gtk_font_chooser_get_font_desc(chooser);
        chosen = desc != nullptr;
        if (desc) {
            FromDescription(desc, maxPoints, lf);
            pango_font_description_free(desc);
        }
    }
    gtk_widget_destroy(dialog);
    return chosen;
}
