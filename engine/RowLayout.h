#pragma once

// The columns of a row: the address, sixteen hex cells with one extra space after the eighth,
// a gap, and the character area. Formatting, the caret and hit-testing all count columns here.
class CRowLayout {
public:
    static constexpr int kBytesPerRow = 16;
    // The hex area has one extra space after this many bytes.
    static constexpr int kHalfRow = kBytesPerRow / 2;
    static constexpr int kCellWidth = 3; // two digits and a space
    static constexpr int kHexWidth = kBytesPerRow * kCellWidth + 1;
    static constexpr int kAreaGap = 2;

    // hexStart: the columns before the hex area (the address and its gap, or none).
    explicit CRowLayout(int hexStart = 0) : m_nHexStart(hexStart) {}

    int HexStart() const { return m_nHexStart; }
    // Where the gap before the character area starts.
    int CharStart() const { return m_nHexStart + kHexWidth; }
    int CharAreaStart() const { return CharStart() + kAreaGap; }
    // Column of byte i's character.
    int CharColumn(int i) const { return CharAreaStart() + i; }
    // The row's width in columns.
    int Width() const { return CharColumn(kBytesPerRow); }

    // Column of byte i's first hex digit, counted from the hex area's start.
    static int HexCellOffset(int i);
    int HexColumn(int i) const { return m_nHexStart + HexCellOffset(i); }
    // The byte whose hex cell holds column; left of the hex area the result is 0 or negative.
    int ByteAtHexColumn(int column) const;

private:
    int m_nHexStart;
};
