#include <gtest/gtest.h>

#include "engine/QXClipboard.h"
#include "platform/base/Afx.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/StubHost.h"
#include "tests/TestSupport.h"

namespace {
const char kLimitMessage[] = "クリップボードへコピーするデータがサイズ上限を超えています";

class ClipboardTest : public ::testing::Test {
protected:
    unsigned QX() { return m_backend.m_clipboard.RegisterFormat("QXClipboard"); }
    Bytes Block(unsigned format) {
        Bytes block;
        EXPECT_TRUE(m_backend.m_clipboard.GetData(format, block));
        return block;
    }

    CHeadlessBackend m_backend;
    CStubHost m_host;
    CBinData m_data;
};
} // namespace

TEST_F(ClipboardTest, PrivateCopyPutsCountAndBytesOnly) {
    Fill(m_data, {0x00, 0xFF, 0x12});
    m_data.SetSelection(0, 1);
    EXPECT_FALSE(m_data.CopyToClipboard());
    EXPECT_EQ(Block(QX()), (Bytes{2, 0, 0, 0, 0x00, 0xFF}));
    EXPECT_EQ(m_backend.m_clipboard.Content().m_items.size(), 1u);
    Bytes got;
    EXPECT_FALSE(GetQXClipboard(got));
    EXPECT_EQ(got, (Bytes{0x00, 0xFF}));
}

TEST_F(ClipboardTest, NoSelectionCopiesNothingSilently) {
    Fill(m_data, Str("abc"));
    EXPECT_TRUE(m_data.CopyToClipboard());
    EXPECT_TRUE(m_data.CopyAsText());
    EXPECT_TRUE(m_data.CopyAsEscapedText());
    EXPECT_EQ(m_backend.m_clipboard.SetCount(), 0);
    EXPECT_TRUE(m_backend.m_messages.empty());
}

TEST_F(ClipboardTest, SizeLimitsAreInclusive) {
    Fill(m_data, Bytes(70000, 'z')); // text: the copy has nothing to warn of
    m_data.SetSelection(0, 65535);
    EXPECT_FALSE(m_data.CopyToClipboard());
    EXPECT_EQ(Block(QX()).size(), 65540u);
    EXPECT_FALSE(m_data.CopyAsText());
    m_data.SetSelection(0, 65536);
    EXPECT_TRUE(m_data.CopyToClipboard());
    EXPECT_TRUE(m_data.CopyAsText());
    ASSERT_EQ(m_backend.m_messages.size(), 2u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, kLimitMessage);
    EXPECT_EQ(m_backend.m_messages[0].m_nType, MB_ICONEXCLAMATION | MB_OK);
    EXPECT_EQ(m_backend.m_clipboard.SetCount(), 2); // the clipboard kept its content
    m_data.SetSelection(0, 31);
    EXPECT_FALSE(m_data.CopyAsEscapedText());
    m_data.SetSelection(0, 32);
    EXPECT_TRUE(m_data.CopyAsEscapedText());
    EXPECT_EQ(m_backend.m_messages.size(), 3u);
}

TEST_F(ClipboardTest, EscapedTextKeepsPrintableAsciiAndEscapesTheRest) {
    Fill(m_data, {0x41, 0x20, 0x5C, 0x0A, 0xE9, 0x7E, 0x21, 0x7F, 0x00});
    m_data.SetSelection(0, 8);
    EXPECT_FALSE(m_data.CopyAsEscapedText());
    Bytes text = Block(CF_TEXT);
    EXPECT_EQ(std::string(text.begin(), text.end()),
              std::string("A\\x20\\\\x0A\\xE9~!\\x7F\\x00") + '\0');
}

TEST_F(ClipboardTest, PlainTextKeepsZeroBytes) {
    Fill(m_data, {'a', 0, 'b'});
    m_data.SetSelection(0, 2);
    EXPECT_FALSE(m_data.CopyAsText());
    EXPECT_EQ(Block(CF_TEXT), (Bytes{'a', 0, 'b', 0}));
}

TEST_F(ClipboardTest, SelectionEndingOnTheAppendPositionCopiesExistingBytes) {
    Fill(m_data, Str("xyz"));
    ASSERT_TRUE(m_data.SetSelection(1, 3));
    EXPECT_FALSE(m_data.CopyToClipboard());
    EXPECT_EQ(Block(QX()), (Bytes{2, 0, 0, 0, 'y', 'z'}));
    ASSERT_TRUE(m_data.SetSelection(3, 3));
    EXPECT_TRUE(m_data.CopyAsText());
}

TEST_F(ClipboardTest, MalformedPrivateBlocksAreRefused) {
    Bytes got{9};
    EXPECT_TRUE(GetQXClipboard(got)); // nothing there
    CClipboardData data;
    data.Add(QX(), Bytes{200, 0, 0, 0, 1, 2, 3});
    m_backend.m_clipboard.SetData(data);
    EXPECT_TRUE(GetQXClipboard(got));
    CClipboardData shortBlock;
    shortBlock.Add(QX(), Bytes{1, 0});
    m_backend.m_clipboard.SetData(shortBlock);
    EXPECT_TRUE(GetQXClipboard(got));
    EXPECT_EQ(got, Bytes{9});
    CClipboardData empty;
    empty.Add(QX(), Bytes{0, 0, 0, 0});
    m_backend.m_clipboard.SetData(empty);
    EXPECT_FALSE(GetQXClipboard(got));
    EXPECT_TRUE(got.empty());
}

TEST_F(ClipboardTest, OffMemoryCopyNearTheEndGivesExactBytes) {
    TempDir dir;
    Bytes bytes = PositionPattern(3 << 20);
    CBinData data(1);
    ASSERT_EQ(data.LoadFile(dir.Write("big.bin", bytes), nullptr), 0);
    int first = (3 << 20) - 150;
    data.SetSelection(first, first + 99);
    EXPECT_FALSE(data.CopyToClipboard());
    Bytes got;
    ASSERT_FALSE(GetQXClipboard(got));
    EXPECT_EQ(got, Bytes(bytes.begin() + first, bytes.begin() + first + 100));
    data.SetSelection(600000, 600031);
    data.GetByte(0); // window elsewhere: the escaped copy moves it as it reads
    EXPECT_FALSE(data.CopyAsEscapedText());
    EXPECT_EQ(Block(CF_TEXT).size(),
              4u * 32u + 1u -
                  3u * size_t(std::count_if(bytes.begin() + 600000, bytes.begin() + 600032,
                                            [](uint8_t b) { return b >= 0x21 && b <= 0x7E; })));
}
