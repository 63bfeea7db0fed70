#pragma once
#include <memory>

#include <wx/dc.h>
#include <wx/region.h>
#include <wx/string.h>

#include "platform/framework/DC.h"
#include "platform/wx/WxGlyphMetrics.h"
#include "platform/wx/WxRasterOp.h"
#include "platform/wx/WxTextLayout.h"

// A device context on a wx DC. Text is code page 932 drawn on an exact cell grid: one byte
// per cell of the font's half-width advance, a double-byte character across two cells, an
// undecodable byte (or a character no font has) as a dot in its cell. Characters whose
// advance is exactly their cells are drawn together, a run in one call; the others alone.
class CWxDC : public CDC {
public:
    explicit CWxDC(wxDC& dc, bool bPrinting = false);
    // Owns dc (a client DC for measuring).
    explicit CWxDC(std::unique_ptr<wxDC> dc);

    CFont* SelectObject(CFont* pFont) override;
    bool GetTextMetrics(TEXTMETRIC& tm) override;
    void TextOut(int x, int y, const char* text, int n) override;
    void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                    int n) override;
    void FillSolidRect(const CRect& rect, COLORREF color) override;
    void PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) override;
    int SetMapMode(int mode) override;
    bool IsPrinting() const override { return m_bPrinting; }
    CRect GetPrintableRect() override;
    // The page's resolution where the context's own is not the page's (a preview's bitmap).
    void SetDevicePPI(double x, double y) { m_devicePPI = wxRealPoint(x, y); }
    // A device that draws every font this many times as large as asked gets them asked that
    // much smaller, so that cells keep the size the program gives them.
    void SetFontEnlargement(double factor) {
        m_fontEnlargement = factor;
        m_bRealized = false;
    }
    bool GetClipBox(CRect& rect) const override;

    // The region the wx DC is clipped to, in device pixels (screen paints only).
    void SetClipRegion(const wxRegion& region);

private:
    // A rectangle in logical units as device pixels.
    wxRect ToDevice(const CRect& rect) const;
    // How a character of the text is drawn: nothing, as a glyph, or as a dot per byte.
    enum CellKind { Blank, Glyph, Dots };
    static CellKind Classify(unsigned char first, int used, char16_t unit);
    // Whether the glyph advances exactly the cells it stands for, so a run keeps the grid.
    bool FitsCells(char16_t unit, int cells);
    // The selected font's cell grid, in device pixels.
    const CWxGlyphMetrics::Cells& CellMetrics();
    void Realize();
    wxPoint ToDevice(int x, int y) const;
    int ToLogical(int pixels, bool bVertical) const;
    void FillDevice(const wxRect& rect, COLORREF color);
    // A raster operation on the pixels of rect within the clip region; false when the pixels
    // cannot be reached.
    bool ApplyClipped(const wxRect& rect, COLORREF brush, CWxRasterOp::Op op);
    // The cells first to end (exclusive) of the text's n bytes.
    void DrawText(wxPoint origin, const unsigned char* p, int n, int first, int end);
    void DrawCells(wxPoint origin, const unsigned char* p, int n, int first, int end);
    void FlushRun(wxPoint origin);
    // A glyph that does not fit its cells: centred on them and cut at their edges.
    void DrawAlone(wxPoint origin, int cell, int cells, char16_t unit);
    void DrawDot(wxPoint origin, int cell);
    // Text at a device point in the DC's font and text colour.
    void DrawString(const wxString& text, int x, int y);

    std::unique_ptr<wxDC> m_pOwned;
    wxDC& m_dc;
    bool m_bPrinting;
    bool m_bRealized = false;
    CWxGlyphMetrics* m_pMetrics = nullptr;
    double m_scaleX = 1.0, m_scaleY = 1.0; // device pixels per logical unit
    wxRealPoint m_devicePPI;               // 0: the context's own
    double m_fontEnlargement = 1.0;
    CWxTextLayout m_layout;
    wxString m_run; // the glyphs being drawn, reused so drawing does not allocate per cell
    int m_nRunCell = 0;
    bool m_bClipped = false;
    wxRegion m_clip;
};
