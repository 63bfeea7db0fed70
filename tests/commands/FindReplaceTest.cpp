#include <gtest/gtest.h>

#include "commands/EditModes.h"
#include "commands/FindReplaceCommands.h"
#include "commands/FindReplaceDlg.h"
#include "commands/SearchHistory.h"
#include "engine/QXClipboard.h"
#include "tests/view/ViewFixture.h"

namespace {
const char kNotFound[] = "指定した文字列は見つかりませんでした。";
const char kSearchEnded[] = "検索は終了しました";
} // namespace

class FindReplaceTest : public ViewFixture {
protected:
    FindReplaceTest() {
        m_app.SetRegistryKey("Test");
        auto set = std::make_unique<CFindReplaceCommands>(*m_frame);
        m_pSet = set.get();
        m_frame->AttachCommandSet(std::move(set));
    }
    CFindReplaceDlg& FindDlg() { return m_pSet->FindDialog(); }
    CFindReplaceDlg& ReplaceDlg() { return m_pSet->ReplaceDialog(); }
    // The dialog's window; a dialog never opened is opened first, as a user would.
    CHeadlessWindowPeer& DlgPeer(CFindReplaceDlg& dlg) {
        if (!dlg.IsCreated()) dlg.ShowWindow(true);
        return *Peer(&dlg);
    }
    // Opens the dialog if it is hidden, types into its controls and presses one of its buttons.
    void Press(CFindReplaceDlg& dlg, UINT button, const std::string& find,
               const std::string& replace = "") {
        if (!dlg.IsWindowVisible()) dlg.ShowWindow(true);
        DlgPeer(dlg).SetItemText(IDC_FIND_TEXT, find);
        DlgPeer(dlg).SetItemText(IDC_REPLACE_TEXT, replace);
        dlg.OnCommandFromUI(button);
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : m_backend.m_messages)
            texts.push_back(m.m_strText);
        return texts;
    }
    int Selection(CKolvaView* view) {
        return Data(view).m_bSelection ? Data(view).m_nSelStart : -1;
    }
    void SetMode(CKolvaView* view, int mode) { view->GetDocument()->m_nEditMode = mode; }

    CFindReplaceCommands* m_pSet = nullptr;
};

