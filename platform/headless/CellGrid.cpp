#include "platform/headless/CellGrid.h"

#include <algorithm>

#include "platform/base/CodePage932.h"

void CCellGrid::Resize(int cols, int rows) {
    m_nCols = std::max(cols, 0);
    m_nRows = std::max(rows, 0);
    m_cells.assign(static_cast<size_t>(m_nCols) * static_cast<size_t>(m_nRows), Cell());
}

CCellGrid::Cell* CCellGrid::At(int col, int row) {
    if (col < 0 || row < 0 || col >= m_nCols || row >= m_nRows) return nullptr;
    return &m_cells[Index(col, row)];
}

void CCellGrid::Shift(int cols, int rows) {
    std::vector<Cell> moved(m_cells.size());
    for (int row = 0; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col)
            if (Cell* from = At(col - cols, row - rows)) moved[Index(col, row)] = *from;
    m_cells.swap(moved);
}

std::string CCellGrid::RowText(int row) const {
    std::string text;
    for (int c = 0; c < m_nCols; ++c)
        text += m_cells[Index(c, row)].m_ch;
    return text;
}

std::string CCellGrid::RowGlyphs(int row) const {
    std::string glyphs;
    for (int c = 0; c < m_nCols; ++c) {
        char bytes[2] = {m_cells[Index(c, row)].m_ch, 0};
        size_t n = c + 1 < m_nCols && m_cells[Index(c + 1, row)].m_bTrail ? 2 : 1;
        if (n == 2) bytes[1] = m_cells[Index(++c, row)].m_ch;
        glyphs += CCodePage932::ToUtf8(bytes, n);
    }
    return glyphs;
}
