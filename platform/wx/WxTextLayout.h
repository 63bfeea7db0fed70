#pragma once
#include <wx/dc.h>

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

// Draws text as wx's cairo context does, through one Pango layout kept for a DC's whole paint.
// wx lays a text out twice (it measures what it has drawn) and makes a new layout each time;
// a row of the view is several texts.
class CWxTextLayout {
public:
    CWxTextLayout() = default;
    ~CWxTextLayout();
    CWxTextLayout(const CWxTextLayout&) = delete;
    CWxTextLayout& operator=(const CWxTextLayout&) = delete;

    // Draws text with its top left at (x, y) in dc's font and text colour; false where dc has
    // no cairo context (a printer), leaving the text to dc.DrawText.
    bool Draw(wxDC& dc, const wxString& text, wxCoord x, wxCoord y);
    // The DC has another font: the next Draw takes it.
    void FontChanged() { m_bFontSet = false; }

private:
    void Attach(cairo_t* cr);
    void ApplyFont(const wxFont& font);

    cairo_t* m_pContext = nullptr; // referenced while the layout is made for it
    PangoLayout* m_pLayout = nullptr;
    bool m_bFontSet = false;
};
