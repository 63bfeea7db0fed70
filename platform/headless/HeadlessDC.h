#pragma once
#include <string>
#include <vector>

#include "platform/framework/DC.h"
#include "platform/headless/CellGrid.h"

// A device context that draws into a cell grid with a fixed 8 x 16 font.
class CHeadlessDC : public CDC {
public:
    static constexpr int kCharWidth = 8;
    static constexpr int kCharHeight = 16;

    explicit CHeadlessDC(CCellGrid* pGrid, bool bPrinting = false)
        : m_pGrid(pGrid), m_bPrinting(bPrinting) {}

    bool GetTextMetrics(TEXTMETRIC& tm) override;
    void TextOut(int x, int y, const char* text, int n) override;
    void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                    int n) override;
    void FillSolidRect(const CRect& rect, COLORREF color) override;
    void PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) override;
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
    bool m_bClipped = false;
    CRect m_clip;
};
