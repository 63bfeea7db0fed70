// Opening, saving and closing documents through the application, on the recording backend.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"
#include "tests/shell/ShellFixture.h"

namespace {
class DocumentScenarioTest : public ShellFixture {
protected:
    bool Save(CKolvaDoc* doc) { return doc->DoFileSave(); }
};
} // namespace

TEST_F(DocumentScenarioTest, CommandLineOpensEachArgumentInOrder) {
    std::string a = m_dir.Write("a.bin", Str("AAAA")), b = m_dir.Write("b.bin", Str("BB"));
    Start({a, "/x", b});
    ASSERT_EQ(Docs().size(), 3u);
    EXPECT_EQ(Doc(0)->GetPathName(), a);
    // No such file: a new empty document of that name, in the current folder.
    EXPECT_EQ(Doc(1)->GetPathName(), CFile::GetFullPath("-x"));
    EXPECT_EQ(Doc(1)->m_pData->GetDataLength(), 0);
    EXPECT_EQ(Doc(1)->m_strBarLabel, "-x");
    EXPECT_EQ(Doc(2)->m_pData->GetDataLength(), 2);
    EXPECT_EQ(m_app.MainFrame()->GetChildren().size(), 3u);
}

TEST_F(DocumentScenarioTest, EleventhDocumentIsRefused) {
    Start();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    EXPECT_FALSE(m_app.MainFrame()->QueryCommand(ID_FILE_NEW).m_bEnabled);
    EXPECT_FALSE(m_app.MainFrame()->QueryCommand(ID_FILE_OPEN).m_bEnabled);
    std::string path = m_dir.Write("c.bin", Str("C"));
    EXPECT_EQ(m_app.OpenDocumentPath(path), nullptr);
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText,
              "開いているﾌｧｲﾙが多すぎるため、" + path + " を開けませんでした。");
    EXPECT_EQ(m_backend.m_messages[0].m_nType & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_EQ(Docs().size(), 10u);
}

TEST_F(DocumentScenarioTest, NewDocumentStartsInInsertModeAndIsUntitled) {
    Start();
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    CKolvaDoc* doc = Doc(0);
    EXPECT_EQ(doc->m_nEditMode, 2);
    EXPECT_TRUE(doc->m_bNewDocument);
    EXPECT_EQ(doc->GetTitle(), "無題1");
    EXPECT_FALSE(m_app.MainFrame()->QueryCommand(ID_FILE_SAVE).m_bEnabled); // no path
    EXPECT_TRUE(m_app.MainFrame()->QueryCommand(ID_FILE_SAVE_AS).m_bEnabled);
}

TEST_F(DocumentScenarioTest, BackupIsMadeOncePerPath) {
    std::string path = m_dir.Write("d.bin", Str("one"));
    Start({path});
    CKolvaDoc* doc = Doc(0);
    Edit(doc, '1');
    EXPECT_TRUE(m_app.MainFrame()->QueryCommand(ID_FILE_SAVE).m_bEnabled);
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_SAVE));
    EXPECT_EQ(TempDir::Read(path + ".bak"), Str("one"));
    EXPECT_EQ(TempDir::Read(path), Str("1ne"));
    EXPECT_EQ(doc->GetTitle(), path); // a save under the same name keeps the full path
    doc->m_pData->OverwriteAtCaret('2');
    ASSERT_TRUE(Save(doc));
    EXPECT_EQ(TempDir::Read(path + ".bak"), Str("one")); // the second save keeps the backup
    EXPECT_EQ(TempDir::Read(path), Str("2ne"));
    // Save As starts a new cycle: the file already under the new name is the one backed up.
    std::string other = m_dir.Write("e.bin", Str("old e"));
    m_backend.QueueFileName(other);
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_SAVE_AS));
    EXPECT_EQ(TempDir::Read(other + ".bak"), Str("old e"));
    EXPECT_EQ(TempDir::Read(other), Str("2ne"));
    EXPECT_EQ(doc->GetPathName(), other);
    EXPECT_EQ(doc->GetTitle(), other);
    EXPECT_EQ(doc->m_strBarLabel, "e.bin");
    EXPECT_EQ(Labels(), (std::vector<std::string>{"e.bin"}));
}

