#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "tests/TestSupport.h"

namespace {
class UndoTest : public ::testing::Test {
protected:
    void SetUp() override { Fill(m_data, Str("0123456789")); }
    Bytes Log() const { return m_data.m_undo.GetRecordBytes(); }
    void Select(int first, int last) { ASSERT_TRUE(m_data.SetSelection(first, last)); }

    CHeadlessBackend m_backend;
    CBinData m_data;
};
} // namespace

TEST_F(UndoTest, OneByteRecordsAreExact) {
    m_data.m_nCaret = 5;
    m_data.OverwriteAtCaret('x');
    EXPECT_EQ(Log(), (Bytes{0x28, 5, 0, 0, 0, '5'}));
    m_data.m_undo.RemoveAll();
    m_data.m_nCaret = 2;
    m_data.InsertAtCaret('y');
    EXPECT_EQ(Log(), (Bytes{0x24, 2, 0, 0, 0}));
    m_data.m_undo.RemoveAll();
    m_data.m_nCaret = 0x1;
    m_data.DeleteAtCaret();
    EXPECT_EQ(Log(), (Bytes{0x22, 1, 0, 0, 0, '1'}));
    EXPECT_EQ(Content(m_data), Str("0y234x6789"));
}

TEST_F(UndoTest, RangeRecordsAreExact) {
    Select(2, 4);
    m_data.DeleteSelection();
    EXPECT_EQ(Log(), (Bytes{0x12, 2, 0, 0, 0, 3, 0, '2', '3', '4'}));
    m_data.m_undo.RemoveAll();
    Select(0, 1);
    const uint8_t ab[] = {'a', 'b', 'c'};
    m_data.ReplaceSelection(3, ab);
    EXPECT_EQ(Log(), (Bytes{0x18, 0, 0, 0, 0, 2, 0, 3, 0, '0', '1'}));
    m_data.m_undo.RemoveAll();
    m_data.m_undo.RecordRange(0x14, 7, 300, 0);
    EXPECT_EQ(Log(), (Bytes{0x14, 7, 0, 0, 0, 0x2C, 0x01}));
    EXPECT_EQ(m_data.m_undo.GetIndex(), (std::vector<uint32_t>{0}));
}

TEST_F(UndoTest, RepeatedOverwritesOfOneByteMerge) {
    m_data.m_nCaret = 3;
    for (uint8_t b : {'a', 'b', 'c'})
        m_data.OverwriteAtCaret(b);
    EXPECT_EQ(m_data.m_undo.GetCount(), 1);
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), Str("0123456789"));
    m_data.ApplyUndoStep(false);
    EXPECT_EQ(Content(m_data), Str("012c456789"));
}

TEST_F(UndoTest, OverwritesOfOtherBytesBetweenDoNotMerge) {
    for (int pos : {5, 6, 5}) {
        m_data.m_nCaret = pos;
        m_data.OverwriteAtCaret('z');
    }
    EXPECT_EQ(m_data.m_undo.GetCount(), 3);
    for (int i = 0; i < 3; ++i)
        m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), Str("0123456789"));
    EXPECT_EQ(m_data.m_nCaret, 5);
}

TEST_F(UndoTest, InsertAtAppendPositionUndoesToOldLength) {
    m_data.m_nCaret = 10;
    m_data.InsertAtCaret('!');
    EXPECT_EQ(m_data.GetDataLength(), 11);
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(m_data.GetDataLength(), 10);
    EXPECT_EQ(m_data.m_nCaret, 10);
    EXPECT_TRUE(m_data.m_undo.IsEmpty());
    EXPECT_EQ(m_data.m_redo.GetCount(), 1);
}

TEST_F(UndoTest, AppendPositionEditsThatHaveNoByteChangeNothing) {
    m_data.m_nCaret = 10;
    m_data.OverwriteAtCaret('x');
    m_data.DeleteAtCaret();
    EXPECT_EQ(Content(m_data), Str("0123456789"));
    EXPECT_TRUE(m_data.m_undo.IsEmpty());
}

TEST_F(UndoTest, EmptyLogUndoReturnsTrueAndChangesNothing) {
    EXPECT_TRUE(m_data.ApplyUndoStep(true));
    EXPECT_TRUE(m_data.ApplyUndoStep(false));
    EXPECT_EQ(Content(m_data), Str("0123456789"));
}

TEST_F(UndoTest, NewEditEmptiesRedo) {
    m_data.m_nCaret = 1;
    m_data.InsertAtCaret('a');
    m_data.ApplyUndoStep(true);
    ASSERT_FALSE(m_data.m_redo.IsEmpty());
    m_data.OverwriteAtCaret('b');
    EXPECT_TRUE(m_data.m_redo.IsEmpty());
}

