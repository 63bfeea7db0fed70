// The caret, keyboard and input-method entry, and selection by keys and by the mouse.
#include <memory>

#include "commands/ViewCommands.h"
#include "platform/base/FrameworkIds.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/WindowRequest.h"
#include "tests/view/ViewFixture.h"
#include "view/HexSelection.h"

namespace {
class CaretInputTest : public ViewFixture {
protected:
    CKolvaView* OpenInMode(const Bytes& bytes, int mode, int rows = 30,
                           const std::string& name = "f.bin") {
        CKolvaView* view = Open(bytes, rows, name);
        view->GetDocument()->m_nEditMode = mode;
        view->OnModeChanged();
        return view;
    }
    // Client point of column c of row r.
    static CPoint Cell(int c, int r) { return CPoint(c * 8 + 3, r * 16 + 5); }
    std::pair<int, int> Selection(CKolvaView* view) {
        CBinData& d = Data(view);
        return d.m_bSelection ? std::make_pair(d.m_nSelStart, d.m_nSelEnd) : std::make_pair(-1, -1);
    }
};
} // namespace

TEST_F(CaretInputTest, OverwriteModeEntersBothDigitsOfAByte) {
    CKolvaView* view = OpenInMode(Bytes(4), 1);
    Type("4");
    EXPECT_EQ(Data(view).GetByte(0), 0x40);
    EXPECT_EQ(view->CaretState().m_nNibble, 1);
    EXPECT_EQ(Peer(view)->m_caretPos, CPoint(12 * 8, 0)); // on the low digit
    Type("1");
    EXPECT_EQ(Content(Data(view)), (Bytes{0x41, 0, 0, 0}));
    EXPECT_EQ(Data(view).m_nCaret, 1);
    EXPECT_EQ(Peer(view)->m_caretPos, CPoint(14 * 8, 0));
    EXPECT_EQ(Peer(view)->m_caretSize, CSize(8, 16)); // a block in overwrite mode
    EXPECT_TRUE(view->GetDocument()->IsModified());

    Data(view).m_nCaret = 4;
    Type("1z.");
    EXPECT_EQ(Beeps(), 3u); // the end position holds no byte to overwrite
    EXPECT_EQ(Content(Data(view)), (Bytes{0x41, 0, 0, 0}));
}

TEST_F(CaretInputTest, InsertModeAppendsAtTheEndOfAFifteenByteFile) {
    CKolvaView* view = OpenInMode(Bytes(15, 0xEE), 2);
    Data(view).m_nCaret = 15;
    int& placed = Peer(view)->m_nCaretPlaced;
    int before = placed;
    Type("7"); // stored, the rows laid out anew, the caret on the low digit: placed once
    EXPECT_EQ(placed, before + 1);
    EXPECT_EQ(Data(view).GetDataLength(), 16);
    EXPECT_EQ(Data(view).GetByte(15), 0x70);
    EXPECT_EQ(view->m_nTotalRows, 2); // a row for the new end position
    Type("F");
    EXPECT_EQ(Data(view).GetByte(15), 0x7F);
    EXPECT_EQ(Data(view).GetDataLength(), 16);
    EXPECT_EQ(Data(view).m_nCaret, 16);
    EXPECT_EQ(Peer(view)->m_caretSize, CSize(3, 16)); // the insert bar
    m_backend.TypeChar('\t');
    before = placed;
    Type(".");
    EXPECT_EQ(Data(view).GetByte(16), 0x2E);
    m_backend.PressKey(VK_LEFT);
    EXPECT_EQ(placed, before + 2);
    EXPECT_EQ(Beeps(), 0u);
}

TEST_F(CaretInputTest, NibbleStepsOfTheArrowsInOverwriteMode) {
    CKolvaView* view = OpenInMode(Bytes(4), 1);
    m_backend.PressKey(VK_LEFT); // no byte before 0, but the digit changes
    EXPECT_EQ(Data(view).m_nCaret, 0);
    EXPECT_EQ(view->CaretState().m_nNibble, 1);
    m_backend.PressKey(VK_RIGHT);
    EXPECT_EQ(Data(view).m_nCaret, 1);
    EXPECT_EQ(view->CaretState().m_nNibble, 0);
    m_backend.PressKey(VK_LEFT);
    EXPECT_EQ(Data(view).m_nCaret, 0);
    EXPECT_EQ(view->CaretState().m_nNibble, 1);
}

