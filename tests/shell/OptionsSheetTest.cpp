// The options sheet run as the user runs it: from the menu command of a started program, with
// the pages' controls changed and the sheet closed by OK, Cancel or Apply.
#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/base/Afx.h"
#include "platform/framework/PropertySheet.h"
#include "tests/shell/ShellFixture.h"
#include "view/RowView.h"

namespace {
using Script = CHeadlessBackend::DialogScript;

// What a click on a radio button does before the program hears of it.
void ClickRadio(CHeadlessWindowPeer& peer, UINT id, std::initializer_list<UINT> group) {
    for (UINT other : group)
        peer.SetItemCheck(other, other == id);
    peer.m_pOwner->OnCommandFromUI(id);
}

void ClickInitial(CHeadlessWindowPeer& peer, UINT id) {
    ClickRadio(peer, id, {IDC_INIT_VIEW, IDC_INIT_OVERWRITE, IDC_INIT_INSERT});
}

void ClickAllowed(CHeadlessWindowPeer& peer, UINT id) {
    ClickRadio(peer, id, {IDC_ALLOW_VIEW, IDC_ALLOW_OVERWRITE, IDC_ALLOW_ALL});
}

class OptionsSheetTest : public ShellFixture {
protected:
    void SetUp() override { Start(); }
    AppSettings& Settings() { return *m_app.m_pOptions; }
    void RunOptions(Script script) {
        m_backend.QueueDialog(std::move(script));
        ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_SETTINGS));
    }
};
} // namespace

TEST_F(OptionsSheetTest, ShowsTheSettingsAndOkStoresTheChangedOnes) {
    Settings().nMaxOnMemoryFileSize = 32;
    Settings().nJCode = 1;
    RunOptions([](CHeadlessWindowPeer& peer) {
        EXPECT_EQ(peer.m_request.m_strTitle, "基本設定");
        EXPECT_EQ(peer.m_request.m_pageCaptions, (std::vector<std::string>{"編集", "表示"}));
        EXPECT_EQ(peer.GetItemText(IDC_MEMORY_LIMIT), "32");
        EXPECT_EQ(peer.m_items[IDC_MEMORY_SPIN].m_nLow, 1);
        EXPECT_EQ(peer.m_items[IDC_MEMORY_SPIN].m_nHigh, 256);
        EXPECT_EQ(peer.GetItemCheck(IDC_BACKUP), 1);
        EXPECT_EQ(peer.GetItemCheck(IDC_JCODE_UNICODE), 1);
        EXPECT_EQ(peer.GetItemCheck(IDC_ALLOW_ALL), 1);
        ClickInitial(peer, IDC_INIT_INSERT);
        peer.SetItemCheck(IDC_BACKUP, 0);
        peer.SetItemCheck(IDC_READ_LAST_FILES, 1);
        peer.SetItemText(IDC_MEMORY_LIMIT, "200");
        ASSERT_TRUE(peer.SelectPage(1));
        ClickRadio(peer, IDC_JCODE_ASCII, {IDC_JCODE_SJIS, IDC_JCODE_UNICODE, IDC_JCODE_ASCII});
        peer.m_pOwner->OnCommandFromUI(IDOK);
    });
    EXPECT_EQ(Settings().InitialMode, 2);
    EXPECT_EQ(Settings().bBackup, 0);
    EXPECT_EQ(Settings().bReadLastFiles, 1);
    EXPECT_EQ(Settings().nMaxOnMemoryFileSize, 200);
    EXPECT_EQ(Settings().nJCode, 2);
    EXPECT_TRUE(m_backend.m_messages.empty());

    // A file opened afterwards starts in the new initial mode.
    auto* doc = m_app.OpenDocumentPath(m_dir.Write("a.bin", Str("abc")));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_nEditMode, 2);
}

