#include "platform/wx/WxClipboard.h"

#include <gtest/gtest.h>

#include "WxTestSupport.h"
#include "platform/base/Afx.h"

namespace {
using Block = std::vector<uint8_t>;

Block Bytes(const std::string& s) {
    return Block(s.begin(), s.end());
}

} // namespace

TEST(WxClipboardTest, RegisteredFormatsKeepTheirNumbers) {
    CWxClipboard clipboard;
    unsigned first = clipboard.RegisterFormat("QXClipboard");
    unsigned second = clipboard.RegisterFormat("Other Format");
    EXPECT_EQ(first, 0xC000u);
    EXPECT_EQ(second, 0xC001u);
    EXPECT_EQ(clipboard.RegisterFormat("QXClipboard"), first);
}

TEST(WxClipboardTest, PrivateBlockAndTextAreOfferedTogether) {
    CWxClipboard clipboard;
    unsigned qx = clipboard.RegisterFormat("QXClipboard");
    Block raw = {3, 0, 0, 0, 0x00, 0xFF, 0x82};
    CClipboardData data;
    data.Add(qx, raw);
    data.Add(CF_TEXT, Bytes("\x82\xA0\x93\xFA"
                            "ABC\xB1"
                            "\0"));
    ASSERT_TRUE(clipboard.SetData(data));
    CWxProbe::Pump(50);

    EXPECT_TRUE(clipboard.IsFormatAvailable(qx));
    EXPECT_TRUE(clipboard.IsFormatAvailable(CF_TEXT));
    Block back;
    ASSERT_TRUE(clipboard.GetData(qx, back));
    EXPECT_EQ(back, raw); // the private block comes back byte for byte, zeros included
    // Other programs see Unicode text.
    EXPECT_EQ(CWxProbe::ClipboardText(), "あ日ABCｱ");
    ASSERT_TRUE(clipboard.GetData(CF_TEXT, back));
    EXPECT_EQ(back, Bytes(std::string("\x82\xA0\x93\xFA"
                                      "ABC\xB1",
                                      8) +
                          '\0'));
}

TEST(WxClipboardTest, TextFromOtherProgramsArrivesAsCodePage932) {
    CWxClipboard clipboard;
    unsigned qx = clipboard.RegisterFormat("QXClipboard");
    CWxProbe::SetClipboardText("漢字 and ｶﾅ €");
    CWxProbe::Pump(50);
    EXPECT_FALSE(clipboard.IsFormatAvailable(qx));
    Block back;
    EXPECT_FALSE(clipboard.GetData(qx, back));
    ASSERT_TRUE(clipboard.GetData(CF_TEXT, back));
    // The euro sign has no code in code page 932.
    EXPECT_EQ(back, Bytes(std::string("\x8A\xBF\x8E\x9A and \xB6\xC5 ?", 13) + '\0'));
}

TEST(WxClipboardTest, TextBlockEndsAtItsFirstZero) {
    EXPECT_EQ(CWxClipboard::TextOfBlock(Bytes(std::string("AB\0CD", 5))), "AB");
    EXPECT_EQ(CWxClipboard::TextOfBlock(Bytes("\x82\xA0")), "あ");
    EXPECT_EQ(CWxClipboard::TextOfBlock(Block()), "");
    EXPECT_EQ(CWxClipboard::BlockOfText("ｱ"), Block({0xB1, 0}));
}

TEST(WxClipboardTest, UnknownFormatNumbersAreRefused) {
    CWxClipboard clipboard;
    Block back;
    EXPECT_FALSE(clipboard.IsFormatAvailable(0xC005));
    EXPECT_FALSE(clipboard.GetData(0xC005, back));
    CClipboardData data;
    data.Add(0xC005, Bytes("x"));
    data.Add(CF_TEXT, Bytes("kept"));
    EXPECT_TRUE(clipboard.SetData(data));
    EXPECT_EQ(CWxProbe::ClipboardText(), "kept");
}