TEST_F(CaretInputTest, ShiftArrowsSelectBytesBetweenAnchorAndCaret) {
    CKolvaView* view = OpenInMode(Bytes(32), 1);
    Data(view).m_nCaret = 5;
    for (int i = 0; i < 3; ++i)
        m_backend.PressKey(VK_RIGHT, FSHIFT);
    EXPECT_EQ(Selection(view), std::make_pair(5, 7));
    m_backend.PressKey(VK_LEFT, FSHIFT);
    EXPECT_EQ(Selection(view), std::make_pair(5, 6));
    view->OnKeyUp(VK_SHIFT, 1, 0);
    m_backend.PressKey(VK_RIGHT);
    EXPECT_EQ(Selection(view), std::make_pair(-1, -1));

    m_backend.PressKey(VK_DOWN, FSHIFT);
    ASSERT_TRUE(Data(view).m_bSelection);
    m_backend.PressKey(VK_ESCAPE);
    EXPECT_FALSE(Data(view).m_bSelection);
    EXPECT_FALSE(view->Selection().IsSelecting());
}

TEST_F(CaretInputTest, DraggingBackwardsAndAutomaticScrolling) {
    CKolvaView* view = OpenInMode(Bytes(100 * 16), 1, 10);
    view->OnLButtonDown(MK_LBUTTON, Cell(12 + 3 * 10, 0));  // byte 10, past the gap
    view->OnMouseMove(MK_LBUTTON, Cell(11 + 3 * 4 + 1, 0)); // byte 4, low digit
    EXPECT_EQ(Selection(view), std::make_pair(4, 9));
    EXPECT_TRUE(Peer(view)->m_bCapture);

    view->OnMouseMove(MK_LBUTTON, Cell(62 + 3, 11)); // two rows below the window
    EXPECT_EQ(Peer(view)->m_timers.at(CKolvaView::kDragTimer), 90u);
    EXPECT_EQ(view->m_nFirstRow, 2);
    view->OnTimer(CKolvaView::kDragTimer);
    EXPECT_EQ(view->m_nFirstRow, 4);
    EXPECT_EQ(Data(view).m_nCaret, 13 * 16 + 3);
    EXPECT_EQ(Selection(view), std::make_pair(10, 13 * 16 + 2));
    EXPECT_EQ(view->CaretState().m_bCharArea, 1);
    view->OnLButtonUp(0, Cell(0, 0));
    EXPECT_TRUE(Peer(view)->m_timers.empty());
    EXPECT_FALSE(Peer(view)->m_bCapture);
}

TEST_F(CaretInputTest, ClicksBetweenTheAreasAndOnTheDigits) {
    CKolvaView* view = OpenInMode(Bytes(64), 1);
    view->OnLButtonDown(MK_LBUTTON, Cell(60, 0)); // after byte 15, before the characters
    EXPECT_EQ(Data(view).m_nCaret, 16);
    EXPECT_EQ(view->CaretState().m_bCharArea, 0);
    Type("A"); // a half-typed byte, then a click elsewhere: the caret is on a high digit
    view->OnLButtonUp(0, Cell(0, 0));
    view->OnLButtonDown(MK_LBUTTON, Cell(11, 2));
    EXPECT_EQ(view->CaretState().m_nNibble, 0);
    EXPECT_EQ(Peer(view)->m_caretPos, CPoint(11 * 8, 32));
}

TEST_F(CaretInputTest, TabSwitchesAreasOnlyWhenCharactersAreShown) {
    CKolvaView* view = OpenInMode(Bytes(4), 0);
    EXPECT_EQ(Peer(view)->m_caretSize, CSize(16, 3)); // VIEW: underline of both digits
    m_backend.TypeChar('\t');
    EXPECT_EQ(view->CaretState().m_bCharArea, 1);
    EXPECT_EQ(Peer(view)->m_caretSize, CSize(8, 3));
    EXPECT_EQ(Peer(view)->m_caretPos, CPoint(62 * 8, 12));
    m_backend.TypeChar('\t');
    Data(view).m_bShowChars = false;
    m_backend.TypeChar('\t');
    EXPECT_EQ(view->CaretState().m_bCharArea, 0);
    Type("1"); // nothing is typed in VIEW mode
    EXPECT_EQ(Beeps(), 1u);
}

