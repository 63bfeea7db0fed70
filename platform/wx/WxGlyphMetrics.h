#pragma once
#include <string>
#include <unordered_map>

#include <wx/font.h>

#include "platform/framework/Font.h"

class wxDC;

// A font as the backend realises it for one kind of DC, with its cell grid and the advance of
// each glyph drawn in it, measured once and kept for every later paint.
class CWxGlyphMetrics {
public:
    struct Cells {
        int width = 0, height = 0, ascent = 0;
        bool bRunsExact = true; // a run of glyphs that fit their cells keeps the grid
    };

    // The metrics of lf at pixelsPerUnit on dc's kind of device; selects the font into dc.
    static CWxGlyphMetrics& Select(wxDC& dc, const CLogFont& lf, double pixelsPerUnit,
                                   bool bPrinting);

    const Cells& GetCells() const { return m_cells; }
    // In device pixels; dc must have this font selected.
    int Advance(wxDC& dc, char16_t unit);

private:
    CWxGlyphMetrics(wxDC& dc, wxFont font);
    static std::string Key(const wxDC& dc, const CLogFont& lf, double pixelsPerUnit,
                           bool bPrinting);

    wxFont m_font;
    Cells m_cells;
    std::unordered_map<char16_t, int> m_advances;
};