TEST_F(UndoTest, DeletingSeventyThousandBytesUsesWideCountsAndBlocks) {
    Bytes big = PositionPattern(100000);
    Fill(m_data, big);
    Select(1000, 70999);
    m_data.m_nCaret = 71000;
    m_data.DeleteSelection();
    EXPECT_EQ(m_data.GetDataLength(), 30000);
    EXPECT_EQ(m_data.m_nCaret, 1000);
    Bytes log = Log();
    ASSERT_GE(log.size(), 9u + 70000u);
    EXPECT_EQ(Bytes(log.begin(), log.begin() + 9),
              (Bytes{0x92, 0xE8, 0x03, 0, 0, 0x70, 0x11, 0x01, 0}));
    EXPECT_TRUE(std::equal(big.begin() + 1000, big.begin() + 71000, log.begin() + 9));
    EXPECT_EQ(log.size(), 70656u); // grown to the next whole kilobyte above the record's end
    m_data.m_nCaret = 5;
    m_data.InsertAtCaret(1); // the next record starts after the unused tail
    EXPECT_EQ(m_data.m_undo.GetIndex(), (std::vector<uint32_t>{0, 70656}));
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Log().size(), 70656u);
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), big);
    EXPECT_EQ(m_data.m_nCaret, 71000);
    EXPECT_TRUE(Log().empty());
}

TEST_F(UndoTest, ReplacingSeventyThousandBytesByThreeRoundTrips) {
    Bytes big = PositionPattern(80000);
    Fill(m_data, big);
    Select(10, 70009);
    const uint8_t three[] = {1, 2, 3};
    m_data.ReplaceSelection(3, three);
    Bytes log = Log();
    EXPECT_EQ(Bytes(log.begin(), log.begin() + 13),
              (Bytes{0x98, 10, 0, 0, 0, 0x70, 0x11, 0x01, 0, 3, 0, 0, 0}));
    Bytes replaced = Content(m_data);
    ASSERT_EQ(replaced.size(), 10003u);
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), big);
    m_data.ApplyUndoStep(false);
    EXPECT_EQ(Content(m_data), replaced);
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), big);
}

TEST_F(UndoTest, ReplacingThreeBytesBySeventyThousandRoundTrips) {
    // Only the second count is large: both counts must still be 32-bit.
    Bytes big = PositionPattern(70000);
    Select(2, 4);
    m_data.ReplaceSelection(0xFFFF, big.data());
    m_data.m_undo.RemoveAll();
    Bytes before = Content(m_data);
    m_data.m_nCaret = 0;
    m_data.CopyOut(0, 3, m_data.m_undo.RecordRange(0x18, 0, 3, 70000));
    m_data.RemoveAt(0, 3);
    m_data.InsertAt(0, big.data(), 70000);
    EXPECT_EQ(Log()[0], 0x98);
    Bytes after = Content(m_data);
    m_data.ApplyUndoStep(true);
    EXPECT_EQ(Content(m_data), before);
    m_data.ApplyUndoStep(false);
    EXPECT_EQ(Content(m_data), after);
}

TEST_F(UndoTest, GroupIsUndoneAndRedoneInOneStep) {
    Fill(m_data, Str("xaxaxaxaxaxaxaxaxaxa"));
    m_data.m_nCaret = 0;
    const uint8_t a[] = {'a'}, bb[] = {'b', 'b'};
    EXPECT_EQ(m_data.ReplaceAll(1, a, 2, bb, true, false), 10);
    Bytes log = Log();
    EXPECT_EQ(log.front(), 0x40);
    EXPECT_EQ(log[m_data.m_undo.GetIndex().back()], 0x41);
    Bytes replaced = Content(m_data);
    EXPECT_EQ(replaced, Str("xbbxbbxbbxbbxbbxbbxbbxbbxbbxbb"));
    EXPECT_FALSE(m_data.ApplyUndoStep(true));
    EXPECT_EQ(Content(m_data), Str("xaxaxaxaxaxaxaxaxaxa"));
    EXPECT_TRUE(m_data.m_undo.IsEmpty());
    EXPECT_FALSE(m_data.ApplyUndoStep(false));
    EXPECT_EQ(Content(m_data), replaced);
    EXPECT_TRUE(m_data.m_redo.IsEmpty());
}

TEST_F(UndoTest, SelectionLeftBeyondTheDataByAnEditIsNoSelection) {
    Fill(m_data, Bytes{0x61, 0x7F, 0x42});
    Select(3, 3); // the append position
    m_data.m_nCaret = 0;
    m_data.DeleteAtCaret();
    const Bytes before = Log();
    const uint8_t b = 0x62;
    m_data.ReplaceSelection(1, &b);
    EXPECT_EQ(Content(m_data), (Bytes{0x7F, 0x42}));
    EXPECT_EQ(Log(), before);
    EXPECT_FALSE(m_data.m_bSelection);
    m_data.m_bSelection = true; // stale again, for the other primitives
    m_data.DeleteSelection();
    EXPECT_TRUE(m_data.CopyToClipboard());
    EXPECT_EQ(Content(m_data), (Bytes{0x7F, 0x42}));
    EXPECT_EQ(Log(), before);
}

TEST_F(UndoTest, SelectedAppendPositionTakesTheNewBytesAtTheEnd) {
    Fill(m_data, Bytes{0x61, 0x7F});
    Select(2, 2);
    const uint8_t b = 0x62;
    m_data.ReplaceSelection(1, &b);
    EXPECT_EQ(Content(m_data), (Bytes{0x61, 0x7F, 0x62}));
    EXPECT_TRUE(m_data.ApplyUndoStep(true) == false);
    EXPECT_EQ(Content(m_data), (Bytes{0x61, 0x7F}));
}
