#pragma once
#include <string>
#include <vector>

#include "platform/framework/DC.h"

// What a window shows, one cell per character of the fixed 8 x 16 pixel font.
struct CCellGrid {
    struct Cell {
        char m_ch = ' ';
        COLORREF m_text = 0;
        COLORREF m_back = RGB(255, 255, 255);
        // The brush colours last combined into the cell by AND and OR rectangles; none is
        // 0xFFFFFFFF.
        COLORREF m_and = 0xFFFFFFFF;
        COLORREF m_or = 0xFFFFFFFF;
    };
    int m_nCols = 0, m_nRows = 0;
    std::vector<Cell> m_cells;

    void Resize(int cols, int rows);
    Cell* At(int col, int row);
    // Moves every cell by cols and rows, as a window's pixels move when it scrolls; the cells
    // uncovered are blank.
    void Shift(int cols, int rows);
    // The characters of a row, as drawn.
    std::string RowText(int row) const;
};

// A device context that draws into a cell grid with a fixed 8 x 16 font.
class CHeadlessDC : public CDC {
public:
    static constexpr int kCharWidth = 8;
    static constexpr int kCharHeight = 16;

    explicit CHeadlessDC(CCellGrid* pGrid, bool bPrinting = false)
        : m_pGrid(pGrid), m_bPrinting(bPrinting) {}

    CFont* SelectObject(CFont* pFont) override;
    bool GetTextMetrics(TEXTMETRIC& tm) override;
    void TextOut(int x, int y, const char* text, int n) override;
    void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                    int n) override;
    void FillSolidRect(const CRect& rect, COLORREF color) override;
    void PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) override;
    int SetMapMode(int mode) override;
    int GetMapMode() const override { return m_nMapMode; }
    bool IsPrinting() const override { return m_bPrinting; }
    bool GetClipBox(CRect& rect) const override;

    // Limits drawing to the cells that meet rect, as a paint of an invalid region is.
    void SetClipBox(const CRect& rect);
    CFont* GetCurrentFont() const { return m_pFont; }
    int m_nTextOutCalls = 0;

private:
    template <typename F> void ForCells(const CRect& rect, F f);
    CCellGrid::Cell* Drawable(int col, int row);

    CCellGrid* m_pGrid;
    bool m_bPrinting;
    CFont* m_pFont = nullptr;
    int m_nMapMode = MM_TEXT;
    bool m_bClipped = false;
    CRect m_clip;
};
