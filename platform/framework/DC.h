#pragma once
#include <string>
#include <utility>

#include "platform/base/Types.h"
#include "platform/framework/Font.h"

// Raster operations of a solid-brush rectangle on the destination.
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t ROP_DPa = 0x00A000C9; // destination AND brush
constexpr uint32_t ROP_DPo = 0x00FA0089; // destination OR brush

constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

constexpr int MM_TEXT = 1;
constexpr int MM_HIMETRIC = 3; // 0.01 mm, y grows upwards

// System colours.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
COLORREF GetSysColor(int index);

// A device context. Text is 8-bit code page 932, one byte per cell of the selected fixed-pitch
// font: a double-byte character covers two cells.
class CDC {
public:
    virtual ~CDC() = default;

    // The font text is drawn in; returns the one it replaces.
    virtual CFont* SelectObject(CFont* pFont) {
        std::swap(pFont, m_pFont);
        return pFont;
    }
    virtual bool GetTextMetrics(TEXTMETRIC& tm) = 0;
    // The colours of text and of the cells behind it; each returns the one it replaces.
    COLORREF SetTextColor(COLORREF color) {
        std::swap(color, m_text);
        return color;
    }
    COLORREF SetBkColor(COLORREF color) {
        std::swap(color, m_back);
        return color;
    }
    virtual void TextOut(int x, int y, const char* text, int n) = 0;
    // Fills rect with the background colour when ETO_OPAQUE is given, then draws the text.
    virtual void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                            int n) = 0;
    virtual void FillSolidRect(const CRect& rect, COLORREF color) = 0;
    // Combines the rectangle's pixels with a solid brush by the raster operation.
    virtual void PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) = 0;
    virtual int SetMapMode(int mode) {
        std::swap(mode, m_nMapMode);
        return mode;
    }
    int GetMapMode() const { return m_nMapMode; }
    virtual bool IsPrinting() const { return false; }
    // The printable area of a printer's page in logical units (y grows upwards in
    // MM_HIMETRIC, so its bottom is negative); empty for other contexts.
    virtual CRect GetPrintableRect() { return CRect(); }
    // Every byte of text takes one cell of the selected fixed-pitch font.
    CSize GetTextExtent(const char* /*text*/, int n) {
        TEXTMETRIC tm;
        GetTextMetrics(tm);
        return CSize(n * (tm.tmAveCharWidth + tm.tmOverhang), tm.tmHeight);
    }
    CSize GetTextExtent(const std::string& s) {
        return GetTextExtent(s.data(), static_cast<int>(s.size()));
    }
    // The bounding box of what this paint must cover, in logical units; false when nothing
    // limits it (a page, a picture drawn whole). Drawing outside it has no effect.
    virtual bool GetClipBox(CRect& /*rect*/) const { return false; }

    void TextOut(int x, int y, const std::string& s) {
        TextOut(x, y, s.data(), static_cast<int>(s.size()));
    }

protected:
    CFont* m_pFont = nullptr;
    int m_nMapMode = MM_TEXT;
    COLORREF m_text = 0;
    COLORREF m_back = RGB(255, 255, 255);
};