TEST_F(CaretInputTest, InputMethodCharactersAreOneUndoStep) {
    CKolvaView* view = OpenInMode(Str("ab"), 2);
    m_backend.TypeChar('\t');
    view->OnImeChar(0x82A0, 1); // a double-byte character: lead byte first
    EXPECT_EQ(Content(Data(view)), (Bytes{0x82, 0xA0, 'a', 'b'}));
    EXPECT_EQ(Data(view).m_nCaret, 2);
    Data(view).ApplyUndoStep(true);
    EXPECT_EQ(Content(Data(view)), Str("ab"));

    view->m_nJCode = JCode::kUnicode; // Unicode: even a one-byte character is stored as a code unit
    view->OnImeChar('A', 1);
    view->OnImeChar(0x82A0, 1);
    EXPECT_EQ(Content(Data(view)), (Bytes{'A', 0, 0x42, 0x30, 'a', 'b'}));
    m_backend.TypeChar('\t');
    view->OnImeChar('A', 1); // not in the hex area
    EXPECT_EQ(Beeps(), 1u);
}

TEST_F(CaretInputTest, HalfACharacterIsNeverOverwritten) {
    CKolvaView* view = OpenInMode(Str("abc"), 1);
    m_backend.TypeChar('\t');
    Data(view).m_nCaret = 2; // one byte left under the caret
    view->OnImeChar(0x82A0, 1);
    EXPECT_EQ(Beeps(), 1u);
    EXPECT_TRUE(Data(view).m_undo.IsEmpty());
    Data(view).m_nCaret = 1;
    view->OnImeChar(0x82A0, 1);
    EXPECT_EQ(Content(Data(view)), (Bytes{'a', 0x82, 0xA0}));
}

TEST_F(CaretInputTest, TypingWhereTheViewCannotScrollKeepsTheBytesInOrder) {
    CKolvaView* view = OpenInMode(Bytes(100 * 16), 2, 10);
    view->m_bScrollLocked = true;
    m_backend.TypeChar('\t');
    Data(view).m_nCaret = 9 * 16 + 15; // the last column of the last visible row
    Type("AB");
    EXPECT_EQ(Data(view).GetByte(9 * 16 + 15), 'A');
    EXPECT_EQ(Data(view).GetByte(9 * 16 + 16), 'B');
    EXPECT_EQ(view->m_nFirstRow, 0);
}

TEST_F(CaretInputTest, BytesTypedWhereTheCaretIsNotShownAreStoredAndShown) {
    // A window too low for one row.
    CKolvaView* view = OpenInMode(Bytes(15, 0xEE), 2, 0);
    ASSERT_EQ(view->m_nVisibleRows, 0);
    m_backend.TypeChar('\t');
    Data(view).m_nCaret = 15;
    Type("ABC");
    m_backend.TypeChar('\t');
    Type("7F");
    Bytes content = Content(Data(view));
    ASSERT_EQ(content.size(), 19u);
    EXPECT_EQ(Bytes(content.begin() + 15, content.end()), (Bytes{'A', 'B', 'C', 0x7F}));
    EXPECT_EQ(Data(view).m_nCaret, 19);
    Peer(view)->Resize(80 * 8, 5 * 16);
    EXPECT_TRUE(view->IsCaretRowVisible());

    // The end position scrolled out of view.
    CKolvaView* other = OpenInMode(Bytes(100 * 16), 2, 10, "other.bin");
    Data(other).m_nCaret = 100 * 16;
    Type("7");
    EXPECT_EQ(Data(other).GetDataLength(), 100 * 16 + 1);
    EXPECT_EQ(Data(other).GetByte(100 * 16), 0x70);
    EXPECT_TRUE(other->IsCaretRowVisible());
    EXPECT_EQ(Beeps(), 0u);
}

TEST_F(CaretInputTest, OnlyTheActiveViewHasACaret) {
    CKolvaView* first = OpenInMode(Bytes(64), 1);
    CKolvaView* second = Open(Bytes(1000 * 16), 10, "second");
    ASSERT_TRUE(second->IsActiveView());
    Data(first).m_nCaret = 0;
    Data(second).m_nCaret = 500 * 16; // off the screen
    Activate(first);
    EXPECT_FALSE(Peer(second)->m_bCaretExists);
    EXPECT_TRUE(Peer(first)->m_bCaretExists);
    EXPECT_EQ(m_host.m_pSearchView, first);
    first->OnModeChanged(); // no caret is made for a view that is not active
    second->OnModeChanged();
    EXPECT_FALSE(Peer(second)->m_bCaretExists);
    Activate(second);
    EXPECT_EQ(second->m_nLastRow, 500); // brought to the nearest edge on activation
    EXPECT_EQ(Peer(second)->m_caretPos, CPoint(11 * 8, 9 * 16));
    EXPECT_EQ(Peer(second)->m_imePos, CPoint(11 * 8, 9 * 16));
}