TEST_F(DocumentScenarioTest, BackupOffMakesAndDeletesNone) {
    m_backend.m_profile.WriteInt("Settings", "bBackup", 0);
    std::string path = m_dir.Write("f.bin", Str("abc"));
    std::string stale = m_dir.Write("f.bin.bak", Str("stale"));
    Start({path});
    Doc(0)->m_pData->InsertAtCaret('x');
    ASSERT_TRUE(Save(Doc(0)));
    EXPECT_EQ(TempDir::Read(stale), Str("stale"));
    EXPECT_EQ(TempDir::Read(path), Str("xabc"));
}

TEST_F(DocumentScenarioTest, FailedSaveReportsAndKeepsTheFile) {
    std::string path = m_dir.Write("g.bin", Str("keep"));
    chmod(path.c_str(), 0444);
    m_backend.m_profile.WriteInt("Settings", "bBackup", 0);
    Start({path});
    EXPECT_EQ(Doc(0)->m_pData->m_nAllowedMode, 0);
    EXPECT_FALSE(Save(Doc(0)));
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, "無効なﾌｧｲﾙ名です。");
    EXPECT_EQ(TempDir::Read(path), Str("keep"));
}

TEST_F(DocumentScenarioTest, FailedOpenLeavesNoWindowAndNoButton) {
    std::string path = StartWithOffMemoryFile();
    ASSERT_EQ(Docs().size(), 1u);
    EXPECT_TRUE(Doc(0)->m_pData->m_bOffMemory);
    // The first document holds the file: another program's open is refused.
    CFile other;
    CFileException error;
    EXPECT_FALSE(other.Open(path, CFile::modeRead | CFile::shareExclusive, &error));
    EXPECT_NE(error.GetErrorMessage().find("使用中"), std::string::npos);
    // A folder is not a file: refused with a message.
    m_backend.m_messages.clear();
    std::string folder = path.substr(0, path.find_last_of(kSeparators));
    EXPECT_EQ(m_app.OpenDocumentPath(folder), nullptr);
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, folder + " はファイルではありません。");
    EXPECT_EQ(Docs().size(), 1u);
    EXPECT_EQ(m_app.MainFrame()->GetChildren().size(), 1u);
    EXPECT_EQ(Labels().size(), 1u);
}

TEST_F(DocumentScenarioTest, FileBarFollowsOpenAndClose) {
    std::string a = m_dir.Write("a.bin", Str("A")), b = m_dir.Write("b.bin", Str("B"));
    Start({a, b});
    // Labels are the file names; the windows' titles become the full paths.
    EXPECT_EQ(Doc(0)->GetTitle(), a);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"a.bin", "b.bin"}));
    auto buttons = m_app.MainFrame()->m_wndFileBar.GetButtons();
    ASSERT_EQ(buttons.size(), 4u);
    EXPECT_EQ(buttons[0].m_nID, ID_FILEBAR_FIRST);
    EXPECT_EQ(buttons[2].m_nID, ID_FILEBAR_FIRST + 1);
    EXPECT_EQ(buttons[1].m_nID, 0u);
    EXPECT_TRUE(m_app.MainFrame()->m_wndFileBar.IsWindowVisible());
    // The active window's button is checked; a click activates another window.
    EXPECT_EQ(m_app.MainFrame()->QueryCommand(ID_FILEBAR_FIRST + 1).m_nCheck, 1);
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST));
    EXPECT_EQ(m_app.MainFrame()->GetActiveDocument(), Doc(0));
    Doc(0)->OnCloseDocument();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"b.bin"}));
    Doc(0)->OnCloseDocument();
    EXPECT_TRUE(Labels().empty());
    EXPECT_FALSE(m_app.MainFrame()->m_wndFileBar.IsWindowVisible());
}