TEST_F(FindReplaceTest, HistoryKeepsTenNewestFirstWithoutRepeatingTheNewest) {
    CSearchHistory history("Find");
    history.Add("abc");
    history.Add("abc");
    EXPECT_EQ(history.Entries()[0], "abc");
    EXPECT_EQ(history.Entries()[1], "");
    history.Add("xyz");
    history.Add("abc");
    EXPECT_EQ(history.Entries()[0], "abc");
    EXPECT_EQ(history.Entries()[1], "xyz");
    EXPECT_EQ(history.Entries()[2], "abc"); // an older duplicate stays
    history.Add("");
    EXPECT_EQ(history.Entries()[0], "abc");

    for (int i = 0; i < 11; ++i)
        history.Add("t" + std::to_string(i));
    std::vector<std::string> entries = history.Entries();
    ASSERT_EQ(entries.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(entries[i], "t" + std::to_string(10 - i));
    EXPECT_EQ(CSearchHistory("Replace").Entries()[0], "");
}

TEST_F(FindReplaceTest, DropDownListsTheHistoryOfItsOwnBox) {
    Open(Bytes{'a', 'b'});
    Press(ReplaceDlg(), IDC_FIND_NEXT, "ab", "cd");
    ReplaceDlg().OnDropDown(IDC_FIND_TEXT);
    ReplaceDlg().OnDropDown(IDC_REPLACE_TEXT);
    EXPECT_EQ(DlgPeer(ReplaceDlg()).m_items[IDC_FIND_TEXT].m_list.at(0), "ab");
    EXPECT_EQ(DlgPeer(ReplaceDlg()).m_items[IDC_REPLACE_TEXT].m_list.at(0), "cd");
    EXPECT_EQ(DlgPeer(ReplaceDlg()).m_items[IDC_REPLACE_TEXT].m_list.size(), 10u);
    // Showing fills the list too: an empty list may never drop down.
    m_frame->OnCommandFromUI(ID_EDIT_FIND);
    EXPECT_EQ(DlgPeer(FindDlg()).m_items[IDC_FIND_TEXT].m_list.at(0), "ab");
}

TEST_F(FindReplaceTest, WindowsComeWhenFirstShownAndKeepWhatWasTypedAcrossHiding) {
    Open(Bytes{'a', 'b'});
    EXPECT_FALSE(FindDlg().IsCreated());
    EXPECT_FALSE(ReplaceDlg().IsCreated());
    m_pSet->Hide();
    m_frame->OnCommandFromUI(ID_EDIT_REPLACE);
    EXPECT_FALSE(FindDlg().IsCreated());
    CHeadlessWindowPeer& peer = DlgPeer(ReplaceDlg());
    peer.SetItemText(IDC_FIND_TEXT, "ab");
    peer.SetItemText(IDC_REPLACE_TEXT, "cd");
    peer.SetItemCheck(IDC_MATCH_CASE, 0);
    peer.SetItemCheck(IDC_UNICODE, 1);
    ReplaceDlg().OnCommandFromUI(IDCANCEL);
    EXPECT_FALSE(peer.m_bVisible);
    m_frame->OnCommandFromUI(ID_EDIT_REPLACE);
    EXPECT_EQ(&DlgPeer(ReplaceDlg()), &peer);
    EXPECT_EQ(peer.GetItemText(IDC_FIND_TEXT), "ab");
    EXPECT_EQ(peer.GetItemText(IDC_REPLACE_TEXT), "cd");
    EXPECT_EQ(peer.GetItemCheck(IDC_MATCH_CASE), 0);
    EXPECT_EQ(peer.GetItemCheck(IDC_UNICODE), 1);
    EXPECT_EQ(ReplaceDlg().m_strReplace, "cd");
}

TEST_F(FindReplaceTest, FindHidesOnSuccessAndStaysAfterFailure) {
    CKolvaView* view = Open(Bytes{0, 1, 0x0A, 'x', 0x0A});
    m_frame->OnCommandFromUI(ID_EDIT_FIND);
    EXPECT_TRUE(DlgPeer(FindDlg()).m_bVisible);
    EXPECT_EQ(DlgPeer(FindDlg()).m_strText, "検索 - [" + view->GetDocument()->GetTitle() + "]");

    Press(FindDlg(), IDC_FIND_DOWN, "\\n");
    EXPECT_EQ(Selection(view), 2);
    EXPECT_FALSE(DlgPeer(FindDlg()).m_bVisible);
    EXPECT_EQ(m_backend.Focus(), Peer(view));

    m_frame->OnCommandFromUI(ID_EDIT_FIND);
    Press(FindDlg(), IDC_FIND_DOWN, "zz");
    EXPECT_TRUE(DlgPeer(FindDlg()).m_bVisible);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kNotFound});
    EXPECT_EQ(Beeps(), 1u);
}

