// Row formatting and highlight spans of CBinData. Nothing here allocates: rows are written into
// the fixed buffers, and spans into a list whose capacity is kept between calls.
#include <algorithm>
#include <cstring>

#include "engine/BinData.h"

namespace {
const char kHex[] = "0123456789ABCDEF";
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;

inline char* PutHex2(char* p, unsigned v) {
    p[0] = kHex[(v >> 4) & 15];
    p[1] = kHex[v & 15];
    return p + 2;
}

} // namespace

const char* CBinData::FormatRow(int row) {
    int length = GetDataLength();
    int64_t first = int64_t(row) * kBytesPerRow;
    if (row < 0 || first > length) return nullptr;
    char* p = m_szRow;
    if (m_bShowAddress) {
        uint32_t pos = static_cast<uint32_t>(first);
        for (int shift = 28; shift >= 16; shift -= 4)
            *p++ = kHex[(pos >> shift) & 15];
        *p++ = ':';
        for (int shift = 12; shift >= 0; shift -= 4)
            *p++ = kHex[(pos >> shift) & 15];
        *p++ = ' ';
        *p++ = ' ';
    }
    int count;
    const uint8_t* bytes = RowBytes(row, count);
    for (int j = 0; j < kBytesPerRow; ++j) {
        if (j < count) {
            p = PutHex2(p, bytes[j]);
            *p++ = ' ';
        } else {
            p[0] = p[1] = p[2] = ' ';
            p += 3;
        }
        if (j == CRowLayout::kHalfRow - 1) *p++ = ' ';
    }
    *p = '\0';
    return m_szRow;
}

const uint8_t* CBinData::RowBytes(int row, int& count) {
    int64_t first = int64_t(row) * kBytesPerRow;
    count = row < 0
                ? 0
                : static_cast<int>(std::clamp<int64_t>(GetDataLength() - first, 0, kBytesPerRow));
    return count > 0 ? GetBytes(static_cast<int>(first), count) : nullptr;
}

const char* CBinData::FormatCharArea(int row, JCode code) {
    if (!m_bShowChars) return nullptr;
    char* p = m_szChars;
    for (int i = 0; i < CRowLayout::kAreaGap; ++i)
        *p++ = ' ';
    int count;
    const uint8_t* bytes = RowBytes(row, count);
    CJCodeTable::Of(code).m_pfnFormatChars(bytes, count, p);
    p[kBytesPerRow] = '\0';
    return m_szChars;
}

const char* CBinData::FormatRowText(int row, JCode code) {
    if (!FormatRow(row)) {
        int width = m_layout.Width();
        std::memset(m_szRow, ' ', static_cast<size_t>(width));
        m_szRow[width] = '\0';
        return m_szRow;
    }
    if (const char* chars = FormatCharArea(row, code)) {
        // The two are separate buffers; appended by length, which the optimizer can see.
        size_t end = std::strlen(m_szRow);
        std::memcpy(m_szRow + end, chars, std::strlen(chars) + 1);
    }
    return m_szRow;
}

const char* CBinData::FormatHeader() {
    char* p = m_szRow;
    if (m_bShowAddress) {
        std::memcpy(p, "address", 7);
        p += 7;
        while (p < m_szRow + m_layout.HexStart())
            *p++ = ' ';
    }
    for (int j = 0; j < kBytesPerRow; ++j) {
        p = PutHex2(p, static_cast<unsigned>(j));
        *p++ = ' ';
        if (j == CRowLayout::kHalfRow - 1) *p++ = ' ';
    }
    if (m_bShowChars) {
        *p++ = ' ';
        *p++ = ' ';
        for (int j = 0; j < kBytesPerRow; ++j)
            *p++ = kHex[j];
    }
    *p = '\0';
    return m_szRow;
}

const std::vector<uint32_t>* CBinData::GetMarkSpans(int first, int last) {
    m_spans.clear();
    uint32_t low = static_cast<uint32_t>(first) * kBytesPerRow;
    uint32_t high = static_cast<uint32_t>(last + 1) * kBytesPerRow - 1;
    int count = m_marks.SelectRange(low, high);
    if (count <= 0) return nullptr;
    m_spans.reserve(static_cast<size_t>(2 * count));
    for (int64_t m = m_marks.Next(); m >= 0; m = m_marks.Next()) {
        int c = static_cast<int>(m % kBytesPerRow);
        int rr = static_cast<int>(m / kBytesPerRow) - first;
        m_spans.push_back(MakeSpan(m_layout.HexColumn(c), 2, rr, 1));
        m_spans.push_back(MakeSpan(m_layout.CharColumn(c), 1, rr, 1));
    }
    return &m_spans;
}

const std::vector<uint32_t>* CBinData::GetRangeSpans(int first, int last) {
    if (!m_bRegistered) return nullptr;
    int sr = m_nRegStart / kBytesPerRow, er = m_nRegEnd / kBytesPerRow;
    int sc = m_nRegStart % kBytesPerRow, ec = m_nRegEnd % kBytesPerRow;
    if (sr > last || er < first) return nullptr;
    m_spans.assign(5, 0);
    int charArea = m_layout.CharAreaStart();
    if (sr == er) {
        m_spans[0] =
            MakeSpan(m_layout.HexColumn(sc), CRowLayout::kCellWidth * (ec - sc + 1), sr - first, 1);
        m_spans[1] = MakeSpan(charArea + sc, ec - sc + 1, sr - first, 1);
        return &m_spans;
    }
    size_t next = 0;
    if (sr >= first) {
        m_spans[next++] = MakeSpan(m_layout.HexColumn(sc),
                                   CRowLayout::kCellWidth * (kBytesPerRow - sc), sr - first, 1);
        m_spans[next++] = MakeSpan(charArea + sc, kBytesPerRow - sc, sr - first, 1);
    }
    if (er <= last) {
        m_spans[next++] =
            MakeSpan(m_layout.HexStart(), CRowLayout::kCellWidth * (ec + 1), er - first, 1);
        m_spans[next++] = MakeSpan(charArea, ec + 1, er - first, 1);
    }
    int from = std::max(sr + 1, first), to = std::min(er - 1, last);
    if (from <= to)
        m_spans[next] = MakeSpan(m_layout.HexStart(), m_layout.Width() - m_layout.HexStart(),
                                 from - first, to - from + 1);
    return &m_spans;
}
