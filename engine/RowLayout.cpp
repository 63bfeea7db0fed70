#include "engine/RowLayout.h"

int CRowLayout::HexCellOffset(int i) {
    return kCellWidth * i + (i >= kHalfRow ? 1 : 0);
}

int CRowLayout::ByteAtHexColumn(int column) const {
    int offset = column - m_nHexStart;
    // The extra space after the eighth cell still belongs to it.
    return (offset - (offset >= kHalfRow * kCellWidth ? 1 : 0)) / kCellWidth;
}