TEST_F(FindReplaceTest, FindAgainGoesOnFromTheMatchAndWrapsWithoutEndingTheSearch) {
    CKolvaView* view = Open(Bytes{'a', 'b', 'x', 'a', 'b', 'x', 'a', 'b'});
    EXPECT_FALSE(Enabled(ID_SEARCH_DOWN)); // nothing to search for yet
    Press(FindDlg(), IDC_FIND_DOWN, "ab");
    EXPECT_EQ(Selection(view), 0);
    EXPECT_TRUE(Enabled(ID_SEARCH_DOWN));
    std::vector<int> found;
    for (int i = 0; i < 4; ++i) {
        m_backend.PressKey(VK_F3);
        // As in the real program, the search runs after the key's own handling.
        EXPECT_EQ(Selection(view), found.empty() ? 0 : found.back());
        EXPECT_EQ(m_backend.PumpMessages(), 1);
        found.push_back(Selection(view));
    }
    EXPECT_EQ(found, (std::vector<int>{3, 6, 0, 3}));
    m_backend.PressKey(VK_F3, FSHIFT);
    m_backend.PumpMessages();
    EXPECT_EQ(Selection(view), 0);
    EXPECT_EQ(DlgPeer(FindDlg()).m_nPostedCommands, 5);
    EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(FindReplaceTest, FindAgainWithNothingLeftSaysNotFoundNeverSearchEnded) {
    CKolvaView* view = Open(Bytes{'a', 'b', 'c'});
    Press(FindDlg(), IDC_FIND_DOWN, "b");
    Data(view).ReplaceSelection(1, Bytes{'z'}.data());
    m_backend.PressKey(VK_F3);
    m_backend.PumpMessages();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kNotFound});
}

TEST_F(FindReplaceTest, EmptyTextDoesNothingAndClipboardOptionSearchesItsBytes) {
    CKolvaView* view = Open(Bytes{1, 2, 3, 4});
    Press(FindDlg(), IDC_FIND_DOWN, "");
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(Beeps(), 0u);

    DlgPeer(FindDlg()).SetItemCheck(IDC_SEARCH_CLIPBOARD, 1);
    FindDlg().OnCommandFromUI(IDC_SEARCH_CLIPBOARD);
    EXPECT_FALSE(DlgPeer(FindDlg()).m_items[IDC_FIND_TEXT].m_bEnabled);
    FindDlg().OnCommandFromUI(IDC_FIND_DOWN);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"クリップボードが空です"});
    EXPECT_EQ(Beeps(), 1u);

    const uint8_t bytes[] = {3, 4};
    PutQXClipboard(2, bytes);
    FindDlg().OnCommandFromUI(IDC_FIND_DOWN);
    EXPECT_EQ(Selection(view), 2);
}

TEST_F(FindReplaceTest, RangeRadiosFollowTheRegisteredRange) {
    CKolvaView* view = Open(Bytes(64, 'a'));
    m_frame->OnCommandFromUI(ID_EDIT_REPLACE);
    CHeadlessWindowPeer& peer = DlgPeer(ReplaceDlg());
    EXPECT_FALSE(peer.m_items[IDC_RANGE_REGISTERED].m_bEnabled);
    EXPECT_EQ(peer.m_items[IDC_RANGE_WHOLE].m_nCheck, 1);

    Data(view).m_nRegStart = 16;
    Data(view).m_nRegEnd = 31;
    Data(view).m_bRegistered = true;
    // Registering while shown enables the radio but keeps the choice.
    m_pSet->RefreshFor(view);
    EXPECT_TRUE(peer.m_items[IDC_RANGE_REGISTERED].m_bEnabled);
    EXPECT_EQ(ReplaceDlg().m_nRange, CFindReplaceDlg::kWholeFile);
    // Showing chooses it.
    ReplaceDlg().ShowWindow(true);
    EXPECT_EQ(ReplaceDlg().m_nRange, CFindReplaceDlg::kRegisteredRange);
    // Replace all stays on whichever radio is clicked.
    peer.SetItemCheck(IDC_RANGE_REGISTERED, 0);
    peer.SetItemCheck(IDC_RANGE_WHOLE, 1);
    ReplaceDlg().OnCommandFromUI(IDC_RANGE_WHOLE);
    EXPECT_TRUE(peer.m_items[IDC_REPLACE_ALL].m_bEnabled);

    Data(view).m_bRegistered = false;
    m_pSet->RefreshFor(view);
    EXPECT_FALSE(peer.m_items[IDC_RANGE_REGISTERED].m_bEnabled);
    EXPECT_EQ(ReplaceDlg().m_nRange, CFindReplaceDlg::kWholeFile);
}

