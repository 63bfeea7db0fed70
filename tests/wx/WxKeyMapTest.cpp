#include "platform/wx/WxKeyMap.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxCommandIds.h"

namespace {
bool HasEntry(const std::vector<wxAcceleratorEntry>& entries, int flags, int key, UINT cmd) {
    return std::any_of(entries.begin(), entries.end(), [&](const wxAcceleratorEntry& e) {
        return e.GetFlags() == flags && e.GetKeyCode() == key &&
               e.GetCommand() == CWxCommandIds::ToWx(cmd);
    });
}
} // namespace

TEST(WxKeyMapTest, KeysTranslateBothWays) {
    const std::pair<int, unsigned> keys[] = {
        {WXK_LEFT, VK_LEFT},
        {WXK_RIGHT, VK_RIGHT},
        {WXK_UP, VK_UP},
        {WXK_DOWN, VK_DOWN},
        {WXK_PAGEUP, VK_PRIOR},
        {WXK_PAGEDOWN, VK_NEXT},
        {WXK_HOME, VK_HOME},
        {WXK_END, VK_END},
        {WXK_INSERT, VK_INSERT},
        {WXK_DELETE, VK_DELETE},
        {WXK_BACK, VK_BACK},
        {WXK_RETURN, VK_RETURN},
        {WXK_ESCAPE, VK_ESCAPE},
        {WXK_TAB, VK_TAB},
        {WXK_SHIFT, VK_SHIFT},
        {WXK_CONTROL, VK_CONTROL},
        {WXK_ALT, VK_MENU},
        {WXK_F1, VK_F1},
        {WXK_F3, VK_F3},
        {WXK_F12, VK_F12},
        {'A', 'A'},
        {'Z', 'Z'},
        {'0', '0'},
        {' ', VK_SPACE},
        {WXK_NUMPAD0, 0x60},
        {',', 0xBC},
    };
    for (auto [wx, vk] : keys) {
        EXPECT_EQ(CWxKeyMap::VirtualKey(wx), vk) << "wx key " << wx;
        EXPECT_EQ(CWxKeyMap::WxKey(vk), wx) << "virtual key " << vk;
    }
    // Keypad keys with Num Lock off act as the main keys.
    EXPECT_EQ(CWxKeyMap::VirtualKey(WXK_NUMPAD_LEFT), VK_LEFT);
    EXPECT_EQ(CWxKeyMap::VirtualKey(WXK_NUMPAD_DELETE), VK_DELETE);
    EXPECT_EQ(CWxKeyMap::VirtualKey('q'), unsigned('Q'));
    EXPECT_EQ(CWxKeyMap::VirtualKey(WXK_NONE), 0u);
}

TEST(WxKeyMapTest, AcceleratorsCarryModifiersKeysAndCommands) {
    CAccelTableDef table;
    table.m_entries = {{FVIRTKEY | FCONTROL, 'Z', 57643},
                       {FVIRTKEY | FSHIFT, VK_F3, 32783},
                       {FVIRTKEY | FALT, VK_BACK, 57643},
                       {FVIRTKEY | FCONTROL | FSHIFT, 'B', 32865},
                       {FVIRTKEY | FCONTROL | FALT, 'V', 32830},
                       {FVIRTKEY | FSHIFT, VK_INSERT, 57637},
                       {FVIRTKEY, 0xFF, 1}}; // no such key: left out
    std::vector<wxAcceleratorEntry> entries = CWxKeyMap::Accelerators(table);
    EXPECT_TRUE(HasEntry(entries, wxACCEL_CTRL, 'Z', 57643));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_SHIFT, WXK_F3, 32783));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_ALT, WXK_BACK, 57643));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_CTRL | wxACCEL_SHIFT, 'B', 32865));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_CTRL | wxACCEL_ALT, 'V', 32830));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_SHIFT, WXK_INSERT, 57637));
    // The keypad's Insert works the same command.
    EXPECT_TRUE(HasEntry(entries, wxACCEL_SHIFT, WXK_NUMPAD_INSERT, 57637));
    EXPECT_EQ(entries.size(), 7u);
}

