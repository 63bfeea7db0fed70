// The real Win32 clipboard of the wine session: blocks go out and come back exactly, and text
// is Unicode for every other program.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/base/win32/WinPath.h"
#include "platform/win32/Win32Clipboard.h"

namespace {
using Block = std::vector<uint8_t>;

// The program's text: code page 932 bytes ending in a zero.
Block Text(const std::string& cp932) {
    Block block(cp932.begin(), cp932.end());
    block.push_back(0);
    return block;
}

// What another program reading CF_UNICODETEXT gets.
std::wstring UnicodeOnTheClipboard() {
    if (!OpenClipboard(nullptr)) return L"(not opened)";
    std::wstring text;
    if (HANDLE mem = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(mem));
        GlobalUnlock(mem);
    }
    CloseClipboard();
    return text;
}
} // namespace

TEST(Win32Clipboard, BlocksOfARegisteredFormatComeBackExactlyBesideTheText) {
    CWin32Clipboard clipboard;
    unsigned qx = clipboard.RegisterFormat("QXClipboard");
    EXPECT_GE(qx, 0xC000u);
    EXPECT_EQ(qx, RegisterClipboardFormatW(L"QXClipboard")); // what another instance finds
    EXPECT_EQ(CWin32Clipboard().RegisterFormat("QXClipboard"), qx);
    Block bytes = {0x00, 0x01, 0xFF, 0x00, 0x82, 0xA0, 0x7F};
    CClipboardData data;
    data.Add(qx, bytes);
    data.Add(CF_TEXT, Text("\x82\xA0-ABC")); // "あ-ABC"
    ASSERT_TRUE(clipboard.SetData(data));
    EXPECT_TRUE(clipboard.IsFormatAvailable(qx));
    EXPECT_TRUE(clipboard.IsFormatAvailable(CF_TEXT));
    Block back;
    ASSERT_TRUE(clipboard.GetData(qx, back));
    EXPECT_EQ(back, bytes);
    ASSERT_TRUE(clipboard.GetData(CF_TEXT, back));
    EXPECT_EQ(back, Text("\x82\xA0-ABC"));
    EXPECT_EQ(UnicodeOnTheClipboard(), L"\u3042-ABC");
    // A new content replaces every format of the old one.
    CClipboardData only;
    only.Add(qx, Block{1, 2, 3});
    ASSERT_TRUE(clipboard.SetData(only));
    EXPECT_FALSE(clipboard.IsFormatAvailable(CF_TEXT));
    EXPECT_FALSE(clipboard.GetData(CF_TEXT, back));
}

TEST(Win32Clipboard, TextFromAnotherProgramArrivesAsCodePage932) {
    CWin32Clipboard clipboard;
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    const wchar_t text[] = L"\u65E5\u672C\u8A9E x";
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    memcpy(GlobalLock(mem), text, sizeof text);
    GlobalUnlock(mem);
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, mem));
    CloseClipboard();
    Block block;
    ASSERT_TRUE(clipboard.GetData(CF_TEXT, block));
    EXPECT_EQ(block, Text("\x93\xFA\x96\x7B\x8C\xEA x")); // 日本語 in code page 932
    EXPECT_FALSE(clipboard.IsFormatAvailable(clipboard.RegisterFormat("QXText")));
}