TEST_F(FindReplaceTest, ReplaceNeedsAnEditableDocument) {
    CKolvaView* view = Open(Bytes{1});
    SetMode(view, kModeView);
    EXPECT_FALSE(Enabled(ID_EDIT_REPLACE));
    EXPECT_TRUE(Enabled(ID_EDIT_FIND));
    ReplaceDlg().ShowWindow(true);
    for (UINT id : {IDC_FIND_NEXT, IDC_REPLACE, IDC_REPLACE_ALL})
        EXPECT_FALSE(DlgPeer(ReplaceDlg()).m_items[id].m_bEnabled) << id;
    SetMode(view, kModeInsert);
    m_pSet->RefreshFor(view);
    EXPECT_TRUE(Enabled(ID_EDIT_REPLACE));
    EXPECT_TRUE(DlgPeer(ReplaceDlg()).m_items[IDC_REPLACE_ALL].m_bEnabled);
}

TEST_F(FindReplaceTest, ReplaceFirstFindsThenReplacesAndFindsOn) {
    CKolvaView* view = Open(Bytes{'a', 'b', 'a', 'b', 'a', 'b'});
    Press(ReplaceDlg(), IDC_REPLACE, "ab", "X");
    EXPECT_EQ(Content(Data(view)), (Bytes{'a', 'b', 'a', 'b', 'a', 'b'}));
    EXPECT_EQ(Selection(view), 0);
    Press(ReplaceDlg(), IDC_REPLACE, "ab", "X");
    EXPECT_EQ(Content(Data(view)), (Bytes{'X', 'a', 'b', 'a', 'b'}));
    EXPECT_EQ(Selection(view), 1);
    Press(ReplaceDlg(), IDC_REPLACE, "ab", "X");
    EXPECT_EQ(Content(Data(view)), (Bytes{'X', 'X', 'a', 'b'}));
    EXPECT_TRUE(view->GetDocument()->IsModified());
    // A changed text starts again with a find.
    Press(ReplaceDlg(), IDC_REPLACE, "X", "Y");
    EXPECT_EQ(Content(Data(view)), (Bytes{'X', 'X', 'a', 'b'}));
}

TEST_F(FindReplaceTest, ReplaceAllReportsTheCount) {
    CKolvaView* view = Open(Bytes{'a', 'b', 'a', 'b'});
    Press(ReplaceDlg(), IDC_REPLACE_ALL, "ab", "x");
    EXPECT_EQ(Content(Data(view)), (Bytes{'x', 'x'}));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"2個の文字列を置換しました"});
    Press(ReplaceDlg(), IDC_REPLACE_ALL, "ab", "x");
    EXPECT_EQ(MessageTexts().back(), kNotFound);
    EXPECT_EQ(Beeps(), 1u);
}

TEST_F(FindReplaceTest, OverwriteModeRefusesPatternsOfDifferentLengths) {
    CKolvaView* view = Open(Bytes{'a', 'b', 'a', 'b'});
    SetMode(view, kModeOverwrite);
    Press(ReplaceDlg(), IDC_REPLACE_ALL, "ab", "abc");
    EXPECT_EQ(Content(Data(view)), (Bytes{'a', 'b', 'a', 'b'}));
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(MessageTexts()[0].rfind("置換前と置換後の文字列の長さが異なります。", 0), 0u);
    EXPECT_EQ(Beeps(), 1u);
    SetMode(view, kModeInsert);
    Press(ReplaceDlg(), IDC_REPLACE_ALL, "ab", "abc");
    EXPECT_EQ(Content(Data(view)), (Bytes{'a', 'b', 'c', 'a', 'b', 'c'}));
}

TEST_F(FindReplaceTest, ContinuedFindSaysTheSearchHasEnded) {
    Open(Bytes{'a', 'b', 'c'});
    Press(ReplaceDlg(), IDC_FIND_NEXT, "b");
    Press(ReplaceDlg(), IDC_FIND_NEXT, "b");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kSearchEnded});
    EXPECT_EQ(Beeps(), 0u);
}