TEST(WxKeyMapTest, CharacterAcceleratorsNameTheTypedCharacter) {
    CAccelTableDef table;
    table.m_entries = {{0, 26, 100}, {0, 'a', 101}, {0, 'A', 102}, {0, '+', 103}};
    std::vector<wxAcceleratorEntry> entries = CWxKeyMap::Accelerators(table);
    EXPECT_TRUE(HasEntry(entries, wxACCEL_CTRL, 'Z', 100));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_NORMAL, 'A', 101));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_SHIFT, 'A', 102));
    EXPECT_TRUE(HasEntry(entries, wxACCEL_NORMAL, '+', 103));
}

TEST(WxKeyMapTest, TypedCharactersBecomeCodePage932) {
    auto plain = [](unsigned code) { return CWxKeyMap::Char{CWxKeyMap::Char::Plain, code}; };
    auto ime = [](unsigned code) { return CWxKeyMap::Char{CWxKeyMap::Char::Ime, code}; };
    auto same = [](CWxKeyMap::Char a, CWxKeyMap::Char b) {
        return a.m_kind == b.m_kind && a.m_nCode == b.m_nCode;
    };
    EXPECT_TRUE(same(CWxKeyMap::TranslateChar('a'), plain('a')));
    EXPECT_TRUE(same(CWxKeyMap::TranslateChar(8), plain(8)));
    EXPECT_TRUE(same(CWxKeyMap::TranslateChar(0x3042), ime(0x82A0))); // あ
    EXPECT_TRUE(same(CWxKeyMap::TranslateChar(0x6F22), ime(0x8ABF))); // 漢
    EXPECT_TRUE(same(CWxKeyMap::TranslateChar(0xFF71), ime(0xB1)));   // ｱ, one byte
    EXPECT_TRUE(same(CWxKeyMap::TranslateChar(0x20AC), plain('?')));  // € has no code
    EXPECT_TRUE(same(CWxKeyMap::TranslateChar(0x1F600), plain('?'))); // beyond 16 bits
    EXPECT_EQ(CWxKeyMap::TranslateChar(0).m_kind, CWxKeyMap::Char::None);
}

TEST(WxKeyMapTest, MouseFlagsUseThePlatformBits) {
    EXPECT_EQ(CWxKeyMap::MouseFlags(true, false, true, false), MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(CWxKeyMap::MouseFlags(false, true, false, true), MK_RBUTTON | MK_CONTROL);
    EXPECT_EQ(CWxKeyMap::MouseFlags(false, false, false, false), 0u);
}

TEST(WxCommandIdsTest, LargeIdsGetStableWxIdsThatComeBack) {
    EXPECT_EQ(CWxCommandIds::ToWx(1), 1);
    EXPECT_EQ(CWxCommandIds::ToWx(1051), 1051);
    int save = CWxCommandIds::ToWx(57603);
    int close = CWxCommandIds::ToWx(0xFFFE);
    EXPECT_LT(save, 0x7FFF);
    EXPECT_LT(close, 0x7FFF);
    EXPECT_NE(save, close);
    EXPECT_EQ(CWxCommandIds::ToWx(57603), save);
    EXPECT_EQ(CWxCommandIds::FromWx(save), 57603u);
    EXPECT_EQ(CWxCommandIds::FromWx(close), 0xFFFEu);
    EXPECT_EQ(CWxCommandIds::FromWx(1051), 1051u);
}

// A message box closed without choosing a button answers as the platform's boxes do.
TEST(WxMessageBoxTest, ClosingWithoutAnAnswerGivesTheSafeAnswer) {
    const int closed = -1;
    EXPECT_EQ(CWxBackend::MessageBoxAnswer(closed, MB_OK), IDOK);
    EXPECT_EQ(CWxBackend::MessageBoxAnswer(closed, MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(CWxBackend::MessageBoxAnswer(closed, MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(CWxBackend::MessageBoxAnswer(closed, MB_OKCANCEL), IDCANCEL);
}
