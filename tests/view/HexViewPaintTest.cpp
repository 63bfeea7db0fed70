// What the hex view draws: rows, selection colours, mark and range overlays, the ruler.
#include "platform/headless/HeadlessDC.h"
#include "tests/view/ViewFixture.h"
#include "view/UpdateHint.h"

namespace {
const COLORREF kNone = 0xFFFFFFFF;

class HexViewPaintTest : public ViewFixture {
protected:
    CCellGrid& Paint(CKolvaView* view) {
        CHeadlessWindowPeer* peer = Peer(view);
        peer->Paint();
        return peer->m_grid;
    }
    // The columns of a grid row drawn on the highlight colour, as "first-last" runs.
    static std::string HighlightedColumns(CCellGrid& grid, int row) {
        std::string runs;
        const COLORREF kHighlight = GetSysColor(COLOR_HIGHLIGHT);
        for (int c = 0; c < grid.m_nCols; ++c) {
            if (grid.At(c, row)->m_back != kHighlight) continue;
            int first = c;
            while (c + 1 < grid.m_nCols && grid.At(c + 1, row)->m_back == kHighlight)
                ++c;
            runs += (runs.empty() ? "" : ",") + std::to_string(first) + "-" + std::to_string(c);
        }
        return runs;
    }
};
} // namespace

TEST_F(HexViewPaintTest, PlainRowsAreOneTextOutputEach) {
    CKolvaView* view = Open(Str("ABCDEFGHIJKLMNOPQR"), 5);
    CHeadlessDC dc(&Peer(view)->m_grid);
    view->OnPaint(&dc);
    EXPECT_EQ(dc.m_nTextOutCalls, 3); // the two rows of data and one more below
    CCellGrid& grid = Peer(view)->m_grid;
    EXPECT_EQ(grid.RowText(0), "0000:0000  41 42 43 44 45 46 47 48  49 4A 4B 4C 4D 4E 4F 50"
                               "   ABCDEFGHIJKLMNOP  ");
    EXPECT_EQ(grid.RowText(1).substr(0, 20), "0000:0010  51 52    ");
    EXPECT_EQ(grid.RowText(2), std::string(80, ' '));
}