TEST_F(DocumentScenarioTest, ASaveNamesTheDocumentOnlyWhenItsNameChanges) {
    std::string a = File("a.bin");
    Start({a});
    std::vector<std::string>& captions = m_backend.PeerOf(Frame(0))->m_textsSet;
    EXPECT_EQ(captions.back(), a);
    Edit(Doc(0), 'x');
    captions.clear();
    CHeadlessWindowPeer* main = m_backend.PeerOf(m_app.MainFrame());
    CHeadlessWindowPeer* fileBar = m_backend.PeerOf(&m_app.MainFrame()->m_wndFileBar);
    int recentSet = main->m_nRecentSet, buttonsSet = fileBar->m_nButtonsSet;
    ASSERT_TRUE(Save(Doc(0)));
    EXPECT_TRUE(captions.empty());
    // Nothing else a window shows changed: the recent files keep their order, the bar its button.
    EXPECT_EQ(main->m_nRecentSet, recentSet);
    EXPECT_EQ(fileBar->m_nButtonsSet, buttonsSet);
    EXPECT_EQ(main->m_recent.front(), a);
    // Save As: the caption goes straight to the new full path, the button to the file name.
    std::string b = m_dir.Path("b.bin");
    m_backend.QueueFileName(b);
    Doc(0)->RunCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(captions, std::vector<std::string>{b});
    EXPECT_EQ(Labels(), std::vector<std::string>{"b.bin"});
}

TEST_F(DocumentScenarioTest, ExitWritesSettingsAndLastFilesEvenWhenCancelled) {
    std::string a = m_dir.Write("a.bin", Str("A")), c = m_dir.Write("c.bin", Str("C"));
    m_backend.m_profile.WriteInt("Settings", "bReadLastFiles", 1);
    Start({a});
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    m_app.OpenDocumentPath(c);
    Doc(1)->SetModifiedFlag();
    m_backend.QueueAnswer(IDCANCEL);
    m_app.MainFrame()->SendCommand(ID_APP_EXIT);
    EXPECT_FALSE(m_backend.m_bQuitPosted);
    EXPECT_EQ(Docs().size(), 3u); // cancelled: every document stays
    // The untitled document in between does not end the list.
    EXPECT_EQ(m_backend.m_profile.GetString("Last Params", "File0", ""), a);
    EXPECT_EQ(m_backend.m_profile.GetString("Last Params", "File1", ""), c);
    EXPECT_EQ(m_backend.m_profile.GetString("Last Params", "File2", "none"), "none");
    EXPECT_EQ(m_backend.m_profile.GetInt("Settings", "bReadLastFiles", 0), 1);
}

TEST_F(DocumentScenarioTest, LastFilesAreReopenedOnlyWithoutArguments) {
    std::string a = m_dir.Write("a.bin", Str("A"));
    m_backend.m_profile.WriteInt("Settings", "bReadLastFiles", 1);
    m_backend.m_profile.WriteString("Last Params", "File0", a);
    m_backend.m_profile.WriteString("Last Params", "File1", m_dir.Path("gone.bin"));
    Start();
    ASSERT_EQ(Docs().size(), 2u);
    EXPECT_EQ(Doc(1)->GetPathName(), m_dir.Path("gone.bin")); // now a new empty document
    EXPECT_FALSE(m_backend.m_profile.HasSection("Last Params"));
}

TEST_F(DocumentScenarioTest, ShortcutFileIsEditedThroughAWorkingCopy) {
    CKolvaDoc* doc = StartWithShortcutCopy("A.LNK");
    ASSERT_NE(doc, nullptr);
    std::string lnk = m_dir.Path("A.LNK");
    EXPECT_EQ(m_backend.m_messages.at(0).m_nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(m_backend.m_messages.at(0).m_strText.substr(0, lnk.size() + 1), lnk + " ");
    EXPECT_TRUE(doc->m_bShortcutCopy);
    EXPECT_EQ(doc->m_strWorkingCopy, lnk + ".Quelm");
    doc->m_pData->m_nCaret = 4;
    doc->m_pData->InsertAtCaret('!');
    doc->SetModifiedFlag();
    doc->OnCloseDocument();
    EXPECT_EQ(TempDir::Read(lnk), Str("LINK!"));
    EXPECT_EQ(TempDir::Read(lnk + ".bak"), Str("LINK"));
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(lnk + ".Quelm", status));
    // No: the file opens as it is.
    m_backend.QueueAnswer(IDNO);
    doc = m_app.OpenDocumentPath(lnk);
    ASSERT_NE(doc, nullptr);
    EXPECT_FALSE(doc->m_bShortcutCopy);
    EXPECT_EQ(doc->GetPathName(), lnk);
}