TEST_F(CaretInputTest, PointsPastTheEndOfTheShortLastRowMeanTheEndPosition) {
    CKolvaView* view = OpenInMode(Bytes(40), 1);
    Data(view).m_nCaret = 5;
    view->OnLButtonDown(MK_LBUTTON, Cell(11 + 3 * 13, 2)); // byte 13 of row 2: past byte 39
    EXPECT_EQ(Data(view).m_nCaret, 40);
    view->OnLButtonUp(0, Cell(0, 0));
    view->OnLButtonDown(MK_LBUTTON, Cell(11, 0));
    view->OnMouseMove(MK_LBUTTON, Cell(70, 2)); // the character area past the end
    EXPECT_EQ(Data(view).m_nCaret, 40);
    EXPECT_EQ(Selection(view), std::make_pair(0, 39));
    view->OnMouseMove(MK_LBUTTON, Cell(60, 2)); // right of the hex area of the last row
    EXPECT_EQ(Data(view).m_nCaret, 40);
    view->OnMouseMove(MK_LBUTTON, Cell(11 + 3 * 7, 1)); // a full row still takes its byte
    EXPECT_EQ(Data(view).m_nCaret, 23);
    view->OnLButtonUp(0, Cell(0, 0));
    view->OnLButtonDown(MK_LBUTTON, Cell(11, 5)); // below the rows: the caret stays
    EXPECT_EQ(Data(view).m_nCaret, 23);
}

TEST_F(CaretInputTest, ClosingTheActiveDocumentActivatesTheNextView) {
    CKolvaView* first = OpenInMode(Bytes(64), 1);
    CKolvaView* second = Open(Bytes(64), 10, "second");
    ASSERT_TRUE(second->IsActiveView());
    EXPECT_FALSE(Peer(first)->m_bCaretExists);
    second->GetDocument()->OnCloseDocument();
    EXPECT_TRUE(first->IsActiveView());
    EXPECT_TRUE(Peer(first)->m_bCaretExists);
    EXPECT_GT(Peer(first)->m_nCaretShow, 0);
    EXPECT_EQ(m_host.m_pSearchView, first);
    EXPECT_EQ(m_backend.Focus(), Peer(first));
}

TEST_F(CaretInputTest, EditsReachEveryViewOfTheDocument) {
    CKolvaView* view = OpenInMode(Bytes(20), 1);
    // A second window on the document, made as the template makes the first.
    auto frame = std::make_unique<CMDIChildWnd>();
    ASSERT_TRUE(frame->Create(m_frame.get(), "second"));
    auto* other = static_cast<CKolvaView*>(frame->AttachView(std::make_unique<CKolvaView>()));
    CViewCommands::Install(*other);
    view->GetDocument()->AddView(other);
    CWindowRequest request;
    request.m_kind = CWindowRequest::View;
    request.m_pParent = frame.get();
    request.m_nID = FrameworkIds::kFirstPane;
    ASSERT_TRUE(other->CreatePeer(request));
    other->OnInitialUpdate();
    Peer(other)->Resize(80 * 8, 30 * 16);
    Activate(view);

    Data(view).m_nCaret = 17;
    Peer(other)->Paint();
    Type("A"); // overwritten in place: only the caret's row repaints
    EXPECT_EQ(Peer(other)->m_invalidRects, std::vector<CRect>{CRect(0, 16, 79 * 8, 32)});
    EXPECT_TRUE(view->GetDocument()->IsModified());

    view->GetDocument()->m_nEditMode = 2;
    view->OnModeChanged();
    Data(view).m_nCaret = 20;
    Data(view).SetSelection(0, 3);
    Type("0123456789ABCDEF0123456789"); // 13 more bytes: a row more
    EXPECT_EQ(other->m_nTotalRows, 3);
    EXPECT_TRUE(Peer(other)->m_bAllInvalid);
    ASSERT_TRUE(m_frame->SendCommand(ID_EDIT_UNDO_ALL));
    EXPECT_EQ(other->m_nTotalRows, 2);
    EXPECT_FALSE(Data(view).m_bSelection);
    EXPECT_FALSE(view->GetDocument()->IsModified());
    frame->DestroyWindow(); // takes its view away from the document
}
