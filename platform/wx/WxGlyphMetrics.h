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
        // Where the font's own glyphs have their baseline, below the top the toolkit draws
        // text from.
        int baseline = 0;
        bool bRunsExact = true; // a run of glyphs that fit their cells keeps the grid
    };
    // One glyph as the toolkit draws it, possibly from another font that has it.
    struct Glyph {
        int advance = 0, ascent = 0, height = 0;
    };

    // The metrics of lf at pixelsPerUnit on dc's kind of device; selects the font into dc.
    static CWxGlyphMetrics& Select(wxDC& dc, const CLogFont& lf, double pixelsPerUnit,
                                   bool bPrinting);

    const Cells& GetCells() const { return m_cells; }
    // In device pixels; dc must have this font selected.
    const Glyph& GlyphOf(wxDC& dc, char16_t unit);

private:
    CWxGlyphMetrics(wxDC& dc, wxFont font);
    static std::string Key(const wxDC& dc, const CLogFont& lf, double pixelsPerUnit,
                           bool bPrinting);

    wxFont m_font;
    Cells m_cells;
    std::unordered_map<char16_t, Glyph> m_glyphs;
};