TEST(ChildFrameIndicators, AddressTextWidensAtSixtyFourKilobytes) {
    EXPECT_EQ(CChildFrame::FormatAddress(0x20, 300), "0020/012C");
    EXPECT_EQ(CChildFrame::FormatAddress(0, 0), "0000/0000");
    EXPECT_EQ(CChildFrame::FormatAddress(0, 65534), "0000/FFFE");
    EXPECT_EQ(CChildFrame::FormatAddress(0, 65535), "000000/00FFFF");
    EXPECT_EQ(CChildFrame::FormatAddress(0, 16777216), "000000/1000000");
    EXPECT_STREQ(CChildFrame::ModeText(1), "上書");
    EXPECT_EQ(CChildFrame::ModeText(3), nullptr);
}

TEST_F(DocumentScenarioTest, StatusPaneShowsTheCharacterCodeOfTheView) {
    Start();
    m_app.m_pOptions->nJCode = 1;
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    auto* child = dynamic_cast<CChildFrame*>(m_app.MainFrame()->MDIGetActive());
    ASSERT_NE(child, nullptr);
    auto pane = [child] {
        child->UpdateIndicators();
        return child->m_wndStatusBar.GetPaneText(CChildFrame::kPaneJCode);
    };
    EXPECT_EQ(pane(), "Uni");
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_JCODE_ASCII));
    EXPECT_EQ(pane(), "ASCII");
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_JCODE_SJIS));
    EXPECT_EQ(pane(), "SJIS");
}

TEST_F(DocumentScenarioTest, IndicatorsReachTheStatusBarOnlyWhenTheyChange) {
    Start({m_dir.Write("a.bin", Str("0123456789abcdef0123"))});
    auto* child = dynamic_cast<CChildFrame*>(m_app.MainFrame()->MDIGetActive());
    ASSERT_NE(child, nullptr);
    CHeadlessWindowPeer* bar = m_backend.PeerOf(&child->m_wndStatusBar);
    child->UpdateIndicators();
    int set = bar->m_nPaneTextsSet;
    child->UpdateIndicators();
    EXPECT_EQ(bar->m_nPaneTextsSet, set);
    // A caret that moves changes the address alone.
    Doc(0)->m_pData->SetCaret(17);
    child->UpdateIndicators();
    EXPECT_EQ(bar->m_nPaneTextsSet, set + 1);
    EXPECT_EQ(bar->m_paneTexts[CChildFrame::kPaneAddress], "0011/0014");
}

namespace {
CRowView* ViewOf(CKolvaDoc* doc) {
    return dynamic_cast<CRowView*>(doc->m_pFirstView);
}
} // namespace

TEST_F(DocumentScenarioTest, AddressMatchAlignsTheGroupOnTheSmallerFirstRow) {
    std::string a = m_dir.Write("a.bin", PositionPattern(4096));
    std::string b = m_dir.Write("b.bin", PositionPattern(4096));
    Start({a, b});
    CRowView *va = ViewOf(Doc(0)), *vb = ViewOf(Doc(1));
    ASSERT_TRUE(va && vb);
    va->ScrollRows(va->LimitRowDelta(10));
    Doc(0)->m_pData->m_nCaret = 320;
    vb->ScrollRows(vb->LimitRowDelta(3));
    ASSERT_EQ(va->m_nFirstRow, 10);
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_SYNC_ALL));
    EXPECT_EQ(va->m_nFirstRow, 3);
    EXPECT_EQ(vb->m_nFirstRow, 3);
    EXPECT_EQ(Doc(0)->m_pData->m_nCaret, 320 - 7 * 16);
    for (const auto& button : m_app.MainFrame()->m_wndFileBar.GetButtons()) {
        if (button.m_nID) {
            EXPECT_EQ(button.m_nImage, 1); // the red line
        }
    }
    // Scrolling one member moves the other.
    vb->ScrollRows(vb->LimitRowDelta(5));
    EXPECT_EQ(va->m_nFirstRow, 8);
    // Taking one of two out dissolves the group.
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_SYNC_TOGGLE));
    EXPECT_TRUE(m_app.MainFrame()->m_arrSyncViews.empty());
    EXPECT_EQ(va->m_pSyncViews, nullptr);
    for (const auto& button : m_app.MainFrame()->m_wndFileBar.GetButtons())
        EXPECT_NE(button.m_nImage, 1);
    EXPECT_FALSE(m_app.MainFrame()->QueryCommand(ID_SYNC_RELEASE_ALL).m_bEnabled);
}

