// Inserting and deleting single bytes and the selection, from the commands and the keys.
#include "tests/view/ViewFixture.h"

namespace {
class ByteCommandsTest : public ViewFixture {
protected:
    bool Send(UINT id) { return m_frame->SendCommand(id); }
};
} // namespace

TEST_F(ByteCommandsTest, InsertZeroByteIntoAnEmptyFile) {
    CKolvaView* view = Open(Bytes());
    ASSERT_TRUE(Send(ID_EDIT_INSERT_NULL));
    EXPECT_EQ(Content(Data(view)), Bytes{0});
    EXPECT_EQ(Data(view).m_nCaret, 0);
    EXPECT_TRUE(view->GetDocument()->IsModified());
    EXPECT_EQ(Data(view).m_undo.GetCount(), 1);
}

TEST_F(ByteCommandsTest, DeletionsAtTheEndsBeep) {
    CKolvaView* view = Open(Str("xyz"));
    Data(view).m_nCaret = 3;
    ASSERT_TRUE(Send(ID_EDIT_DELETE_CHAR));
    m_backend.PressKey(VK_DELETE);
    Data(view).m_nCaret = 0;
    m_backend.PressKey(VK_BACK);
    EXPECT_EQ(m_backend.m_beeps, std::vector<unsigned>(3, MB_ICONEXCLAMATION));
    EXPECT_EQ(Content(Data(view)), Str("xyz"));
    EXPECT_FALSE(view->GetDocument()->IsModified());
    m_backend.PressKey(VK_DELETE);
    EXPECT_EQ(Content(Data(view)), Str("yz"));
}

TEST_F(ByteCommandsTest, BackspaceAtTheTopRowScrollsToTheDeletedByte) {
    CKolvaView* view = Open(Sequence(100 * 16), 10);
    view->OnVScroll(SB_PAGEDOWN, 0);
    ASSERT_EQ(Data(view).m_nCaret, 10 * 16);
    m_backend.PressKey(VK_BACK);
    EXPECT_EQ(Data(view).m_nCaret, 10 * 16 - 1);
    EXPECT_EQ(view->m_nFirstRow, 9);
    EXPECT_EQ(Data(view).GetByte(10 * 16 - 1), 10 * 16 % 256);
    EXPECT_EQ(view->m_nTotalRows, 100);
}

TEST_F(ByteCommandsTest, BackspaceDropsAHalfTypedByteAndTheNextDigitStartsANewOne) {
    CKolvaView* view = Open(Bytes{0xAA, 0xBB});
    Type("1");
    ASSERT_EQ(Content(Data(view)), (Bytes{0x10, 0xAA, 0xBB}));
    m_backend.PressKey(VK_BACK);
    EXPECT_EQ(Content(Data(view)), (Bytes{0xAA, 0xBB}));
    Type("2");
    EXPECT_EQ(Content(Data(view)), (Bytes{0x20, 0xAA, 0xBB}));
}

TEST_F(ByteCommandsTest, SelectionIsDeletedOnlyWhenPartOfItIsOnTheScreen) {
    CKolvaView* view = Open(Sequence(100 * 16), 10);
    view->OnVScroll(SB_PAGEDOWN, 0);
    Data(view).SetSelection(0, 5 * 16);
    EXPECT_TRUE(Enabled(ID_EDIT_CLEAR));
    EXPECT_FALSE(Send(ID_EDIT_INSERT_NULL)); // byte commands wait for the selection to go
    ASSERT_TRUE(Send(ID_EDIT_CLEAR));
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_TRUE(Data(view).m_bSelection);

    Data(view).SetSelection(5 * 16, 30 * 16); // covers every visible row
    m_backend.PressKey(VK_DELETE);
    EXPECT_EQ(Data(view).GetDataLength(), 100 * 16 - 25 * 16 - 1);
    EXPECT_FALSE(Data(view).m_bSelection);
    EXPECT_EQ(Data(view).m_nCaret, 5 * 16);
    EXPECT_EQ(view->m_nTotalRows, 75);
    EXPECT_FALSE(Enabled(ID_EDIT_CLEAR));
}

TEST_F(ByteCommandsTest, ByteCommandsNeedInsertModeAndTheCaretOnTheScreen) {
    CKolvaView* view = Open(Sequence(100 * 16), 10);
    EXPECT_TRUE(Enabled(ID_EDIT_DELETE_BACK));
    Data(view).m_nCaret = 50 * 16;
    for (UINT id : {ID_EDIT_INSERT_NULL, ID_EDIT_DELETE_CHAR, ID_EDIT_DELETE_BACK})
        EXPECT_FALSE(Enabled(id)) << id;
    m_backend.PressKey(VK_DELETE);
    Data(view).m_nCaret = 0;
    view->GetDocument()->m_nEditMode = 1;
    EXPECT_FALSE(Enabled(ID_EDIT_DELETE_CHAR));
    m_backend.PressKey(VK_DELETE);
    m_backend.PressKey(VK_BACK);
    EXPECT_EQ(Beeps(), 3u);
    EXPECT_EQ(Data(view).GetDataLength(), 100 * 16);
}
