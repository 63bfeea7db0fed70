#include "commands/PatternText.h"

#include <gtest/gtest.h>

#include "tests/TestSupport.h"

namespace {
Bytes Convert(const std::string& text, bool bUnicode = false) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(CPatternText::Convert(text, bUnicode, bytes));
    return Bytes(bytes.begin(), bytes.end());
}
} // namespace

TEST(PatternTextTest, EscapesGiveOneByteEach) {
    EXPECT_EQ(Convert("\\x4g"), (Bytes{0x40}));
    EXPECT_EQ(Convert("\\x0A\\xff\\xFF"), (Bytes{0x0A, 0xFF, 0xFF}));
    EXPECT_EQ(Convert("\\q"), (Bytes{'q'}));
    EXPECT_EQ(Convert("a\\\\b"), (Bytes{'a', '\\', 'b'}));
    EXPECT_EQ(Convert("\\0\\a\\b\\f\\n\\r\\t\\v"),
              (Bytes{0x00, 0x07, 0x08, 0x0C, 0x0A, 0x0D, 0x09, 0x0B}));
}

TEST(PatternTextTest, EscapesCutShortByTheEnd) {
    EXPECT_EQ(Convert("ab\\"), (Bytes{'a', 'b', 0x00}));
    EXPECT_EQ(Convert("\\x4"), (Bytes{0x40}));
    EXPECT_EQ(Convert("\\x"), (Bytes{0x00}));
    EXPECT_EQ(Convert(""), Bytes{});
}

TEST(PatternTextTest, ShiftJisPairsStayTogether) {
    // 0x5C is a trail byte here, not a backslash.
    const std::string so = "\x83\x5C";
    EXPECT_EQ(Convert(so + "A"), (Bytes{0x83, 0x5C, 'A'}));
    EXPECT_EQ(Convert(so, true), (Bytes{0xBD, 0x30}));     // U+30BD
    EXPECT_EQ(Convert("\xB1", true), (Bytes{0x71, 0xFF})); // half-width katakana U+FF71
}

TEST(PatternTextTest, UnicodeWidensCharactersButNotEscapes) {
    EXPECT_EQ(Convert("AB", true), (Bytes{0x41, 0x00, 0x42, 0x00}));
    EXPECT_EQ(Convert("\\x41\\x00", true), (Bytes{0x41, 0x00}));
    EXPECT_EQ(Convert("A", true), (Bytes{0x41, 0x00}));
    EXPECT_EQ(Convert("A\\x00", true), (Bytes{0x41, 0x00, 0x00}));
    EXPECT_EQ(Convert("\\x41", true), (Bytes{0x41}));
}

TEST(PatternTextTest, LengthsBeyondSixteenBitsAreRefused) {
    std::vector<uint8_t> bytes{1};
    EXPECT_TRUE(CPatternText::Convert(std::string(CPatternText::kMaxLength, 'a'), false, bytes));
    EXPECT_EQ(bytes.size(), CPatternText::kMaxLength);
    EXPECT_FALSE(
        CPatternText::Convert(std::string(CPatternText::kMaxLength + 1, 'a'), false, bytes));
    EXPECT_TRUE(bytes.empty());
    // The text fits, the widened bytes do not.
    EXPECT_FALSE(CPatternText::Convert(std::string(40000, 'a'), true, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(PatternTextTest, TypedTextKeepsEveryCharacterOrNamesTheOneItCannot) {
    std::vector<uint8_t> bytes;
    std::string refused;
    // UTF-8 as the dialogs give it: あ is 82 A0 in Shift-JIS, é has no code there.
    ASSERT_TRUE(CPatternText::ConvertTyped("\\x41あ", false, bytes, refused));
    EXPECT_EQ(bytes, (Bytes{0x41, 0x82, 0xA0}));
    EXPECT_FALSE(CPatternText::ConvertTyped("aéb", false, bytes, refused));
    EXPECT_EQ(refused, "é");
    EXPECT_TRUE(bytes.empty());
    // With the Unicode option it is its own UTF-16 unit; an escape stops short of it.
    ASSERT_TRUE(CPatternText::ConvertTyped("aé\\x4é", true, bytes, refused));
    EXPECT_EQ(bytes, (Bytes{'a', 0, 0xE9, 0, 0x40, 0xE9, 0}));
    // Too long is told apart by an empty refused character.
    EXPECT_FALSE(CPatternText::ConvertTyped(std::string(20000, 'a') + "é" + std::string(20000, 'a'),
                                            true, bytes, refused));
    EXPECT_TRUE(refused.empty());
}