TEST_F(DocumentScenarioTest, AShortDocumentHoldsBackNoOtherOfItsGroup) {
    std::string a = m_dir.Write("a.bin", PositionPattern(4096));
    std::string b = m_dir.Write("b.bin", PositionPattern(320)); // 21 rows
    Start({a, b});
    CRowView *va = ViewOf(Doc(0)), *vb = ViewOf(Doc(1));
    for (CRowView* v : {va, vb})
        m_backend.PeerOf(v)->Resize(640, 10 * 16);
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_SYNC_ALL));
    m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST); // a becomes the active document
    ASSERT_EQ(m_app.MainFrame()->GetActiveView(), va);
    m_backend.PressKey(VK_NEXT);
    m_backend.PressKey(VK_NEXT);
    EXPECT_EQ(va->m_nFirstRow, 20);
    EXPECT_EQ(vb->m_nFirstRow, 11); // its last page
    m_backend.PressKey(VK_END, FCONTROL);
    EXPECT_EQ(Doc(0)->m_pData->m_nCaret, 4096);
    EXPECT_EQ(va->m_nLastRow, 256);
    m_backend.QueueDialog([](CHeadlessWindowPeer& dlg) {
        dlg.SetItemText(IDC_ADDRESS, "800");
        dlg.m_pOwner->OnCommandFromUI(IDOK);
    });
    m_backend.PressKey('J', FCONTROL);
    EXPECT_EQ(Doc(0)->m_pData->m_nCaret, 0x800);
    EXPECT_EQ(va->m_nFirstRow, 0x80);
    EXPECT_EQ(vb->m_nFirstRow, 11);
    EXPECT_TRUE(m_backend.m_beeps.empty());
    // Scrolled from the short one, the group comes back to the same addresses.
    vb->OnVScroll(SB_LINEUP, 0);
    EXPECT_EQ(va->m_nFirstRow, 10);
    EXPECT_EQ(vb->m_nFirstRow, 10);
}

TEST_F(DocumentScenarioTest, RelativeGroupKeepsItsOffsetAndOneDocumentCannotJoin) {
    m_backend.m_profile.WriteInt("Settings", "m_bSyncscrollTYpe", 1);
    std::string a = m_dir.Write("a.bin", PositionPattern(4096));
    Start({a});
    EXPECT_FALSE(m_app.MainFrame()->QueryCommand(ID_SYNC_ALL).m_bEnabled);
    m_backend.SetKeyDown(VK_CONTROL, true);
    m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST); // Ctrl+click: fewer than two documents
    m_backend.SetKeyDown(VK_CONTROL, false);
    EXPECT_TRUE(m_app.MainFrame()->m_arrSyncViews.empty());
    std::string b = m_dir.Write("b.bin", PositionPattern(4096));
    m_app.OpenDocumentPath(b);
    CRowView *va = ViewOf(Doc(0)), *vb = ViewOf(Doc(1));
    va->ScrollRows(va->LimitRowDelta(10));
    vb->ScrollRows(vb->LimitRowDelta(3));
    m_backend.SetKeyDown(VK_CONTROL, true);
    m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST);
    m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST + 1);
    m_backend.SetKeyDown(VK_CONTROL, false);
    EXPECT_EQ(m_app.MainFrame()->m_arrSyncViews.size(), 2u);
    EXPECT_EQ(va->m_nFirstRow, 10);
    va->ScrollRows(va->LimitRowDelta(-2));
    EXPECT_EQ(va->m_nFirstRow, 8);
    EXPECT_EQ(vb->m_nFirstRow, 1);
    m_app.MainFrame()->SendCommand(ID_SYNC_ALIGN);
    EXPECT_EQ(va->m_nFirstRow, 1);
    EXPECT_EQ(m_app.m_pOptions->m_bSyncscrollTYpe, 0);
    // Closing a member dissolves the group of two.
    Doc(1)->OnCloseDocument();
    EXPECT_TRUE(m_app.MainFrame()->m_arrSyncViews.empty());
    EXPECT_EQ(va->m_pSyncViews, nullptr);
}

