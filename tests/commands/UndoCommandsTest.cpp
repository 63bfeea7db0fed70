// Undo, redo and back to the initial state from the commands, with the modified flag following
// the saved state.
#include "tests/view/ViewFixture.h"

namespace {
class UndoCommandsTest : public ViewFixture {
protected:
    bool Send(UINT id) { return m_frame->SendCommand(id); }
    bool Modified(CKolvaView* view) { return view->GetDocument()->IsModified(); }
    void Overwrite(CKolvaView* view, int pos, const char* hex) {
        view->GetDocument()->m_nEditMode = 1;
        Data(view).m_nCaret = pos;
        view->CaretState().m_nNibble = 0;
        Type(hex);
    }
};
} // namespace

TEST_F(UndoCommandsTest, UndoOfTheOnlyChangeClearsTheFlagAndRedoSetsIt) {
    CKolvaView* view = Open(Sequence(32));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    Overwrite(view, 0, "AB");
    ASSERT_TRUE(Modified(view));
    view->GetDocument()->m_nEditMode = 0; // undo ignores the mode
    m_backend.PressKey(VK_BACK, FALT);
    EXPECT_EQ(Content(Data(view)), Sequence(32));
    EXPECT_FALSE(Modified(view));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    m_backend.PressKey('A', FCONTROL); // redo, not select-all
    EXPECT_EQ(Data(view).GetByte(0), 0xAB);
    EXPECT_TRUE(Modified(view));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
}

TEST_F(UndoCommandsTest, UndoClearsTheSelectionAndAHalfTypedByte) {
    CKolvaView* view = Open(Sequence(32));
    Type("1");
    ASSERT_EQ(view->CaretState().m_nNibble, 1);
    Data(view).SetSelection(4, 8);
    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    EXPECT_FALSE(Data(view).m_bSelection);
    EXPECT_EQ(view->CaretState().m_nNibble, 0);
    EXPECT_EQ(Data(view).m_nCaret, 0);
}

TEST_F(UndoCommandsTest, BackToInitialShrinksTheViewAndRedoReplaysStepByStep) {
    CKolvaView* view = Open(Sequence(12 * 16), 10);
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(Send(ID_EDIT_INSERT_NULL));
    ASSERT_EQ(Peer(view)->m_scroll[SB_VERT].nMax + 1, 15);
    Type("77"); // an insertion, then its low digit: two steps
    ASSERT_EQ(Data(view).m_undo.GetCount(), 42);
    ASSERT_TRUE(Send(ID_EDIT_UNDO_ALL));
    EXPECT_EQ(Content(Data(view)), Sequence(12 * 16));
    EXPECT_FALSE(Modified(view));
    EXPECT_EQ(view->m_nTotalRows, 13);
    EXPECT_EQ(Peer(view)->m_scroll[SB_VERT].nMax + 1, 13);
    EXPECT_LE(Data(view).m_nCaret, 12 * 16);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO_ALL));
    ASSERT_TRUE(Send(ID_EDIT_REDO));
    EXPECT_EQ(Data(view).GetDataLength(), 12 * 16 + 1);
    EXPECT_EQ(Data(view).m_redo.GetCount(), 41);
}

// After a save, the flag says whether the data differ from the file: undoing to the saved state
// clears it, any other state sets it, and a state that no step can reach again never clears it.
TEST_F(UndoCommandsTest, TheSavedStateIsWhereTheFlagClears) {
    CKolvaView* view = Open(Sequence(32));
    std::string path = view->GetDocument()->GetPathName();
    Overwrite(view, 0, "11");
    Overwrite(view, 1, "22");
    ASSERT_TRUE(Send(ID_FILE_SAVE));
    ASSERT_FALSE(Modified(view));
    Overwrite(view, 2, "33");

    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    EXPECT_EQ(Content(Data(view)), TempDir::Read(path));
    EXPECT_FALSE(Modified(view));
    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    EXPECT_TRUE(Modified(view)); // the file on disk has the change this took back
    ASSERT_TRUE(Send(ID_EDIT_REDO));
    EXPECT_FALSE(Modified(view));
    ASSERT_TRUE(Send(ID_EDIT_REDO));
    EXPECT_TRUE(Modified(view));
    ASSERT_TRUE(Send(ID_EDIT_UNDO_ALL));
    EXPECT_TRUE(Modified(view));

    // A new edit before the saved state drops the steps that led to it.
    Overwrite(view, 5, "55");
    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    ASSERT_TRUE(Send(ID_EDIT_REDO));
    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    EXPECT_TRUE(Modified(view));

    // Repeated overwrites of one byte share one record; retyping the byte saved last must not
    // hide the saved value.
    Overwrite(view, 3, "AA");
    ASSERT_TRUE(Send(ID_FILE_SAVE));
    Overwrite(view, 3, "BB");
    ASSERT_TRUE(Send(ID_EDIT_UNDO));
    EXPECT_NE(Content(Data(view)), TempDir::Read(path));
    EXPECT_TRUE(Modified(view));
    ASSERT_TRUE(Send(ID_EDIT_REDO));
    EXPECT_TRUE(Modified(view));
}
