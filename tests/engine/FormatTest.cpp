#include <gtest/gtest.h>

#include <cstdio>

#include "platform/headless/HeadlessBackend.h"
#include "tests/TestSupport.h"

namespace {
class FormatTest : public ::testing::Test {
protected:
    std::string Row(int row) {
        const char* p = m_data.FormatRow(row);
        return p ? p : "(null)";
    }
    std::string Chars(int row, JCode code) { return m_data.FormatCharArea(row, code); }
    std::string Unicode(const Bytes& bytes) {
        Fill(m_data, bytes);
        return Chars(0, JCode::kUnicode).substr(2);
    }

    CHeadlessBackend m_backend;
    CBinData m_data;
};

struct Span {
    int column, width, row, rows;
    bool operator==(const Span& o) const {
        return column == o.column && width == o.width && row == o.row && rows == o.rows;
    }
};
std::ostream& operator<<(std::ostream& os, const Span& s) {
    return os << "{" << s.column << "," << s.width << "," << s.row << "," << s.rows << "}";
}
std::vector<Span> Decode(const std::vector<uint32_t>* spans) {
    std::vector<Span> out;
    if (spans)
        for (uint32_t v : *spans)
            out.push_back({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24)});
    return out;
}
} // namespace

TEST_F(FormatTest, EmptyDataHasOnlyTheAppendRow) {
    EXPECT_EQ(Row(0), "0000:0000  " + std::string(49, ' '));
    EXPECT_EQ(Row(1), "(null)");
    EXPECT_EQ(std::string(m_data.FormatRowText(1, JCode::kShiftJis)), std::string(78, ' '));
    EXPECT_EQ(Chars(0, JCode::kShiftJis), std::string(18, ' '));
}

TEST_F(FormatTest, SixteenBytesFillOneRowAndThenTheAppendRow) {
    Bytes bytes;
    for (int i = 0; i < 16; ++i)
        bytes.push_back(static_cast<uint8_t>(0x41 + i));
    Fill(m_data, bytes);
    EXPECT_EQ(std::string(m_data.FormatRowText(0, JCode::kShiftJis)),
              "0000:0000  41 42 43 44 45 46 47 48  49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP");
    EXPECT_EQ(std::string(m_data.FormatRowText(0, JCode::kShiftJis)).size(), 78u);
    EXPECT_EQ(Row(1), "0000:0010  " + std::string(49, ' '));
    EXPECT_EQ(Row(2), "(null)");
}

TEST_F(FormatTest, LayoutColumnsMatchTheFormattedRowBothWays) {
    Bytes bytes;
    for (int i = 0; i < 16; ++i)
        bytes.push_back(static_cast<uint8_t>(0xA0 + i));
    Fill(m_data, bytes);
    const std::string row = m_data.FormatRowText(0, JCode::kAscii);
    const CRowLayout& layout = m_data.m_layout;
    for (int i = 0; i < 16; ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", 0xA0 + i);
        EXPECT_EQ(row.substr(static_cast<size_t>(layout.HexColumn(i)), 2), hex) << i;
        EXPECT_EQ(row[static_cast<size_t>(layout.CharColumn(i))], '.') << i;
        // Clicks on either digit or the space after them hit the byte.
        for (int c = layout.HexColumn(i); c < layout.HexColumn(i) + 3; ++c)
            EXPECT_EQ(layout.ByteAtHexColumn(c), i) << c;
    }
    // The wider gap in the middle belongs to the eighth byte.
    EXPECT_EQ(layout.ByteAtHexColumn(layout.HexColumn(8) - 1), 7);
    EXPECT_EQ(static_cast<int>(row.size()), layout.Width());
}

TEST_F(FormatTest, PartialRowAndAddressAboveSixtyFourKilobytes) {
    m_data.SetSize(0x10000 + 3);
    m_data.SetAt(0x10000, 0xAB);
    EXPECT_EQ(Row(0x1000), "0001:0000  AB 00 00" + std::string(41, ' '));
    EXPECT_EQ(Row(0xFFF).substr(0, 9), "0000:FFF0");
    m_data.m_bShowAddress = false;
    m_data.UpdateLayout();
    EXPECT_EQ(Row(0x1000), "AB 00 00" + std::string(41, ' '));
}

TEST_F(FormatTest, SubstitutionDiffersOnlyAboveSevenBitsBetweenShiftJisAndAscii) {
    Fill(m_data, {0x00, 0x1F, 0x20, 0x7E, 0x7F, 0x80, 0xA0, 0xA1, 0xDF, 0xFF, 0x82, 0xA0});
    // 0xA0 alone is a dot, but as the trail byte of 0x82 0xA0 (a hiragana) it stays.
    EXPECT_EQ(Chars(0, JCode::kShiftJis), "  .. ~.\x80.\xA1\xDF.\x82\xA0    ");
    EXPECT_EQ(Chars(0, JCode::kAscii), "  .. ~........    ");
    EXPECT_EQ(Chars(0, static_cast<JCode>(7)),
              Chars(0, JCode::kAscii)); // an unknown code shows as ASCII
    // A character whose bytes fall on two rows is not joined: the trail byte alone is a dot.
    Bytes split(15, 'a');
    split.push_back(0x82);
    split.push_back(0xA0);
    Fill(m_data, split);
    EXPECT_EQ(Chars(0, JCode::kShiftJis), "  " + std::string(15, 'a') + "\x82");
    EXPECT_EQ(Chars(1, JCode::kShiftJis), "  ." + std::string(15, ' '));
    m_data.m_bShowChars = false;
    EXPECT_EQ(m_data.FormatCharArea(0, JCode::kShiftJis), nullptr);
    EXPECT_EQ(std::string(m_data.FormatRowText(0, JCode::kShiftJis)).size(), 60u);
}

