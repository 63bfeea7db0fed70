#include "platform/base/CodePage932.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Encoded {
    int len;
    unsigned char b[2];
};

Encoded Encode(char16_t u) {
    Encoded e{0, {0, 0}};
    e.len = CCodePage932::FromUnicode(u, e.b);
    return e;
}

int Code(const Encoded& e) {
    return e.len == 2 ? (e.b[0] << 8 | e.b[1]) : e.b[0];
}

// Decodes a full two-byte code; returns 0 if it does not decode as a pair.
char16_t DecodePair(int code) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(code >> 8),
                                    static_cast<unsigned char>(code & 0xFF)};
    char16_t unit = 0xFFFF;
    return CCodePage932::Decode(bytes, 2, unit) == 2 ? unit : 0;
}

std::vector<unsigned char> Leads() {
    std::vector<unsigned char> leads;
    for (int b = 0; b < 0x100; ++b)
        if (CCodePage932::IsLeadByte(static_cast<unsigned char>(b)))
            leads.push_back(static_cast<unsigned char>(b));
    return leads;
}

} // namespace

TEST(CodePage932, LeadBytes) {
    EXPECT_FALSE(CCodePage932::IsLeadByte(0x80));
    EXPECT_TRUE(CCodePage932::IsLeadByte(0x81));
    EXPECT_TRUE(CCodePage932::IsLeadByte(0x9F));
    EXPECT_FALSE(CCodePage932::IsLeadByte(0xA0));
    EXPECT_FALSE(CCodePage932::IsLeadByte(0xDF));
    EXPECT_TRUE(CCodePage932::IsLeadByte(0xE0));
    EXPECT_TRUE(CCodePage932::IsLeadByte(0xFC));
    EXPECT_FALSE(CCodePage932::IsLeadByte(0xFD));
    EXPECT_EQ(Leads().size(), 60u);
}

// Every assigned pair must come back to itself, or, for a unit with several
// codes, to another code for the same unit. Windows never writes the NEC-selected
// IBM rows (0xED, 0xEE), and the count of such duplicates is fixed by the table.
TEST(CodePage932, EveryDoubleByteCodeRoundTrips) {
    std::map<char16_t, std::vector<int>> codesByUnit;
    for (unsigned char lead : Leads()) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            int code = lead << 8 | trail;
            char16_t unit = DecodePair(code);
            if (unit != 0) codesByUnit[unit].push_back(code);
        }
    }

    size_t assigned = 0, collapsed = 0;
    for (const auto& entry : codesByUnit) {
        const char16_t unit = entry.first;
        const std::vector<int>& codes = entry.second;
        assigned += codes.size();
        Encoded e = Encode(unit);
        ASSERT_EQ(e.len, 2) << std::hex << "U+" << unit;
        EXPECT_EQ(DecodePair(Code(e)), unit) << std::hex << "U+" << unit;
        EXPECT_NE(e.b[0], 0xED) << std::hex << "U+" << unit;
        EXPECT_NE(e.b[0], 0xEE) << std::hex << "U+" << unit;
        if (codes.size() == 1) {
            EXPECT_EQ(Code(e), codes[0]) << std::hex << "U+" << unit;
        }
        collapsed += codes.size() - 1;
    }
    EXPECT_EQ(assigned, 9604u);
    EXPECT_EQ(collapsed, 398u);
}

TEST(CodePage932, DuplicateCodesEncodeAsWindowsDoes) {
    const std::pair<char16_t, int> cases[] = {
        {0x2252, 0x81E0},                   // 0x81 row beats NEC row 13
        {0x221A, 0x81E3}, {0x2235, 0x81E6}, // three candidates: 0x81E6, 0x879A, 0xFA5B
        {0xFFE2, 0x81CA},                   // 0x81CA, 0xEEF9, 0xFA54
        {0x2160, 0x8754},                   // NEC row 13 beats IBM 0xFA4A
        {0x2116, 0x8782}, {0x2170, 0xFA40}, // IBM beats NEC-selected 0xEEEF
        {0x7E8A, 0xFA5C},                   // not 0xED40
        {0x9ED1, 0xFC4B},                   // not 0xEEEC
        {0xF929, 0xFAE0},                   // not 0xEDC4
        {0xFFE4, 0xFA55}, {0xFF07, 0xFA56},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Code(Encode(c.first)), c.second) << std::hex << "U+" << c.first;
}

TEST(CodePage932, CommonCharacters) {
    Encoded a = Encode(0x3042); // hiragana a
    ASSERT_EQ(a.len, 2);
    EXPECT_EQ(a.b[0], 0x82);
    EXPECT_EQ(a.b[1], 0xA0);
    EXPECT_EQ(Code(Encode(0x3000)), 0x8140); // ideographic space
    EXPECT_EQ(Code(Encode(0xFFE5)), 0x818F); // full-width yen
    EXPECT_EQ(DecodePair(0x8160), 0xFF5E);   // Windows' wave dash is the full-width tilde
    EXPECT_EQ(DecodePair(0x815F), 0xFF3C);
}

TEST(CodePage932, UnmappableUnitsBecomeQuestionMark) {
    // 0x5C stays a backslash, so the plain yen sign has nowhere to go; no euro either.
    const char16_t units[] = {0x00A5, 0x20AC, 0x301C, 0x00A2, 0xD800, 0xDFFF, 0xFFFD, 0xE758};
    for (char16_t u : units) {
        Encoded e = Encode(u);
        EXPECT_EQ(e.len, 1) << std::hex << "U+" << u;
        EXPECT_EQ(e.b[0], '?') << std::hex << "U+" << u;
    }
}

