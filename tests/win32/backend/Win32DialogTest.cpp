#include "platform/win32/Win32DialogPeer.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/framework/PropertySheet.h"
#include "platform/framework/Wnd.h"

namespace {
constexpr UINT kEdit = 101, kCombo = 102, kCheck = 103, kList = 104, kFind = 105;

CControlDef Control(CControlDef::Kind kind, UINT id, std::string text, unsigned style = 0) {
    CControlDef c;
    c.m_kind = kind;
    c.m_nID = id;
    c.m_text = std::move(text);
    c.m_rect = CRect(7, 7, 100, 21);
    c.m_style = style;
    return c;
}

CDialogDef FindLike() {
    CDialogDef def;
    def.m_nID = 1;
    def.m_caption = "検索";
    def.m_size = CSize(200, 100);
    def.m_controls = {
        Control(CControlDef::Edit, kEdit, "", CControlDef::kGroup),
        Control(CControlDef::DropList, kCombo, ""),
        Control(CControlDef::CheckBox, kCheck, "大文字/小文字を区別する"),
        Control(CControlDef::ListBox, kList, ""),
        Control(CControlDef::DefPushButton, kFind, "次を検索"),
        Control(CControlDef::PushButton, IDCANCEL, "キャンセル"),
    };
    return def;
}

class CCommandLog : public CWnd {
public:
    std::vector<UINT> m_commands;
    void OnCommandFromUI(UINT id) override { m_commands.push_back(id); }
};

CWindowRequest DialogRequest(const CDialogDef& def) {
    CWindowRequest r;
    r.m_kind = CWindowRequest::Dialog;
    r.m_pDialog = &def;
    r.m_strTitle = def.m_caption;
    return r;
}

HWND Item(const CWnd& wnd, UINT id) {
    return GetDlgItem(CWin32WindowPeer::Of(&wnd)->GetHwnd(), static_cast<int>(id));
}

void PressKey(HWND focus, WPARAM key) {
    MSG msg{focus, WM_KEYDOWN, key, 0, 0, {}};
    if (!CWin32DialogPeer::IsDialogKey(msg)) DispatchMessageW(&msg);
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
} // namespace

// The template makes the system's controls: the default button is the default, the check box
// checks itself, and texts go in and out as UTF-8.
TEST(Win32DialogTest, TemplateMakesTheSystemsControls) {
    CTestBackend backend;
    CDialogDef def = FindLike();
    CCommandLog dialog;
    ASSERT_TRUE(dialog.CreatePeer(DialogRequest(def)));
    auto* peer = dynamic_cast<CDialogPeer*>(dialog.GetPeer());

    EXPECT_EQ(GetWindowLongW(Item(dialog, kFind), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(Item(dialog, kCheck), GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);
    EXPECT_TRUE(GetWindowLongW(Item(dialog, kEdit), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(dialog.GetWindowText(), "検索");

    peer->SetItemText(kEdit, "\\x0Aあ");
    EXPECT_EQ(peer->GetItemText(kEdit), "\\x0Aあ");
    peer->SetComboItems(kCombo, {"シフトJIS", "Unicode"});
    peer->SetItemText(kCombo, "Unicode");
    EXPECT_EQ(peer->GetItemText(kCombo), "Unicode");
    peer->SetComboItems(kList, {"one", "two"});
    peer->SetItemText(kList, "two");
    EXPECT_EQ(peer->GetItemText(kList), "two");
    peer->SetItemCheck(kCheck, 1);
    EXPECT_EQ(peer->GetItemCheck(kCheck), 1);
    peer->EnableItem(kFind, false);
    EXPECT_FALSE(IsWindowEnabled(Item(dialog, kFind)));
}

// The dialog manager's keys: Escape is Cancel, Enter the default button, and a click the
// button's command; each reaches the owner.
TEST(Win32DialogTest, KeysAndClicksBecomeCommands) {
    CTestBackend backend;
    CDialogDef def = FindLike();
    CCommandLog dialog;
    ASSERT_TRUE(dialog.CreatePeer(DialogRequest(def)));
    dialog.ShowWindow(true);
    SetFocus(Item(dialog, kEdit));
    PressKey(Item(dialog, kEdit), VK_ESCAPE);
    PressKey(Item(dialog, kEdit), VK_RETURN);
    SendMessageW(Item(dialog, kCheck), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.m_commands, (std::vector<UINT>{IDCANCEL, kFind, kCheck}));
    EXPECT_EQ(dynamic_cast<CDialogPeer*>(dialog.GetPeer())->GetItemCheck(kCheck), 1);
}

// A property sheet's pages are child dialogs on a tab control: their controls are reached by
// id through the sheet, and only the front page shows.
TEST(Win32DialogTest, SheetReachesEveryPage) {
    CTestBackend backend;
    CDialogDef first = FindLike(), second;
    second.m_nID = 2;
    second.m_size = CSize(150, 60);
    second.m_bChild = true;
    second.m_controls = {Control(CControlDef::Edit, 201, "", CControlDef::kNumber)};
    CWindowRequest r;
    r.m_kind = CWindowRequest::PropertySheet;
    r.m_strTitle = "基本設定";
    r.m_pages = {&first, &second};
    r.m_pageCaptions = {"検索", "編集"};
    CCommandLog sheet;
    ASSERT_TRUE(sheet.CreatePeer(r));
    auto* peer = dynamic_cast<CDialogPeer*>(sheet.GetPeer());
    peer->SetItemText(201, "16");
    EXPECT_EQ(peer->GetItemText(201), "16");
    HWND secondEdit = nullptr;
    EnumChildWindows(
        CWin32WindowPeer::Of(&sheet)->GetHwnd(),
        [](HWND hwnd, LPARAM out) {
            if (GetDlgCtrlID(hwnd) == 201) *reinterpret_cast<HWND*>(out) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&secondEdit));
    ASSERT_NE(secondEdit, nullptr);
    EXPECT_TRUE(GetWindowLongW(secondEdit, GWL_STYLE) & ES_NUMBER);
    EXPECT_FALSE(IsWindowVisible(GetParent(secondEdit)));
}
