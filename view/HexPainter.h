#pragma once
#include <cstdint>
#include <vector>

#include "platform/base/Types.h"

class CBinData;
class CDC;
class CKolvaView;

// Paints the hex view's rows: plain rows in one output, selected rows in highlighted pieces,
// then marks and the registered range combined over the text. It keeps the colours it paints
// with.
class CHexPainter {
public:
    explicit CHexPainter(CKolvaView& view) : m_view(view) {}

    void Draw(CDC* pDC);
    // The rows r1 to r2 (either order) across the full row width.
    void InvalidateRows(int r1, int r2, bool bErase);

private:
    void DrawPlainRow(CDC* pDC, CBinData* pData, int row);
    void DrawSelectedRow(CDC* pDC, CBinData* pData, int row);
    // Text from column: its characters [from, to) in the highlight colours, the rest plain.
    void DrawWithHighlight(CDC* pDC, int column, int y, const char* text, int from, int to);
    // Spans whose rows count from firstRow.
    void DrawSpans(CDC* pDC, const std::vector<uint32_t>* pSpans, int firstRow, COLORREF brush,
                   uint32_t rop);
    // Marks and the registered range on the rows first to last.
    void DrawOverlays(CDC* pDC, CBinData* pData, int first, int last);
    // Narrows the rows first to last to those that meet the paint's clip box.
    void ClipRows(CDC* pDC, int& first, int& last) const;

    CKolvaView& m_view;
    // Read from the system at every paint with a selection, so that a change of the system's
    // colours shows at the next one.
    COLORREF m_clrHighlight = 0;
    COLORREF m_clrHighlightText = 0;
    COLORREF m_clrWindow = 0;
    COLORREF m_clrWindowText = 0;
    COLORREF m_brushRange = RGB(255, 0, 0);
    COLORREF m_brushMark = RGB(0, 255, 0);
};