TEST_F(FormatTest, UnicodeUnitsBecomeTwoColumnsEach) {
    EXPECT_EQ(Unicode({0x41, 0x00}), "A " + std::string(14, ' '));
    EXPECT_EQ(Unicode({0x42, 0x30}), "\x82\xA0" + std::string(14, ' '));
    EXPECT_EQ(Unicode({0x3F, 0x00}).substr(0, 2), "? ");
    EXPECT_EQ(Unicode({0x00, 0x00}).substr(0, 2), ". ");
    EXPECT_EQ(Unicode({0x0A, 0x00}).substr(0, 2), ". ");
    // Half-width katakana is one column; full-width forms two.
    EXPECT_EQ(Unicode({0x71, 0xFF}).substr(0, 2), "\xB1 ");
    EXPECT_EQ(Unicode({0x01, 0xFF}).substr(0, 2), "\x81\x49");
    // Unmappable units show as a question mark.
    EXPECT_EQ(Unicode({0x00, 0xD8}).substr(0, 2), "? ");
    EXPECT_EQ(Unicode({0xAC, 0x20}).substr(0, 2), "? ");
    // An odd last byte is a unit of its own.
    EXPECT_EQ(Unicode({0x41, 0x00, 0x42}), "A B " + std::string(12, ' '));
}

TEST_F(FormatTest, UnicodeUnitsBelow256WithDoubleByteFormsShowBothBytes) {
    // U+00A7, U+00B0, U+00B1 and U+00D7 are double-byte characters in Shift-JIS.
    EXPECT_EQ(Unicode({0xA7, 0x00, 0xB0, 0x00, 0xB1, 0x00, 0xD7, 0x00}),
              "\x81\x98\x81\x8B\x81\x7D\x81\x7E" + std::string(8, ' '));
    EXPECT_EQ(Unicode({0x41, 0x00, 0xA7}), "A \x81\x98" + std::string(12, ' '));
}

TEST_F(FormatTest, UnicodeRowsReadEightUnitsAcrossTheRow) {
    Bytes bytes;
    const char16_t text[] = u"あいうえおかきく";
    for (int i = 0; i < 8; ++i) {
        bytes.push_back(static_cast<uint8_t>(text[i] & 0xFF));
        bytes.push_back(static_cast<uint8_t>(text[i] >> 8));
    }
    Fill(m_data, bytes);
    EXPECT_EQ(Chars(0, JCode::kUnicode),
              "  \x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD");
}

TEST_F(FormatTest, HeaderRow) {
    EXPECT_EQ(std::string(m_data.FormatHeader()),
              "address    00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F   0123456789ABCDEF");
    m_data.m_bShowAddress = false;
    m_data.m_bShowChars = false;
    m_data.UpdateLayout();
    EXPECT_EQ(std::string(m_data.FormatHeader()),
              "00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F ");
}

TEST_F(FormatTest, MarkSpansCoverHexCellAndCharacter) {
    m_data.SetSize(100);
    for (uint32_t m : {3u, 9u, 40u, 99u})
        m_data.m_marks.Toggle(m);
    EXPECT_EQ(Decode(m_data.GetMarkSpans(0, 1)),
              (std::vector<Span>{{20, 2, 0, 1}, {65, 1, 0, 1}, {39, 2, 0, 1}, {71, 1, 0, 1}}));
    EXPECT_EQ(Decode(m_data.GetMarkSpans(2, 6)),
              (std::vector<Span>{{36, 2, 0, 1}, {70, 1, 0, 1}, {20, 2, 4, 1}, {65, 1, 4, 1}}));
    EXPECT_EQ(m_data.GetMarkSpans(3, 5), nullptr);
}

TEST_F(FormatTest, RangeSpansOverThreeRows) {
    m_data.SetSize(100);
    m_data.m_bRegistered = true;
    m_data.m_nRegStart = 0x0E;
    m_data.m_nRegEnd = 0x21;
    EXPECT_EQ(Decode(m_data.GetRangeSpans(0, 10)), (std::vector<Span>{{11 + 42 + 1, 6, 0, 1},
                                                                      {62 + 14, 2, 0, 1},
                                                                      {11, 6, 2, 1},
                                                                      {62, 2, 2, 1},
                                                                      {11, 67, 1, 1}}));
    // Seen from row 1, only the middle and last rows are on screen.
    EXPECT_EQ(Decode(m_data.GetRangeSpans(1, 1)),
              (std::vector<Span>{
                  {11, 67, 0, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}));
    EXPECT_EQ(m_data.GetRangeSpans(3, 5), nullptr);
    m_data.m_nRegStart = 0x13;
    m_data.m_nRegEnd = 0x15;
    EXPECT_EQ(Decode(m_data.GetRangeSpans(0, 4)),
              (std::vector<Span>{
                  {20, 9, 1, 1}, {65, 3, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}));
    m_data.m_bRegistered = false;
    EXPECT_EQ(m_data.GetRangeSpans(0, 4), nullptr);
}

TEST_F(FormatTest, WideRangeMiddleSpanCountsVisibleRows) {
    m_data.SetSize(1000);
    m_data.m_bRegistered = true;
    m_data.m_nRegStart = 5;
    m_data.m_nRegEnd = 900;
    EXPECT_EQ(Decode(m_data.GetRangeSpans(10, 19))[0], (Span{11, 67, 0, 10}));
}