TEST_F(FindReplaceTest, InsertStringPutsTheBytesOnThePrivateClipboard) {
    Open(Bytes{1});
    m_backend.QueueDialog([](CHeadlessWindowPeer& dlg) {
        dlg.SetItemText(IDC_INSERT_TEXT, "A\\\\\\x00");
        dlg.SetItemCheck(IDC_UNICODE, 1);
        dlg.m_pOwner->OnCommandFromUI(IDOK);
    });
    m_frame->OnCommandFromUI(ID_EDIT_INSERT_STRING);
    std::vector<uint8_t> bytes;
    ASSERT_FALSE(GetQXClipboard(bytes));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0x41, 0x00, '\\', 0x00}));
}

TEST_F(FindReplaceTest, DialogsDoNothingWithoutADocumentWindow) {
    Press(FindDlg(), IDC_FIND_DOWN, "a");
    Press(ReplaceDlg(), IDC_REPLACE_ALL, "a", "b");
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_FALSE(Enabled(ID_EDIT_FIND));
}

TEST_F(FindReplaceTest, ReplaceActsOnlyOnTheMatchTheLastFindInThisViewSelected) {
    CKolvaView* first = Open(Str("Hello World"), 30, "a.bin");
    Press(ReplaceDlg(), IDC_REPLACE, "o", "0");
    ASSERT_EQ(Selection(first), 4);
    // A selection made by hand is found past, not replaced.
    Data(first).SetSelection(6, 10);
    Data(first).m_nCaret = 11;
    Press(ReplaceDlg(), IDC_REPLACE, "o", "0");
    EXPECT_EQ(Content(Data(first)), Str("Hello World"));
    EXPECT_EQ(Selection(first), 4);
    // The last find ran in the first document: the second one's selection stays.
    CKolvaView* second = Open(Str("o and o"), 30, "b.bin");
    Data(second).SetSelection(0, 0);
    Data(second).m_nCaret = 1;
    Press(ReplaceDlg(), IDC_REPLACE, "o", "0");
    EXPECT_EQ(Content(Data(second)), Str("o and o"));
    EXPECT_EQ(Selection(second), 6);
    EXPECT_FALSE(second->GetDocument()->IsModified());
    // The case option decides what counts as the match.
    DlgPeer(ReplaceDlg()).SetItemCheck(IDC_MATCH_CASE, 0);
    Press(ReplaceDlg(), IDC_FIND_NEXT, "O", "0");
    ASSERT_EQ(Selection(second), 0);
    DlgPeer(ReplaceDlg()).SetItemCheck(IDC_MATCH_CASE, 1);
    Press(ReplaceDlg(), IDC_REPLACE, "O", "0");
    EXPECT_EQ(Content(Data(second)), Str("o and o"));
}

TEST_F(FindReplaceTest, OverwriteModeNeverChangesTheLength) {
    CKolvaView* view = Open(Str("abcdabcd"));
    SetMode(view, kModeOverwrite);
    Press(ReplaceDlg(), IDC_FIND_NEXT, "ab", "XY");
    Data(view).m_nCaret = 0;
    Press(FindDlg(), IDC_FIND_DOWN, "abcd"); // a longer match of the Find dialog
    Press(ReplaceDlg(), IDC_REPLACE, "ab", "XY");
    EXPECT_EQ(Content(Data(view)).size(), 8u);
    Press(ReplaceDlg(), IDC_REPLACE, "ab", "XY");
    EXPECT_EQ(Content(Data(view)), Str("abcdXYcd"));
    // A replacement of another length is refused before anything is searched, as in Replace all.
    Press(ReplaceDlg(), IDC_REPLACE, "ab", "XYZ");
    EXPECT_EQ(Content(Data(view)), Str("abcdXYcd"));
    EXPECT_EQ(MessageTexts().back().rfind("置換前と置換後の文字列の長さが異なります。", 0), 0u);
}