TEST(CodePage932, SingleBytes) {
    // Half-width katakana, both directions.
    for (int b = 0xA1; b <= 0xDF; ++b) {
        const unsigned char byte = static_cast<unsigned char>(b);
        char16_t unit = 0;
        EXPECT_EQ(CCodePage932::Decode(&byte, 1, unit), 1);
        EXPECT_EQ(unit, 0xFF61 + (b - 0xA1));
        Encoded e = Encode(unit);
        EXPECT_EQ(e.len, 1);
        EXPECT_EQ(e.b[0], b);
    }
    const std::pair<unsigned char, char16_t> extras[] = {
        {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};
    for (const auto& x : extras) {
        char16_t unit = 0;
        EXPECT_EQ(CCodePage932::Decode(&x.first, 1, unit), 1);
        EXPECT_EQ(unit, x.second);
        Encoded e = Encode(x.second);
        EXPECT_EQ(e.len, 1);
        EXPECT_EQ(e.b[0], x.first);
    }
}

TEST(CodePage932, UserDefinedArea) {
    EXPECT_EQ(DecodePair(0xF040), 0xE000);
    EXPECT_EQ(DecodePair(0xF07E), 0xE03E);
    EXPECT_EQ(DecodePair(0xF080), 0xE03F); // 0x7F is skipped, not counted
    EXPECT_EQ(DecodePair(0xF140), 0xE0BC); // 188 per lead
    EXPECT_EQ(DecodePair(0xF9FC), 0xE757);
    EXPECT_EQ(Code(Encode(0xE000)), 0xF040);
    EXPECT_EQ(Code(Encode(0xE757)), 0xF9FC);
}

TEST(CodePage932, DecodeBadInputConsumesOneByte) {
    char16_t unit = 0xFFFF;
    const unsigned char lead[] = {0x82};
    EXPECT_EQ(CCodePage932::Decode(lead, 1, unit), 1);
    EXPECT_EQ(unit, 0);

    // The byte after a bad lead must be left for the next call.
    const unsigned char badTrails[] = {0x0A, 0x3F, 0x7F, 0xFD, 0xFF};
    for (unsigned char t : badTrails) {
        const unsigned char pair[] = {0x82, t};
        unit = 0xFFFF;
        EXPECT_EQ(CCodePage932::Decode(pair, 2, unit), 1) << std::hex << int(t);
        EXPECT_EQ(unit, 0);
    }

    const int unassigned[] = {0x81AD, 0x8540, 0x84BF, 0xEB40, 0xEF40, 0xFCFC, 0xEEED};
    for (int code : unassigned)
        EXPECT_EQ(DecodePair(code), 0) << std::hex << code;

    unit = 0xFFFF;
    EXPECT_EQ(CCodePage932::Decode(lead, 0, unit), 0);
    const unsigned char nul[] = {0x00};
    EXPECT_EQ(CCodePage932::Decode(nul, 1, unit), 1);
    EXPECT_EQ(unit, 0);
}

TEST(CodePage932, Utf8RoundTrip) {
    // "ファイル ﾌｧｲﾙ 日本語 abc"
    const std::string sjis = "\x83\x74\x83\x40\x83\x43\x83\x8B\x20\xCC\xA7\xB2\xD9\x20"
                             "\x93\xFA\x96\x7B\x8C\xEA\x20\x61\x62\x63";
    const std::string utf8 = "\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB\x20"
                             "\xEF\xBE\x8C\xEF\xBD\xA7\xEF\xBD\xB2\xEF\xBE\x99\x20"
                             "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\x20\x61\x62\x63";
    EXPECT_EQ(CCodePage932::ToUtf8(sjis.data(), sjis.size()), utf8);
    EXPECT_EQ(CCodePage932::FromUtf8(utf8), sjis);
}

TEST(CodePage932, ToUtf8IsLenient) {
    const std::string replacement = "\xEF\xBF\xBD";
    const std::string input("A\0\x82\x0A\x80\x82", 6);
    const std::string expected = std::string("A\0", 2) + replacement + "\n\xC2\x80" + replacement;
    EXPECT_EQ(CCodePage932::ToUtf8(input.data(), input.size()), expected);
    EXPECT_EQ(CCodePage932::ToUtf8(nullptr, 0), "");
}

TEST(CodePage932, FromUtf8ReplacesWhatItCannotCarry) {
    EXPECT_EQ(CCodePage932::FromUtf8("\xF0\x9F\x98\x80!"), "?!");
    EXPECT_EQ(CCodePage932::FromUtf8("\xF0\x93\x81\x82"),
              "?"); // U+13042 must not wrap to U+3042  // beyond the BMP
    EXPECT_EQ(CCodePage932::FromUtf8("\xE2\x82\xAC"), "?");        // euro
    EXPECT_EQ(CCodePage932::FromUtf8("a\xE3\x81"), "a?");          // truncated
    EXPECT_EQ(CCodePage932::FromUtf8("\xC0\xAF"), "??");           // overlong
    EXPECT_EQ(CCodePage932::FromUtf8("a\xED\xA0\x80z"), "a???z");  // encoded surrogate
    EXPECT_EQ(CCodePage932::FromUtf8("\xE3\x81\x82"), "\x82\xA0"); // hiragana a
}
