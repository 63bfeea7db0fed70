#pragma once
#include <memory>

#include <wx/dc.h>
#include <wx/string.h>

#include "platform/framework/DC.h"

// A device context on a wx DC. Text is code page 932 drawn on an exact cell grid: one byte
// per cell of the font's half-width advance, a double-byte character across two cells, an
// undecodable byte (or a character no font has) as a dot in its cell.
class CWxDC : public CDC {
public:
    explicit CWxDC(wxDC& dc, bool bPrinting = false);
    // Owns dc (a client DC for measuring).
    explicit CWxDC(std::unique_ptr<wxDC> dc);

    CFont* SelectObject(CFont* pFont) override;
    bool GetTextMetrics(TEXTMETRIC& tm) override;
    COLORREF SetTextColor(COLORREF color) override;
    COLORREF SetBkColor(COLORREF color) override;
    void TextOut(int x, int y, const char* text, int n) override;
    void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                    int n) override;
    void FillSolidRect(const CRect& rect, COLORREF color) override;
    void PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) override;
    int SetMapMode(int mode) override;
    int GetMapMode() const override { return m_nMapMode; }
    bool IsPrinting() const override { return m_bPrinting; }
    CRect GetPrintableRect() override;
    // The page's resolution where the context's own is not the page's (a preview's bitmap).
    void SetDevicePPI(double x, double y) { m_devicePPI = wxRealPoint(x, y); }

private:
    // A rectangle in logical units as device pixels.
    wxRect ToDevice(const CRect& rect) const;
    // The selected font's cell grid, in device pixels.
    struct Cells {
        int width = 0, height = 0, ascent = 0;
        int wideAdvance = 0;    // advance of a full-width glyph
        bool bRunsExact = true; // a run of half-width glyphs advances exactly one cell each
    };
    // How a character of the text is drawn: nothing, in a run of half-width glyphs, as one
    // full-width glyph, or as a dot per byte.
    enum CellKind { Blank, Half, Wide, Dots };
    static CellKind Classify(unsigned char first, int used, char16_t unit);
    const Cells& CellMetrics();
    void Realize();
    wxPoint ToDevice(int x, int y) const;
    int ToLogical(int pixels, bool bVertical) const;
    void FillDevice(const wxRect& rect, COLORREF color);
    void DrawCells(wxPoint origin, const unsigned char* p, int n);
    void FlushRun(wxPoint origin, int firstCell);
    void DrawWide(wxPoint origin, int cell, char16_t unit);
    void DrawDot(wxPoint origin, int cell);

    std::unique_ptr<wxDC> m_pOwned;
    wxDC& m_dc;
    bool m_bPrinting;
    CFont* m_pFont = nullptr;
    bool m_bRealized = false;
    Cells m_cells;
    COLORREF m_text = 0;
    COLORREF m_back = RGB(255, 255, 255);
    int m_nMapMode = MM_TEXT;
    double m_scaleX = 1.0, m_scaleY = 1.0; // device pixels per logical unit
    wxRealPoint m_devicePPI;               // 0: the context's own
    wxString m_run; // the glyphs being drawn, reused so drawing does not allocate per cell
};
