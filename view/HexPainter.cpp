#include "view/HexPainter.h"

#include <algorithm>
#include <cstring>

#include "engine/BinData.h"
#include "platform/framework/DC.h"
#include "view/KolvaView.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
// The most rows a highlight span can reach from the first row it was asked for.
constexpr int kMaxSpanRows = 255;

int Length(const char* text) {
    return static_cast<int>(std::strlen(text));
}
} // namespace

void CHexPainter::DrawPlainRow(CDC* pDC, CBinData* pData, int row) {
    const char* text = pData->FormatRowText(row, m_view.m_nJCode);
    pDC->TextOut(m_view.ColumnX(0), m_view.RowY(row), text, Length(text));
}

void CHexPainter::DrawSelectedRow(CDC* pDC, CBinData* pData, int row) {
    const char* hex = pData->FormatRow(row);
    if (!hex) {
        DrawPlainRow(pDC, pData, row);
        return;
    }
    const CKolvaView& v = m_view;
    int64_t rowStart = int64_t(row) * kBytesPerRow;
    int d = static_cast<int>(std::max<int64_t>(pData->m_nSelStart, rowStart) % kBytesPerRow);
    int g = static_cast<int>(std::min<int64_t>(pData->m_nSelEnd, rowStart + kBytesPerRow - 1) %
                             kBytesPerRow);
    int y = v.RowY(row);
    const CRowLayout& layout = pData->m_layout;
    int t = layout.HexColumn(d), o = layout.HexColumn(g) + 2;
    DrawWithHighlight(pDC, 0, y, hex, t, o);

    const char* chars = pData->FormatCharArea(row, v.m_nJCode);
    if (!chars) return;
    int start = layout.CharStart(), gap = CRowLayout::kAreaGap;
    DrawWithHighlight(pDC, start, y, chars, gap + d, gap + g + 1);
}

void CHexPainter::DrawWithHighlight(CDC* pDC, int column, int y, const char* text, int from,
                                    int to) {
    const CKolvaView& v = m_view;
    int n = Length(text);
    // Each piece is the whole text cut to its columns, so a double-byte character keeps its
    // pair where the highlight splits it, and the row reads the same selected or not.
    auto piece = [&](int first, int last) {
        CRect cells(v.ColumnX(column + first), y, v.ColumnX(column + last), y + v.m_nRowHeight);
        pDC->ExtTextOut(v.ColumnX(column), y, ETO_CLIPPED | ETO_OPAQUE, &cells, text, n);
    };
    piece(0, from);
    pDC->SetBkColor(m_clrHighlight);
    pDC->SetTextColor(m_clrHighlightText);
    piece(from, to);
    pDC->SetBkColor(m_clrWindow);
    pDC->SetTextColor(m_clrWindowText);
    piece(to, n);
}

void CHexPainter::DrawSpans(CDC* pDC, const std::vector<uint32_t>* pSpans, int firstRow,
                            COLORREF brush, uint32_t rop) {
    if (!pSpans) return;
    const CKolvaView& v = m_view;
    for (uint32_t span : *pSpans) {
        if (span == 0) continue;
        int column = span & 0xFF, width = (span >> 8) & 0xFF;
        int row = firstRow + static_cast<int>((span >> 16) & 0xFF), rows = span >> 24;
        CRect rect(v.ColumnX(column), v.RowY(row), v.ColumnX(column + width),
                   v.RowY(int64_t(row) + rows));
        pDC->PatBlt(rect, brush, rop);
    }
}

void CHexPainter::DrawOverlays(CDC* pDC, CBinData* pData, int first, int last) {
    // A span counts its rows in 8 bits, so the rows are asked for in slices that fit.
    for (int slice = first; slice <= last; slice += kMaxSpanRows) {
        int sliceLast = std::min(last, slice + kMaxSpanRows - 1);
        DrawSpans(pDC, pData->GetMarkSpans(slice, sliceLast), slice, m_brushMark, ROP_DPa);
        DrawSpans(pDC, pData->GetRangeSpans(slice, sliceLast), slice, m_brushRange, ROP_DPo);
    }
}

void CHexPainter::ClipRows(CDC* pDC, int& first, int& last) const {
    CRect clip;
    int height = m_view.m_nRowHeight;
    if (height <= 0 || !pDC->GetClipBox(clip)) return;
    if (clip.IsRectEmpty() || clip.bottom <= 0) {
        last = first - 1;
        return;
    }
    int64_t top = m_view.m_nFirstRow + int64_t(std::max(clip.top, 0)) / height;
    int64_t bottom = m_view.m_nFirstRow + int64_t(clip.bottom - 1) / height;
    first = static_cast<int>(std::max<int64_t>(first, top));
    last = static_cast<int>(std::min<int64_t>(last, bottom));
}

void CHexPainter::Draw(CDC* pDC) {
    CKolvaView& v = m_view;
    CBinData* data = v.GetData();
    if (!data) return;
    int first = v.m_nFirstRow;
    int last = v.m_nLastRow + 1; // fills a partly visible bottom row
    ClipRows(pDC, first, last);
    int selFirst = 0, selLast = -1;
    if (data->m_bSelection) {
        m_clrHighlight = GetSysColor(COLOR_HIGHLIGHT);
        m_clrHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        m_clrWindow = GetSysColor(COLOR_WINDOW);
        m_clrWindowText = GetSysColor(COLOR_WINDOWTEXT);
        selFirst = data->m_nSelStart / kBytesPerRow;
        selLast = data->m_nSelEnd / kBytesPerRow;
    }
    for (int row = first; row <= last; ++row) {
        if (row >= selFirst && row <= selLast)
            DrawSelectedRow(pDC, data, row);
        else
            DrawPlainRow(pDC, data, row);
    }
    DrawOverlays(pDC, data, first, last);
}

void CHexPainter::InvalidateRows(int r1, int r2, bool bErase) {
    CKolvaView& v = m_view;
    // Rows outside the window need no repaint; clipping also keeps the pixels in range.
    int first = v.m_nFirstRow;
    int low = std::max(std::min(r1, r2), first);
    int high = std::min(std::max(r1, r2), v.m_nLastRow + 1);
    if (low > high) return;
    int width = v.m_nCharWidth, height = v.m_nRowHeight;
    // The full row width, as the layout last counted its columns.
    v.InvalidateRect(CRect(-v.m_nFirstCol * width, (low - first) * height,
                           (v.m_nTotalCols - v.m_nFirstCol) * width, (high + 1 - first) * height),
                     bErase);
}
