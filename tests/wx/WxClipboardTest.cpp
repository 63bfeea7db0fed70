#include "platform/wx/WxClipboard.h"

#include <gtest/gtest.h>

#include "WxTestSupport.h"
#include "engine/BinData.h"
#include "engine/QXClipboard.h"
#include "engine/TextClipboard.h"
#include "platform/base/Afx.h"
#include "platform/wx/WxBackend.h"

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

namespace {
// Two documents' data on the real clipboard, as the commands use it.
class WxDocumentClipboardTest : public ::testing::Test {
protected:
    WxDocumentClipboardTest() : m_backend(m_dir.Path("quelm.conf")) {}
    static void Fill(CBinData& data, const Block& bytes) {
        data.InsertAt(0, bytes.data(), static_cast<int>(bytes.size()));
    }

    TempDir m_dir;
    CWxBackend m_backend;
    CBinData m_first, m_second;
};
} // namespace

TEST_F(WxDocumentClipboardTest, BytesCopiedInOneDocumentArriveExactlyInTheOther) {
    Fill(m_first, Block{0x00, 0xFF, 0x82, 0x00, 0x41});
    ASSERT_TRUE(m_first.SetSelection(0, 4));
    ASSERT_FALSE(m_first.CopyToClipboard());
    CWxProbe::Pump(50);
    Block pasted;
    ASSERT_FALSE(GetQXClipboard(pasted));
    EXPECT_EQ(pasted, (Block{0x00, 0xFF, 0x82, 0x00, 0x41}));

    // Another program's block that claims more bytes than it holds is no data at all.
    unsigned qx = m_backend.Clipboard().RegisterFormat("QXClipboard");
    CClipboardData broken;
    broken.Add(qx, Block{200, 0, 0, 0, 1, 2, 3});
    ASSERT_TRUE(m_backend.Clipboard().SetData(broken));
    CWxProbe::Pump(50);
    EXPECT_TRUE(GetQXClipboard(pasted));
}

TEST_F(WxDocumentClipboardTest, TextCopyShowsTheSameCharactersToOtherPrograms) {
    Fill(m_second, Bytes("\x93\xFA\x96\x7B ABC \xB1\xB2"));
    ASSERT_TRUE(m_second.SetSelection(0, 10));
    ASSERT_FALSE(m_second.CopyAsText());
    CWxProbe::Pump(50);
    EXPECT_EQ(CWxProbe::ClipboardText(), "日本 ABC ｱｲ");
    ASSERT_TRUE(m_second.SetSelection(7, 9));
    ASSERT_FALSE(m_second.CopyAsEscapedText());
    CWxProbe::Pump(50);
    EXPECT_EQ(CWxProbe::ClipboardText(), "C\\x20\\xB1");
}

TEST_F(WxDocumentClipboardTest, TextCopyComesBackExactlyUntilAnotherProgramTakesTheClipboard) {
    const Block bytes = {0x81, 0x20, 0xED, 0x40, 0x82, 0xA0, 0xFC, 0xFC, 0x41, 0x00, 0x42, 0xA0};
    ASSERT_FALSE(IsExactAsText(static_cast<int>(bytes.size()), bytes.data()));
    ASSERT_FALSE(PutTextClipboard(static_cast<int>(bytes.size()), bytes.data()));
    CWxProbe::Pump(50);
    EXPECT_EQ(GetTextClipboard(), bytes);
    std::string seen = CWxProbe::ClipboardText(); // converted, and cut at the zero
    EXPECT_NE(seen.find("あ"), std::string::npos);
    EXPECT_EQ(seen.find("B"), std::string::npos);

    CWxProbe::SetClipboardText("Zい");
    CWxProbe::Pump(50);
    EXPECT_EQ(GetTextClipboard(), (Block{'Z', 0x82, 0xA2}));
}
