// Scroll state in rows and columns, the synchronized group and the navigation keys.
#include "tests/view/ViewFixture.h"

namespace {
class RowViewTest : public ViewFixture {
protected:
    // Three documents of 100, 100 and 40 rows scrolled in step.
    void MakeGroup() {
        for (size_t rows : {100, 100, 40})
            m_group.push_back(Open(Bytes(rows * 16 - 1), 20,
                                   "g" + std::to_string(rows) + std::to_string(m_group.size())));
        for (CRowView* v : m_group)
            v->m_pSyncViews = &m_group;
    }
    std::vector<int> FirstRows() {
        std::vector<int> rows;
        for (CRowView* v : m_group)
            rows.push_back(v->m_nFirstRow);
        return rows;
    }
    std::vector<CRowView*> m_group;
};
} // namespace

TEST_F(RowViewTest, RowTotalsAndScrollBarsFollowTheData) {
    CKolvaView* sixteen = Open(Bytes(16), 30, "a");
    EXPECT_EQ(sixteen->m_nTotalRows, 2); // the second row holds only the end position
    EXPECT_FALSE(Peer(sixteen)->m_bScrollShown[SB_VERT]);
    EXPECT_EQ(sixteen->m_nFirstRow, 0);
    EXPECT_EQ(Open(Bytes(), 30, "b")->m_nTotalRows, 1);

    CKolvaView* view = Open(Bytes(100 * 16 - 1), 30, "c");
    const SCROLLINFO& bar = Peer(view)->m_scroll[SB_VERT];
    EXPECT_TRUE(Peer(view)->m_bScrollShown[SB_VERT]);
    EXPECT_EQ(bar.nMax, 99);
    EXPECT_EQ(bar.nPage, 30u);
    EXPECT_EQ(view->m_nTotalCols, 79); // 78 columns of text and one more
}

TEST_F(RowViewTest, WindowGrowingAtTheEndKeepsTheLastPageFull) {
    CKolvaView* view = Open(Bytes(100 * 16 - 1), 30);
    view->OnKeyDown(VK_NEXT, 1, 0);
    view->OnKeyDown(VK_NEXT, 1, 0);
    view->OnKeyDown(VK_NEXT, 1, 0);
    ASSERT_EQ(view->m_nFirstRow, 70);
    Peer(view)->Resize(640, 40 * 16);
    EXPECT_EQ(view->m_nFirstRow, 60);
    EXPECT_EQ(view->m_nLastRow, 99);
    EXPECT_EQ(Peer(view)->m_scroll[SB_VERT].nPos, 60);
}

TEST_F(RowViewTest, ThumbTrackingReachesRowsBeyondSixteenBits) {
    CKolvaView* view = Open(Bytes(70000 * 16), 30);
    CHeadlessWindowPeer* peer = Peer(view);
    peer->m_scroll[SB_VERT].nTrackPos = 69971;
    view->OnVScroll(SB_THUMBPOSITION, 69971 & 0xFFFF); // releasing the thumb does not scroll
    EXPECT_EQ(view->m_nFirstRow, 0);
    view->OnVScroll(SB_THUMBTRACK, 69971 & 0xFFFF);
    EXPECT_EQ(view->m_nFirstRow, 69971);
    EXPECT_EQ(view->m_nLastRow, 70000);         // the end position's row
    EXPECT_EQ(Data(view).m_nCaret, 69971 * 16); // the caret kept its place on the screen
    EXPECT_EQ(peer->m_scroll[SB_VERT].nPos, 69971);
}

