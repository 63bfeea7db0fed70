#include "platform/headless/HeadlessDC.h"

#include <algorithm>

#include "platform/base/CodePage932.h"

bool CHeadlessDC::GetTextMetrics(TEXTMETRIC& tm) {
    tm = TEXTMETRIC();
    tm.tmHeight = kCharHeight;
    tm.tmAscent = 13;
    tm.tmDescent = 3;
    tm.tmAveCharWidth = kCharWidth;
    tm.tmMaxCharWidth = 2 * kCharWidth;
    return true;
}

bool CHeadlessDC::GetClipBox(CRect& rect) const {
    if (m_bClipped) rect = m_clip;
    return m_bClipped;
}

void CHeadlessDC::SetClipBox(const CRect& rect) {
    m_bClipped = true;
    m_clip = rect;
}

CCellGrid::Cell* CHeadlessDC::Drawable(int col, int row) {
    if (m_bClipped) {
        CRect cell(col * kCharWidth, row * kCharHeight, (col + 1) * kCharWidth,
                   (row + 1) * kCharHeight);
        if (cell.right <= m_clip.left || cell.left >= m_clip.right || cell.bottom <= m_clip.top ||
            cell.top >= m_clip.bottom)
            return nullptr;
    }
    return m_pGrid->At(col, row);
}

void CHeadlessDC::TextOut(int x, int y, const char* text, int n) {
    ++m_nTextOutCalls;
    int row = y / kCharHeight, col = x / kCharWidth;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    // Characters pair up within this output only, as a font draws them.
    for (int i = 0; i < n;) {
        char16_t unit = 0;
        int used = CCodePage932::Decode(bytes + i, static_cast<size_t>(n - i), unit);
        for (int k = 0; k < used; ++k)
            if (CCellGrid::Cell* cell = Drawable(col + i + k, row)) {
                cell->m_ch = text[i + k];
                cell->m_bTrail = k > 0;
                cell->m_text = m_text;
                cell->m_back = m_back;
                cell->m_and = cell->m_or = 0xFFFFFFFF;
            }
        i += used;
    }
}

void CHeadlessDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                             int n) {
    if ((options & ETO_OPAQUE) && rect) FillSolidRect(*rect, m_back);
    if (!(options & ETO_CLIPPED) || !rect) return TextOut(x, y, text, n);
    bool wasClipped = m_bClipped;
    CRect old = m_clip;
    m_clip = wasClipped
                 ? CRect(std::max(old.left, rect->left), std::max(old.top, rect->top),
                         std::min(old.right, rect->right), std::min(old.bottom, rect->bottom))
                 : *rect;
    m_bClipped = true;
    TextOut(x, y, text, n);
    m_clip = old;
    m_bClipped = wasClipped;
}

template <typename F> void CHeadlessDC::ForCells(const CRect& rect, F f) {
    for (int row = rect.top / kCharHeight; row * kCharHeight < rect.bottom; ++row)
        for (int col = rect.left / kCharWidth; col * kCharWidth < rect.right; ++col)
            if (CCellGrid::Cell* cell = Drawable(col, row)) f(*cell);
}

void CHeadlessDC::FillSolidRect(const CRect& rect, COLORREF color) {
    ForCells(rect, [color](CCellGrid::Cell& cell) {
        cell.m_ch = ' ';
        cell.m_bTrail = false;
        cell.m_back = color;
        cell.m_and = cell.m_or = 0xFFFFFFFF;
    });
}

void CHeadlessDC::PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) {
    ForCells(rect, [brush, rop](CCellGrid::Cell& cell) {
        switch (rop) {
        case ROP_DPa:
            cell.m_and = brush;
            break;
        case ROP_DPo:
            cell.m_or = brush;
            break;
        case PATCOPY:
            cell.m_back = brush;
            break;
        default: // inversions
            cell.m_back ^= 0xFFFFFF;
            cell.m_text ^= 0xFFFFFF;
        }
    });
}