TEST_F(FindReplaceTest, RepeatedReplaceEndsWhenTheReplacementHoldsThePattern) {
    CKolvaView* view = Open(Str("a_"));
    Data(view).m_nCaret = 1;
    Press(ReplaceDlg(), IDC_REPLACE, "a", "aa");
    Press(ReplaceDlg(), IDC_REPLACE, "a", "aa");
    EXPECT_EQ(Content(Data(view)), Str("aa_"));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kSearchEnded});

    CKolvaView* other = Open(Str("aXa"), 30, "b.bin");
    for (int i = 0; i < 4; ++i)
        Press(ReplaceDlg(), IDC_REPLACE, "a", "aa");
    EXPECT_EQ(Content(Data(other)), Str("aaXaa"));
    EXPECT_EQ(MessageTexts().size(), 2u);
    // One undo step for each replacement.
    ASSERT_TRUE(m_frame->SendCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Content(Data(other)), Str("aaXa"));
}

TEST_F(FindReplaceTest, ReplaceWithoutALiveSelectionOnlyFinds) {
    CKolvaView* view = Open(Str("abab"));
    Press(ReplaceDlg(), IDC_FIND_NEXT, "ab", "X");
    ASSERT_EQ(Selection(view), 0);
    m_backend.PressKey(VK_RIGHT);
    ASSERT_EQ(Selection(view), -1);
    Press(ReplaceDlg(), IDC_REPLACE, "ab", "X");
    EXPECT_EQ(Content(Data(view)), Str("abab"));
    EXPECT_FALSE(view->GetDocument()->IsModified());
    EXPECT_EQ(Selection(view), 2);
}

TEST_F(FindReplaceTest, HidingAfterAFindKeepsTheRangeChoiceAndFailuresKeepTheCaret) {
    CKolvaView* view = Open(Str("ab______________ab______________"));
    Data(view).m_nRegStart = 16;
    Data(view).m_nRegEnd = 31;
    Data(view).m_bRegistered = true;
    m_frame->OnCommandFromUI(ID_EDIT_FIND);
    EXPECT_EQ(DlgPeer(FindDlg()).m_items[IDC_RANGE_REGISTERED].m_nCheck, 1);
    DlgPeer(FindDlg()).SetItemCheck(IDC_RANGE_REGISTERED, 0);
    DlgPeer(FindDlg()).SetItemCheck(IDC_RANGE_WHOLE, 1);
    Press(FindDlg(), IDC_FIND_DOWN, "ab");
    EXPECT_FALSE(DlgPeer(FindDlg()).m_bVisible);
    EXPECT_EQ(FindDlg().m_nRange, CFindReplaceDlg::kWholeFile);
    m_backend.PressKey(VK_F3);
    m_backend.PumpMessages();
    m_backend.PressKey(VK_F3);
    m_backend.PumpMessages();
    EXPECT_EQ(Selection(view), 0); // wrapped through the whole file

    // A failed search in the range leaves the caret where it is drawn, and typing goes there.
    m_frame->OnCommandFromUI(ID_EDIT_FIND);
    ASSERT_EQ(FindDlg().m_nRange, CFindReplaceDlg::kRegisteredRange);
    SetMode(view, kModeOverwrite);
    Data(view).SetSelection(-1, -1);
    Data(view).m_bSelection = false;
    Data(view).m_nCaret = 4;
    Press(FindDlg(), IDC_FIND_DOWN, "zz");
    EXPECT_EQ(Data(view).m_nCaret, 4);
    Type("7");
    EXPECT_EQ(Data(view).GetByte(4), 0x7F);
}

