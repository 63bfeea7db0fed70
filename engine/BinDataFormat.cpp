// Row formatting and highlight spans of CBinData. Nothing here allocates: rows are written into
// the fixed buffers, and spans into a list whose capacity is kept between calls.
#include <algorithm>
#include <cstring>

#include "engine/BinData.h"
#include "platform/base/CodePage932.h"

namespace {
const char kHex[] = "0123456789ABCDEF";

struct SubstitutionTables {
    char sjis[256];  // Shift-JIS: control bytes, 0x7F, 0xA0 and 0xFF shown as '.'
    char ascii[256]; // 7-bit: everything from 0x80 as well
    SubstitutionTables() {
        for (int b = 0; b < 256; ++b) {
            bool dot = b < 0x20 || b == 0x7F || b == 0xA0 || b == 0xFF;
            sjis[b] = dot ? '.' : static_cast<char>(b);
            ascii[b] = dot || b >= 0x80 ? '.' : static_cast<char>(b);
        }
    }
};
const SubstitutionTables kSub;

inline char* PutHex2(char* p, unsigned v) {
    p[0] = kHex[(v >> 4) & 15];
    p[1] = kHex[v & 15];
    return p + 2;
}

inline bool IsDoubleByte(const uint8_t* p) {
    if (!CCodePage932::IsLeadByte(p[0])) return false;
    char16_t unit = 0;
    return CCodePage932::Decode(p, 2, unit) == 2 && unit != 0;
}

} // namespace

const char* CBinData::FormatRow(int row) {
    int length = GetDataLength();
    int64_t first = int64_t(row) * 16;
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
    for (int j = 0; j < 16; ++j) {
        if (j < count) {
            p = PutHex2(p, bytes[j]);
            *p++ = ' ';
        } else {
            p[0] = p[1] = p[2] = ' ';
            p += 3;
        }
        if (j == 7) *p++ = ' ';
    }
    *p = '\0';
    return m_szRow;
}

const uint8_t* CBinData::RowBytes(int row, int& count) {
    int64_t first = int64_t(row) * 16;
    count = static_cast<int>(std::clamp<int64_t>(GetDataLength() - first, 0, 16));
    return count > 0 ? GetBytes(static_cast<int>(first), count) : nullptr;
}

void CBinData::FormatUnicodeChars(int row, char* out) {
    int count;
    const uint8_t* bytes = RowBytes(row, count);
    for (int j = 0; j < 16; j += 2, out += 2) {
        if (j >= count) {
            out[0] = out[1] = ' ';
            continue;
        }
        // An odd last byte stands alone: its missing high byte counts as 0.
        uint8_t b0 = bytes[j], b1 = j + 1 < count ? bytes[j + 1] : 0;
        unsigned char c[2] = {0, 0};
        int n = CCodePage932::FromUnicode(static_cast<char16_t>(b0 | b1 << 8), c);
        if (c[0] == '?') {
            out[0] = '?';
            out[1] = ' ';
        } else if (b1 == 0xFF && (b0 == 0 || (b0 >= 0x5F && b0 <= 0xDF) || b0 >= 0xE6)) {
            out[0] = static_cast<char>(c[0]);
            out[1] = ' ';
        } else if (n == 2) {
            // Also for units below 0x100 whose Shift-JIS form has two bytes (U+00A7, U+00D7).
            out[0] = static_cast<char>(c[0]);
            out[1] = static_cast<char>(c[1]);
        } else if (b1 == 0) {
            out[0] = kSub.sjis[c[0]];
            out[1] = ' ';
        } else {
            out[0] = kSub.sjis[b0];
            out[1] = kSub.sjis[b1];
        }
    }
}

const char* CBinData::FormatCharArea(int row, int code) {
    if (!m_bShowChars) return nullptr;
    char* p = m_szChars;
    for (int i = 0; i < CRowLayout::kAreaGap; ++i)
        *p++ = ' ';
    if (code == 1) {
        FormatUnicodeChars(row, p);
        p += 16;
    } else {
        const char* sub = code == 0 ? kSub.sjis : kSub.ascii;
        int count;
        const uint8_t* bytes = RowBytes(row, count);
        for (int j = 0; j < 16; ++j) {
            // 0xA0 is a trail byte as well (0x82 0xA0 is a hiragana); a pair keeps both bytes.
            if (code == 0 && j + 1 < count && IsDoubleByte(bytes + j)) {
                *p++ = static_cast<char>(bytes[j]);
                *p++ = static_cast<char>(bytes[j + 1]);
                ++j;
                continue;
            }
            *p++ = j < count ? sub[bytes[j]] : ' ';
        }
    }
    *p = '\0';
    return m_szChars;
}

const char* CBinData::FormatRowText(int row, int code) {
    if (!FormatRow(row)) {
        int width = m_layout.Width();
        std::memset(m_szRow, ' ', static_cast<size_t>(width));
        m_szRow[width] = '\0';
        return m_szRow;
    }
    if (const char* chars = FormatCharArea(row, code)) std::strcat(m_szRow, chars);
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
    for (int j = 0; j < 16; ++j) {
        p = PutHex2(p, static_cast<unsigned>(j));
        *p++ = ' ';
        if (j == 7) *p++ = ' ';
    }
    if (m_bShowChars) {
        *p++ = ' ';
        *p++ = ' ';
        for (int j = 0; j < 16; ++j)
            *p++ = kHex[j];
    }
    *p = '\0';
    return m_szRow;
}

const std::vector<uint32_t>* CBinData::GetMarkSpans(int first, int last) {
    m_spans.clear();
    uint32_t low = static_cast<uint32_t>(first) * 16;
    uint32_t high = static_cast<uint32_t>(last + 1) * 16 - 1;
    int count = m_marks.SelectRange(low, high);
    if (count <= 0) return nullptr;
    m_spans.reserve(static_cast<size_t>(2 * count));
    for (int64_t m = m_marks.Next(); m >= 0; m = m_marks.Next()) {
        int c = static_cast<int>(m % 16);
        int rr = static_cast<int>(m / 16) - first;
        m_spans.push_back(MakeSpan(m_layout.HexColumn(c), 2, rr, 1));
        m_spans.push_back(MakeSpan(m_layout.CharColumn(c), 1, rr, 1));
    }
    return &m_spans;
}

const std::vector<uint32_t>* CBinData::GetRangeSpans(int first, int last) {
    if (!m_bRegistered) return nullptr;
    int sr = m_nRegStart / 16, er = m_nRegEnd / 16;
    int sc = m_nRegStart % 16, ec = m_nRegEnd % 16;
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
        m_spans[next++] =
            MakeSpan(m_layout.HexColumn(sc), CRowLayout::kCellWidth * (16 - sc), sr - first, 1);
        m_spans[next++] = MakeSpan(charArea + sc, 16 - sc, sr - first, 1);
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