TEST_F(HexViewPaintTest, SelectionHighlightsDigitsAndCharactersAcrossTheGap) {
    CKolvaView* view = Open(Sequence(64), 10);
    Data(view).SetSelection(7, 8);
    CHeadlessDC dc(&Peer(view)->m_grid);
    view->OnPaint(&dc);
    EXPECT_EQ(dc.m_nTextOutCalls, 5 + 6); // one selected row in six outputs
    CCellGrid& grid = Peer(view)->m_grid;
    // Byte 7 at 32-33, the two separating columns, byte 8 at 36-37; characters 7 and 8.
    EXPECT_EQ(HighlightedColumns(grid, 0), "32-37,69-70");
    EXPECT_EQ(grid.At(32, 0)->m_text, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(HighlightedColumns(grid, 1), "");

    Data(view).SetSelection(17, 17);
    EXPECT_EQ(HighlightedColumns(Paint(view), 1), "14-15,63-63");
}

TEST_F(HexViewPaintTest, SelectionSplittingDoubleByteCharactersKeepsTheirPairs) {
    // こんにちは世界。
    CKolvaView* view =
        Open(Str("\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD\x90\xA2\x8A\x45\x81\x42"), 5);
    std::string plain = Paint(view).RowGlyphs(0);
    EXPECT_EQ(plain.substr(62), "こんにちは世界。  ");
    Data(view).SetSelection(1, 4);
    CCellGrid& grid = Paint(view);
    EXPECT_EQ(grid.RowGlyphs(0), plain);
    EXPECT_EQ(HighlightedColumns(grid, 0), "14-24,63-66"); // still by column: half of こ and に
}

TEST_F(HexViewPaintTest, SelectionBeyondTheWindowHighlightsWholeVisibleRows) {
    CKolvaView* view = Open(Sequence(100 * 16), 10);
    view->OnVScroll(SB_PAGEDOWN, 0);
    Data(view).SetSelection(3, 95 * 16);
    CCellGrid& grid = Paint(view);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(HighlightedColumns(grid, row), "11-58,62-77") << row;
}

TEST_F(HexViewPaintTest, MarksAndRangeAreCombinedOverTheText) {
    CKolvaView* view = Open(Sequence(64), 10);
    CBinData& data = Data(view);
    data.m_marks.Toggle(0x11);
    data.m_nRegStart = 0x10;
    data.m_nRegEnd = 0x12;
    data.m_bRegistered = true;
    CCellGrid& grid = Paint(view);
    auto cell = [&](int col) { return grid.At(col, 1); };
    EXPECT_EQ(cell(14)->m_and, RGB(0, 255, 0)); // the mark's two digits and its character
    EXPECT_EQ(cell(15)->m_and, RGB(0, 255, 0));
    EXPECT_EQ(cell(16)->m_and, kNone);
    EXPECT_EQ(cell(63)->m_and, RGB(0, 255, 0));
    for (int col : {11, 14, 19, 62, 64}) // the range, the marked byte included
        EXPECT_EQ(cell(col)->m_or, RGB(255, 0, 0)) << col;
    EXPECT_EQ(cell(20)->m_or, kNone);
    EXPECT_EQ(grid.At(14, 0)->m_or, kNone);
}

TEST_F(HexViewPaintTest, RulerShowsTheHeaderInTheRulerBarAndScrollsWithTheView) {
    m_host.m_nIndicatorVisible = 0;
    CKolvaView* view = Open(Sequence(20), 10);
    CHeadlessWindowPeer* ruler = Peer(&view->m_wndRuler);
    ASSERT_NE(ruler, nullptr);
    EXPECT_EQ(view->m_wndRuler.GetDlgCtrlID(), 0xFFFFu);
    EXPECT_EQ(view->m_wndRuler.GetParent()->GetDlgCtrlID(), IDD_RULER_BAR);
    EXPECT_EQ(ruler->m_window, CRect(2, 2, 2 + 78 * 8, 2 + 16));
    EXPECT_FALSE(m_host.m_bBarShown);
    EXPECT_EQ(m_host.m_nBarHeight, 17);
    Data(view).m_bShowAddress = false; // both scroll out to the left together
    Data(view).UpdateLayout();
    view->RefreshRuler();
    Peer(view)->Resize(20 * 8, 160);
    view->ScrollColumns(3);
    EXPECT_EQ(ruler->m_grid.RowText(0).substr(0, 7), "01 02 0");
    EXPECT_EQ(Paint(view).RowText(0).substr(0, 7), "01 02 0");
}

TEST_F(HexViewPaintTest, CharacterCodeCommandsAreCheckedAndRepaint) {
    m_host.m_nJCode = 1;
    CKolvaView* view = Open(Bytes{0x41, 0x00, 0x42, 0x30}, 10);
    EXPECT_EQ(m_frame->QueryCommand(ID_JCODE_UNICODE).m_nCheck, 1);
    EXPECT_EQ(Paint(view).RowText(0).substr(62, 4), "A \x82\xA0");
    ASSERT_TRUE(m_frame->SendCommand(ID_JCODE_ASCII));
    EXPECT_EQ(view->m_nJCode, JCode::kAscii);
    EXPECT_EQ(m_frame->QueryCommand(ID_JCODE_UNICODE).m_nCheck, 0);
    EXPECT_EQ(m_frame->QueryCommand(ID_JCODE_ASCII).m_nCheck, 1);
    EXPECT_TRUE(Peer(view)->m_bInvalid);
    EXPECT_EQ(Paint(view).RowText(0).substr(62, 4), "A.B0");
}

TEST_F(HexViewPaintTest, UpdateHintsRelayoutAndDropTheSelection) {
    CKolvaView* view = Open(Sequence(20), 10);
    Data(view).SetSelection(2, 4);
    Data(view).InsertAt(0, Bytes(40).data(), 40); // two more rows behind the view's back
    view->OnUpdate(nullptr, 1);
    EXPECT_EQ(view->m_nTotalRows, 2);
    view->OnUpdate(nullptr, UpdateHint::kRelayout | UpdateHint::kClearSelection);
    EXPECT_EQ(view->m_nTotalRows, 4);
    EXPECT_FALSE(Data(view).m_bSelection);
}

TEST_F(HexViewPaintTest, MarksAndRangeStayOnTheirRowsWithHundredsOfRowsVisible) {
    CKolvaView* view = Open(Sequence(400 * 16), 300);
    CBinData& data = Data(view);
    for (int row : {0, 254, 255, 256, 290})
        data.m_marks.Toggle(row * 16 + 1);
    data.m_nRegStart = 250 * 16 + 4;
    data.m_nRegEnd = 270 * 16 + 2;
    data.m_bRegistered = true;
    CCellGrid& grid = Paint(view);
    const COLORREF kMark = RGB(0, 255, 0), kRange = RGB(255, 0, 0);
    for (int row = 0; row < 300; ++row) {
        bool marked = row == 0 || row == 254 || row == 255 || row == 256 || row == 290;
        EXPECT_EQ(grid.At(14, row)->m_and == kMark, marked) << row;
        bool inRange = row >= 250 && row <= 270;
        EXPECT_EQ(grid.At(63, row)->m_or == kRange, inRange && row != 250) << row;
        EXPECT_EQ(grid.At(11, row)->m_or == kRange, row > 250 && row <= 270) << row;
    }
}

TEST_F(HexViewPaintTest, RulerFollowsTheFirstColumnWhenAResizeMovesIt) {
    CKolvaView* view = Open(Sequence(64), 10);
    CHeadlessWindowPeer* ruler = Peer(&view->m_wndRuler);
    Peer(view)->Resize(40 * 8, 10 * 16);
    view->OnHScroll(SB_THUMBTRACK, 100); // fully right
    ASSERT_EQ(view->m_nFirstCol, 39);
    m_backend.PaintAll();
    Peer(view)->Resize(41 * 8, 10 * 16); // one more column: the first one moves back
    ASSERT_EQ(view->m_nFirstCol, 38);
    m_backend.PaintAll();
    std::string header = Data(view).FormatHeader();
    EXPECT_EQ(ruler->m_grid.RowText(0).substr(0, 20), header.substr(38, 20));
    EXPECT_EQ(Peer(view)->m_grid.RowText(0).substr(0, 20),
              std::string(Data(view).FormatRowText(0, JCode::kShiftJis)).substr(38, 20));
}

TEST_F(HexViewPaintTest, APaintFormatsOnlyTheRowsItsClipBoxMeets) {
    CKolvaView* view = Open(Sequence(64), 10);
    Data(view).m_marks.Toggle(0x01);
    Data(view).m_marks.Toggle(0x21);
    CCellGrid& grid = Paint(view);
    grid.At(14, 0)->m_and = kNone; // the first row's mark, as if not drawn yet
    CHeadlessDC dc(&grid);
    dc.SetClipBox(CRect(100, 2 * 16 + 4, 120, 3 * 16 + 1)); // row 2 and a pixel of row 3
    view->OnDraw(&dc);
    EXPECT_EQ(dc.m_nTextOutCalls, 2);
    EXPECT_EQ(grid.At(14, 2)->m_and, RGB(0, 255, 0));
    EXPECT_EQ(grid.At(14, 0)->m_and, kNone);        // outside: neither row nor overlay drawn
    dc.SetClipBox(CRect(0, 20 * 16, 640, 21 * 16)); // below the rows
    view->OnDraw(&dc);
    EXPECT_EQ(dc.m_nTextOutCalls, 2);
}

// A scroll moves what the window shows and repaints only the uncovered rows; the picture is
// the one a full repaint gives.
TEST_F(HexViewPaintTest, ScrollingRepaintsOnlyTheUncoveredRows) {
    CKolvaView* view = Open(Sequence(100 * 16), 10);
    Data(view).m_marks.Toggle(0x95);
    Data(view).SetSelection(0x33, 0x41);
    CHeadlessWindowPeer* peer = Peer(view);
    Paint(view);
    for (UINT code : {SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP, SB_LINEUP}) {
        view->OnVScroll(code, 0);
        if (code == SB_LINEDOWN || code == SB_LINEUP) {
            // A stale cell in a row the scroll moved: no repaint may touch it.
            int kept = code == SB_LINEDOWN ? 3 : 6;
            char moved = peer->m_grid.At(5, kept)->m_ch;
            peer->m_grid.At(5, kept)->m_ch = '#';
            peer->Paint();
            EXPECT_EQ(peer->m_grid.At(5, kept)->m_ch, '#');
            peer->m_grid.At(5, kept)->m_ch = moved;
        } else {
            peer->Paint();
        }
        CCellGrid scrolled = peer->m_grid;
        view->Invalidate(true);
        peer->Paint();
        for (int row = 0; row < 10; ++row) {
            EXPECT_EQ(scrolled.RowText(row), peer->m_grid.RowText(row)) << row;
            EXPECT_EQ(HighlightedColumns(scrolled, row), HighlightedColumns(peer->m_grid, row));
            EXPECT_EQ(scrolled.At(17, row)->m_and, peer->m_grid.At(17, row)->m_and) << row;
        }
    }
}