TEST_F(FindReplaceTest, CharactersOutsideShiftJisAreRefusedOrTakenAsUnicode) {
    CKolvaView* view = Open(Bytes{'?', 0xE9, 0x00, '?'});
    Press(FindDlg(), IDC_FIND_DOWN, "é");
    EXPECT_EQ(Selection(view), -1);
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(MessageTexts()[0].rfind("文字「é」(U+00E9) はShift-JISで表せません。", 0), 0u);
    EXPECT_EQ(m_backend.m_messages[0].m_nType & MB_ICONMASK, MB_ICONSTOP);

    DlgPeer(FindDlg()).SetItemCheck(IDC_UNICODE, 1);
    Press(FindDlg(), IDC_FIND_DOWN, "é");
    EXPECT_EQ(Selection(view), 1);

    // The replacement and the insert string are checked the same way.
    Press(ReplaceDlg(), IDC_REPLACE_ALL, "?", "€x");
    EXPECT_EQ(Content(Data(view)), (Bytes{'?', 0xE9, 0x00, '?'}));
    EXPECT_NE(MessageTexts().back().find("€"), std::string::npos);
    m_backend.QueueDialog([](CHeadlessWindowPeer& dlg) {
        dlg.SetItemText(IDC_INSERT_TEXT, "a😀");
        dlg.m_pOwner->OnCommandFromUI(IDOK);
        EXPECT_TRUE(dlg.m_bModal); // still open after the refusal
        dlg.SetItemCheck(IDC_UNICODE, 1);
        dlg.m_pOwner->OnCommandFromUI(IDOK);
    });
    m_frame->OnCommandFromUI(ID_EDIT_INSERT_STRING);
    EXPECT_NE(MessageTexts().back().find("(U+1F600)"), std::string::npos);
    std::vector<uint8_t> bytes;
    ASSERT_FALSE(GetQXClipboard(bytes));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{'a', 0, 0x3D, 0xD8, 0x00, 0xDE}));
}

TEST_F(FindReplaceTest, HistoryNamesOptionsAndLengthLimitThroughTheDialogs) {
    CKolvaView* view = Open(Str("xABCabc"));
    DlgPeer(ReplaceDlg()).SetItemCheck(IDC_MATCH_CASE, 0);
    Press(ReplaceDlg(), IDC_FIND_NEXT, "abc", "Z");
    EXPECT_EQ(Selection(view), 1); // case folded
    Press(ReplaceDlg(), IDC_FIND_NEXT, "abd", "Y");
    // The stored names and types, as other versions of the program read them.
    const auto* stored = m_backend.m_profile.Section("FindReplace");
    ASSERT_NE(stored, nullptr);
    using Values = std::map<std::string, CMemoryProfileStore::Value>;
    EXPECT_EQ(*stored, (Values{{"strFind9", std::string("abc")},
                               {"strFind8", std::string("abd")},
                               {"ptrFind", 8},
                               {"strReplace9", std::string("Z")},
                               {"strReplace8", std::string("Y")},
                               {"ptrReplace", 8}}));

    // The Unicode option widens the text through the dialog.
    CKolvaView* wide = Open(Bytes{'x', 'A', 0, 'B', 0}, 30, "u.bin");
    DlgPeer(FindDlg()).SetItemCheck(IDC_UNICODE, 1);
    Press(FindDlg(), IDC_FIND_DOWN, "AB");
    EXPECT_EQ(Selection(wide), 1);
    DlgPeer(FindDlg()).SetItemCheck(IDC_UNICODE, 0);

    // The registered range chosen in the dialog confines the search.
    CKolvaView* ranged = Open(Str("ab______________ab"), 30, "r.bin");
    Data(ranged).m_nRegStart = 2;
    Data(ranged).m_nRegEnd = 15;
    Data(ranged).m_bRegistered = true;
    m_frame->OnCommandFromUI(ID_EDIT_FIND);
    Press(FindDlg(), IDC_FIND_DOWN, "ab");
    EXPECT_EQ(Selection(ranged), -1);
    EXPECT_EQ(MessageTexts().back(), kNotFound);

    m_backend.m_messages.clear();
    Press(FindDlg(), IDC_FIND_DOWN, std::string(0x10000, 'a'));
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"検索文字列が長すぎます（65535バイトまで）。"});
}