TEST_F(RowViewTest, EachMemberReachesItsOwnRowsAndTheOthersStopAtTheirEnds) {
    MakeGroup();
    CRowView *a = m_group[0], *b = m_group[1], *shortView = m_group[2];
    a->OnVScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(FirstRows(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(Data(static_cast<CKolvaView*>(b)).m_nCaret, 16); // others carry their caret

    a->OnVScroll(SB_PAGEDOWN, 0);
    a->OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(FirstRows(), (std::vector<int>{41, 41, 20})); // the short one at its last row
    shortView->OnVScroll(SB_LINEDOWN, 0);                   // nothing more to show: nobody moves
    EXPECT_EQ(FirstRows(), (std::vector<int>{41, 41, 20}));
    a->OnVScroll(SB_LINEUP, 0); // still beyond the short one's rows
    EXPECT_EQ(FirstRows(), (std::vector<int>{40, 40, 20}));
    // Scrolling the one that stayed behind brings the group back in step with it.
    shortView->OnMouseWheel(0, 120, CPoint()); // a notch towards the user: three rows up
    EXPECT_EQ(FirstRows(), (std::vector<int>{17, 17, 17}));
}

TEST_F(RowViewTest, AGroupOutOfStepKeepsItsOffsetPastTheEnds) {
    MakeGroup();
    m_group[2]->OnVScroll(SB_PAGEDOWN, 0); // all at row 20, the short one at its end
    ASSERT_EQ(m_group[0]->m_nFirstRow, 20);
    m_group[1]->ScrollSelf(-20); // out of step, as a relative group may be
    // Growing at its end, the short one moves up, and no view is pushed before its first row.
    Peer(m_group[2])->Resize(640, 30 * 16);
    EXPECT_EQ(FirstRows(), (std::vector<int>{10, 0, 10}));
    Peer(m_group[2])->Resize(640, 20 * 16);
    m_group[0]->OnVScroll(SB_PAGEUP, 0);
    m_group[0]->OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(FirstRows(), (std::vector<int>{20, 0, 20})); // 20 rows behind, as before
    m_group[0]->OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(FirstRows(), (std::vector<int>{40, 20, 20}));
}

TEST_F(RowViewTest, PageKeysAtTheEdgesMoveTheCaretToTheEnds) {
    CKolvaView* view = Open(Bytes(100 * 16 - 1), 30);
    Data(view).m_nCaret = 5 * 16 + 3;
    m_backend.PressKey(VK_NEXT);
    EXPECT_EQ(view->m_nFirstRow, 30);
    EXPECT_EQ(Data(view).m_nCaret, 35 * 16 + 3); // same screen row
    m_backend.PressKey(VK_NEXT, FCONTROL);       // ten pages, limited to the end
    EXPECT_EQ(view->m_nLastRow, 99);
    m_backend.PressKey(VK_NEXT);
    EXPECT_EQ(Data(view).m_nCaret, 100 * 16 - 1); // the end position
    m_backend.PressKey(VK_PRIOR, FCONTROL);
    EXPECT_EQ(view->m_nFirstRow, 0);
    m_backend.PressKey(VK_PRIOR);
    EXPECT_EQ(Data(view).m_nCaret, 0);
}

TEST_F(RowViewTest, ArrowsAtTheLastRows) {
    CKolvaView* view = Open(Bytes(40), 30); // rows 0..2, the last holding positions 32..40
    Data(view).m_nCaret = 20;
    m_backend.PressKey(VK_DOWN);
    EXPECT_EQ(Data(view).m_nCaret, 36);
    m_backend.PressKey(VK_DOWN); // no row below: to the end position
    EXPECT_EQ(Data(view).m_nCaret, 40);
    Data(view).m_nCaret = 30;
    m_backend.PressKey(VK_DOWN); // column 14 of the last row is past the end
    EXPECT_EQ(Data(view).m_nCaret, 40);
    Data(view).m_nCaret = 0;
    m_backend.PressKey(VK_UP);
    m_backend.PressKey(VK_LEFT);
    EXPECT_EQ(Data(view).m_nCaret, 0);
}

TEST_F(RowViewTest, ScrollLockKeepsTheCaretWithinTheVisibleRows) {
    CKolvaView* view = Open(Bytes(100 * 16), 30);
    view->m_bScrollLocked = true;
    Data(view).m_nCaret = 29 * 16;
    m_backend.PressKey(VK_DOWN);
    EXPECT_EQ(Data(view).m_nCaret, 29 * 16);
    view->OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(view->m_nFirstRow, 0);
    EXPECT_TRUE(view->ScrollRowIntoView(30));
    EXPECT_FALSE(view->ScrollRowIntoView(29));
}

TEST_F(RowViewTest, HorizontalScrollingIsOneColumnAPageAndMovesTheRuler) {
    CKolvaView* view = Open(Bytes(64), 10);
    Peer(view)->Resize(40 * 8, 10 * 16);
    ASSERT_TRUE(Peer(view)->m_bScrollShown[SB_HORZ]);
    view->OnHScroll(SB_PAGERIGHT, 0);
    EXPECT_EQ(view->m_nFirstCol, 1);
    EXPECT_EQ(Peer(view)->m_scrolls.back(), CPoint(-8, 0));
    EXPECT_EQ(Peer(&view->m_wndRuler)->m_grid.RowText(0).substr(0, 8), "ddress  "); // at once
    view->OnHScroll(SB_THUMBTRACK, 100); // limited to the last column
    EXPECT_EQ(view->m_nLastCol, 78);
    EXPECT_EQ(view->m_nFirstCol, 39);
    view->OnHScroll(SB_LINELEFT, 0);
    EXPECT_EQ(view->m_nFirstCol, 38);
}

TEST_F(RowViewTest, PartsOfAWheelNotchAddUpToRows) {
    CKolvaView* view = Open(Bytes(100 * 16), 10);
    view->OnMouseWheel(0, -120, CPoint());
    EXPECT_EQ(view->m_nFirstRow, 3);
    for (int i = 0; i < 4; ++i) // a touchpad: a quarter notch at a time
        view->OnMouseWheel(0, -30, CPoint());
    EXPECT_EQ(view->m_nFirstRow, 6);
    view->OnMouseWheel(0, -20, CPoint());
    view->OnMouseWheel(0, 40, CPoint()); // turning back drops what was left over
    EXPECT_EQ(view->m_nFirstRow, 5);
}
