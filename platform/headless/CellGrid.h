#pragma once
#include <string>
#include <vector>

#include "platform/base/Types.h"

// What a window shows, one cell per character of the fixed 8 x 16 pixel font.
struct CCellGrid {
    struct Cell {
        char m_ch = ' ';
        // The second byte of a double-byte character drawn across this cell and the one
        // before it by the same text output.
        bool m_bTrail = false;
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
    // The row as the characters its cells were drawn as, in UTF-8; a byte drawn without the
    // other half of its character is U+FFFD.
    std::string RowGlyphs(int row) const;

private:
    size_t Index(int col, int row) const {
        return static_cast<size_t>(row) * static_cast<size_t>(m_nCols) + static_cast<size_t>(col);
    }
};