TEST_F(OptionsSheetTest, InitialModeIsKeptWithinTheAllowedMode) {
    // Only possible through hand-edited settings: VIEW only, but insert as the initial mode.
    Settings().AllowedMode = 0;
    Settings().InitialMode = 2;
    RunOptions([](CHeadlessWindowPeer& peer) {
        EXPECT_EQ(peer.GetItemCheck(IDC_INIT_VIEW), 1);
        EXPECT_EQ(peer.GetItemCheck(IDC_INIT_INSERT), 0);
        EXPECT_FALSE(peer.m_items[IDC_INIT_OVERWRITE].m_bEnabled);
        EXPECT_FALSE(peer.m_items[IDC_INIT_INSERT].m_bEnabled);
        peer.m_pOwner->OnCommandFromUI(IDOK);
    });
    EXPECT_EQ(Settings().InitialMode, 0);

    Settings().AllowedMode = 2;
    Settings().InitialMode = 2;
    RunOptions([](CHeadlessWindowPeer& peer) {
        EXPECT_TRUE(peer.m_items[IDC_INIT_INSERT].m_bEnabled);
        ClickAllowed(peer, IDC_ALLOW_OVERWRITE);
        // Narrowed to VIEW and overwrite: insert falls back to VIEW, not to overwrite.
        EXPECT_EQ(peer.GetItemCheck(IDC_INIT_VIEW), 1);
        EXPECT_EQ(peer.GetItemCheck(IDC_INIT_OVERWRITE), 0);
        EXPECT_TRUE(peer.m_items[IDC_INIT_OVERWRITE].m_bEnabled);
        EXPECT_FALSE(peer.m_items[IDC_INIT_INSERT].m_bEnabled);
        ClickAllowed(peer, IDC_ALLOW_ALL);
        EXPECT_TRUE(peer.m_items[IDC_INIT_INSERT].m_bEnabled);
        ClickAllowed(peer, IDC_ALLOW_OVERWRITE);
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    // The clicks read the page, but Cancel drops what they read.
    EXPECT_EQ(Settings().AllowedMode, 2);
    EXPECT_EQ(Settings().InitialMode, 2);
}

TEST_F(OptionsSheetTest, AllowedModeClickWithABadLimitTellsOnceAndGoesBackToTheLimit) {
    Settings().InitialMode = 2;
    RunOptions([this](CHeadlessWindowPeer& peer) {
        peer.SetItemText(IDC_MEMORY_LIMIT, "0");
        peer.m_nFocusItem = IDC_ALLOW_VIEW;
        ClickAllowed(peer, IDC_ALLOW_VIEW);
        ASSERT_EQ(m_backend.m_messages.size(), 1u);
        EXPECT_EQ(m_backend.m_messages[0].m_strText, "1 から 256 までの整数を入力してください。");
        EXPECT_EQ(peer.m_nFocusItem, IDC_MEMORY_LIMIT);
        // The rule still holds for the radios.
        EXPECT_EQ(peer.GetItemCheck(IDC_INIT_VIEW), 1);
        EXPECT_FALSE(peer.m_items[IDC_INIT_INSERT].m_bEnabled);
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    EXPECT_EQ(Settings().InitialMode, 2);
    EXPECT_EQ(Settings().nMaxOnMemoryFileSize, 16);
}

TEST_F(OptionsSheetTest, OnMemoryLimitOutsideItsRangeKeepsTheSheetOpen) {
    RunOptions([this](CHeadlessWindowPeer& peer) {
        peer.SetItemText(IDC_MEMORY_LIMIT, "300");
        peer.m_nFocusItem = IDOK;
        peer.m_pOwner->OnCommandFromUI(IDOK);
        EXPECT_TRUE(peer.m_bModal);
        ASSERT_EQ(m_backend.m_messages.size(), 1u);
        EXPECT_EQ(m_backend.m_messages[0].m_strText, "1 から 256 までの整数を入力してください。");
        EXPECT_EQ(peer.m_nFocusItem, IDC_MEMORY_LIMIT);
        // Leaving the page is refused as well.
        EXPECT_FALSE(peer.SelectPage(1));
        // Not a number, or one beyond 32 bits (not wrapped round into 1).
        for (const char* text : {"12a", "4294967297"}) {
            peer.SetItemText(IDC_MEMORY_LIMIT, text);
            peer.m_pOwner->OnCommandFromUI(IDOK);
            EXPECT_TRUE(peer.m_bModal);
            EXPECT_EQ(m_backend.m_messages.back().m_strText, "整数を入力してください。");
        }
        peer.SetItemText(IDC_MEMORY_LIMIT, "256");
        peer.m_pOwner->OnCommandFromUI(IDOK);
        EXPECT_FALSE(peer.m_bModal);
    });
    EXPECT_EQ(m_backend.m_messages.size(), 4u);
    EXPECT_EQ(Settings().nMaxOnMemoryFileSize, 256);
}

TEST_F(OptionsSheetTest, RefusedLimitIsNotStoredByCancelOrApply) {
    RunOptions([this](CHeadlessWindowPeer& peer) {
        peer.SetItemCheck(IDC_BACKUP, 0);
        peer.SetItemText(IDC_MEMORY_LIMIT, "0");
        peer.m_pOwner->OnCommandFromUI(IDOK);
        peer.m_pOwner->OnCommandFromUI(CPropertySheet::kApplyID);
        EXPECT_EQ(m_backend.m_messages.size(), 2u);
        EXPECT_EQ(Settings().bBackup, 1); // nothing of the refused page was applied
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    EXPECT_EQ(Settings().nMaxOnMemoryFileSize, 16);
    EXPECT_EQ(Settings().bBackup, 1);
    // The next opening shows the stored limit and says nothing.
    RunOptions([](CHeadlessWindowPeer& peer) {
        EXPECT_EQ(peer.GetItemText(IDC_MEMORY_LIMIT), "16");
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    EXPECT_EQ(m_backend.m_messages.size(), 2u);
}

TEST_F(OptionsSheetTest, CancelGoesBackToTheOpeningOrTheLastApply) {
    RunOptions([](CHeadlessWindowPeer& peer) {
        peer.SetItemCheck(IDC_EDIT_SHORTCUT, 1);
        ASSERT_TRUE(peer.SelectPage(1)); // the edit page is read on leaving
        ClickRadio(peer, IDC_SYNC_RELATIVE, {IDC_SYNC_ADDRESS, IDC_SYNC_RELATIVE});
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    EXPECT_EQ(Settings().bEditShortcut, 0);
    EXPECT_EQ(Settings().m_bSyncscrollTYpe, 0);

    // Apply stores the pages at once; the sheet stays open, and Cancel keeps what was applied.
    RunOptions([this](CHeadlessWindowPeer& peer) {
        peer.SetItemCheck(IDC_BACKUP, 0);
        peer.m_pOwner->OnCommandFromUI(CPropertySheet::kApplyID);
        EXPECT_TRUE(peer.m_bModal);
        EXPECT_EQ(Settings().bBackup, 0);
        peer.SetItemCheck(IDC_EDIT_SHORTCUT, 1);
        ASSERT_TRUE(peer.SelectPage(1));
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    EXPECT_EQ(Settings().bBackup, 0);
    EXPECT_EQ(Settings().bEditShortcut, 0);
}

TEST_F(OptionsSheetTest, AddressMatchAlignsTheGroupEvenWhenCancelled) {
    const std::string a = m_dir.Write("a.bin", PositionPattern(0x4000));
    const std::string b = m_dir.Write("b.bin", PositionPattern(0x4000));
    m_app.OpenDocumentPath(a);
    m_app.OpenDocumentPath(b);
    Settings().m_bSyncscrollTYpe = 1;
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_SYNC_ALL));
    ASSERT_EQ(m_app.MainFrame()->m_arrSyncViews.size(), 2u);
    CRowView* first = m_app.MainFrame()->m_arrSyncViews[0];
    CRowView* second = m_app.MainFrame()->m_arrSyncViews[1];
    first->m_nFirstRow = 40;
    second->m_nFirstRow = 10;
    RunOptions([](CHeadlessWindowPeer& peer) {
        ASSERT_TRUE(peer.SelectPage(1));
        EXPECT_EQ(peer.GetItemCheck(IDC_SYNC_RELATIVE), 1);
        ClickRadio(peer, IDC_SYNC_ADDRESS, {IDC_SYNC_ADDRESS, IDC_SYNC_RELATIVE});
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    EXPECT_EQ(first->m_nFirstRow, second->m_nFirstRow);
    EXPECT_EQ(Settings().m_bSyncscrollTYpe, 1); // the setting itself was cancelled
}