TEST_F(DocumentScenarioTest, CtrlHomeAndEndReachTheViewAsCommands) {
    std::string a = m_dir.Write("a.bin", PositionPattern(4096));
    Start({a});
    CRowView* view = ViewOf(Doc(0));
    m_backend.PressKey(VK_END, FCONTROL);
    EXPECT_EQ(Doc(0)->m_pData->m_nCaret, 4096); // after the last byte
    EXPECT_GE(view->m_nLastRow, 4096 / 16);
    m_backend.PressKey(VK_HOME, FCONTROL);
    EXPECT_EQ(Doc(0)->m_pData->m_nCaret, 0);
    EXPECT_EQ(view->m_nFirstRow, 0);
}

TEST_F(DocumentScenarioTest, BarTogglesStartHexEntryOverAndPlaceTheCaret) {
    std::string path = m_dir.Write("a.bin", Bytes(4));
    Start({path});
    CKolvaDoc* doc = Doc(0);
    auto* view = dynamic_cast<CKolvaView*>(doc->m_pFirstView);
    doc->m_nEditMode = 1;
    view->OnModeChanged();
    for (UINT bar : {ID_VIEW_STATUSBAR, ID_VIEW_RULER}) {
        m_backend.TypeChar('A');
        ASSERT_EQ(view->CaretState().m_nNibble, 1);
        ASSERT_TRUE(m_app.MainFrame()->SendCommand(bar));
        m_backend.TypeChar('B');
        EXPECT_EQ(doc->m_pData->GetByte(0), 0xB0) << bar; // not 0xAB
        EXPECT_EQ(m_backend.PeerOf(view)->m_caretPos, CPoint(12 * 8, 0)) << bar;
        m_backend.TypeChar('0');
        doc->m_pData->m_nCaret = 0;
        view->OnModeChanged();
    }
}

TEST_F(DocumentScenarioTest, MainTitleNamesTheActiveDocumentAndUntitledOnesAreNumbered) {
    std::string a = m_dir.Write("a.bin", Str("A"));
    Start({a});
    CHeadlessWindowPeer* frame = m_backend.PeerOf(m_app.MainFrame());
    EXPECT_EQ(frame->m_strText, "Quelm - [" + a + "]");
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    EXPECT_EQ(Doc(1)->GetTitle(), "無題1");
    EXPECT_EQ(Doc(2)->GetTitle(), "無題2");
    EXPECT_EQ(frame->m_strText, "Quelm - [無題2]");
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST));
    EXPECT_EQ(frame->m_strText, "Quelm - [" + a + "]");
    // Two unsaved new documents are asked about by their own names.
    for (CKolvaDoc* doc : {Doc(1), Doc(2)})
        doc->SetModifiedFlag();
    m_backend.QueueAnswer(IDNO);
    m_backend.QueueAnswer(IDNO);
    ASSERT_TRUE(m_app.GetDocTemplate()->SaveAllModified());
    ASSERT_EQ(m_backend.m_messages.size(), 2u);
    EXPECT_NE(m_backend.m_messages[0].m_strText, m_backend.m_messages[1].m_strText);
    EXPECT_NE(m_backend.m_messages[1].m_strText.find("無題2"), std::string::npos);
    Doc(0)->OnCloseDocument();
    EXPECT_EQ(frame->m_strText, "Quelm - [無題2]"); // the last window takes over
    m_app.GetDocTemplate()->CloseAllDocuments();
    EXPECT_EQ(frame->m_strText, "Quelm");
}

TEST_F(DocumentScenarioTest, DumpToFileIsEnabledForAFileWithData) {
    Start({m_dir.Write("a.bin", Str("A"))});
    EXPECT_TRUE(m_app.MainFrame()->QueryCommand(ID_FILE_DUMP).m_bEnabled);
}
