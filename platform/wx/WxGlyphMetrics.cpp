#include "platform/wx/WxGlyphMetrics.h"

#include <algorithm>
#include <map>
#include <memory>

#include <wx/dc.h>

#include "platform/wx/WxFontMapper.h"

namespace {
// Half-width characters of several kinds: a font may fit each glyph to its cell and still
// kern pairs, so runs are drawn only when this one comes out exactly one cell a glyph.
const wchar_t kRunSample[] = L"0123456789ABCDEFWMabcdefijl-_|.\uFF71\uFF72\uFF73\uFF9D\uFF9E";
} // namespace

CWxGlyphMetrics::CWxGlyphMetrics(wxDC& dc, wxFont font) : m_font(std::move(font)) {
    dc.SetFont(m_font);
    wxFontMetrics fm = dc.GetFontMetrics();
    m_cells.height = fm.height;
    m_cells.ascent = fm.ascent;
    m_cells.width = std::max(dc.GetTextExtent("0").x, 1);
    m_cells.baseline = GlyphOf(dc, '0').ascent;
    wxString sample(kRunSample);
    m_cells.bRunsExact =
        dc.GetTextExtent(sample).x == m_cells.width * static_cast<int>(sample.length());
}

std::string CWxGlyphMetrics::Key(const wxDC& dc, const CLogFont& lf, double pixelsPerUnit,
                                 bool bPrinting) {
    wxSize ppi = dc.GetPPI();
    return lf.m_strFaceName + '|' + std::to_string(lf.m_nHeight) + '|' +
           std::to_string(lf.m_nWeight) + '|' + std::to_string(lf.m_nCharSet) + '|' +
           std::to_string(lf.m_bItalic) + std::to_string(lf.m_bUnderline) +
           std::to_string(lf.m_bStrikeOut) + std::to_string(lf.m_bFixedPitch) + '|' +
           std::to_string(pixelsPerUnit) + '|' + std::to_string(bPrinting) + '|' +
           std::to_string(ppi.x) + 'x' + std::to_string(ppi.y);
}

CWxGlyphMetrics& CWxGlyphMetrics::Select(wxDC& dc, const CLogFont& lf, double pixelsPerUnit,
                                         bool bPrinting) {
    // A handful of fonts in a session: the screen font, its earlier choices, the printer's.
    static std::map<std::string, std::unique_ptr<CWxGlyphMetrics>> known;
    std::unique_ptr<CWxGlyphMetrics>& entry = known[Key(dc, lf, pixelsPerUnit, bPrinting)];
    if (!entry)
        entry.reset(new CWxGlyphMetrics(dc, CWxFontMapper::Realize(lf, pixelsPerUnit)));
    else
        dc.SetFont(entry->m_font);
    return *entry;
}

const CWxGlyphMetrics::Glyph& CWxGlyphMetrics::GlyphOf(wxDC& dc, char16_t unit) {
    auto it = m_glyphs.find(unit);
    if (it != m_glyphs.end()) return it->second;
    wxCoord w = 0, h = 0, descent = 0;
    dc.GetTextExtent(wxString(static_cast<wchar_t>(unit)), &w, &h, &descent);
    return m_glyphs.emplace(unit, Glyph{w, h - descent, h}).first->second;
}
