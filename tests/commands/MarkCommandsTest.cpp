// Going to a typed address, marks and the jumps between them, and the registered range.
#include <tuple>

#include "tests/view/ViewFixture.h"

namespace {
constexpr COLORREF kNoBrush = 0xFFFFFFFF;

class MarkCommandsTest : public ViewFixture {
protected:
    bool Send(UINT id) { return m_frame->SendCommand(id); }
    // Types text into the go-to dialog and presses the button.
    void GoTo(const std::string& text, UINT button = IDOK) {
        m_backend.QueueDialog([text, button](CHeadlessWindowPeer& dlg) {
            EXPECT_EQ(dlg.m_strText, "指定アドレスへ移動");
            EXPECT_EQ(dlg.GetItemText(IDC_ADDRESS), "");
            dlg.SetItemText(IDC_ADDRESS, text);
            dlg.m_pOwner->OnCommandFromUI(button);
        });
        m_backend.PressKey('J', FCONTROL);
    }
    std::vector<uint32_t> Marks(CKolvaView* view) {
        std::vector<uint32_t> out;
        for (int i = 0; i < Data(view).m_marks.GetCount(); ++i)
            out.push_back(Data(view).m_marks.GetAt(i));
        return out;
    }
};
} // namespace

TEST_F(MarkCommandsTest, AddressesAreReadAsHexadecimalNumbers) {
    CKolvaView* view = Open(Sequence(0x100));
    for (const char* text : {"1f", "0x1F", " 1F", "1fz"}) {
        Data(view).m_nCaret = 0;
        GoTo(text);
        EXPECT_EQ(Data(view).m_nCaret, 31) << text;
    }
    GoTo("");
    EXPECT_EQ(Data(view).m_nCaret, 0);
    GoTo("100");
    EXPECT_EQ(Data(view).m_nCaret, 0x100); // the end position
    GoTo("80", IDCANCEL);
    GoTo("-10");
    EXPECT_EQ(Data(view).m_nCaret, 0x100);
    EXPECT_TRUE(m_backend.m_messages.empty());
    for (const char* text : {"101", "FFFFFFFFFFFF"})
        GoTo(text);
    ASSERT_EQ(m_backend.m_messages.size(), 2u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, "指定アドレスは範囲外です");
    EXPECT_EQ(m_backend.m_messages[0].m_nType & 0xF0, unsigned(MB_ICONSTOP));
    EXPECT_EQ(Data(view).m_nCaret, 0x100);
}

TEST_F(MarkCommandsTest, GoingFarScrollsTheRowIntoView) {
    CKolvaView* view = Open(Sequence(0x10000), 10);
    GoTo("8000");
    EXPECT_EQ(Data(view).m_nCaret, 0x8000);
    EXPECT_TRUE(view->IsCaretRowVisible());
    EXPECT_FALSE(view->GetDocument()->IsModified());
}

TEST_F(MarkCommandsTest, JumpsWrapAroundInBothDirections) {
    CKolvaView* view = Open(Sequence(0x100));
    EXPECT_FALSE(Enabled(ID_MARK_NEXT));
    for (int pos : {0x40, 0x10}) {
        Data(view).m_nCaret = pos;
        m_backend.PressKey('M', FCONTROL);
    }
    EXPECT_EQ(Marks(view), (std::vector<uint32_t>{0x10, 0x40}));
    Data(view).m_nCaret = 0x20;
    m_backend.PressKey(VK_F6);
    EXPECT_EQ(Data(view).m_nCaret, 0x40);
    m_backend.PressKey(VK_F6);
    EXPECT_EQ(Data(view).m_nCaret, 0x10);
    Data(view).m_nCaret = 0x20;
    m_backend.PressKey(VK_F7);
    EXPECT_EQ(Data(view).m_nCaret, 0x10);
    m_backend.PressKey(VK_F7);
    EXPECT_EQ(Data(view).m_nCaret, 0x40);
    EXPECT_FALSE(Data(view).m_bSelection);
}

TEST_F(MarkCommandsTest, ToggleTwiceRemovesAndTheEndTakesNoMark) {
    CKolvaView* view = Open(Sequence(0x20));
    Data(view).m_nCaret = 5;
    m_backend.PressKey('M', FCONTROL);
    m_backend.PressKey('M', FCONTROL);
    Data(view).m_nCaret = 0x20;
    m_backend.PressKey('M', FCONTROL);
    EXPECT_TRUE(Marks(view).empty());
    EXPECT_FALSE(Enabled(ID_MARK_CLEAR_ALL));

    Data(view).m_nCaret = 0x11;
    ASSERT_TRUE(Send(ID_MARK_TOGGLE));
    m_backend.PaintAll();
    CCellGrid& grid = Peer(view)->m_grid;
    int hex = Data(view).m_layout.HexColumn(1);
    EXPECT_NE(grid.At(hex, 1)->m_and, kNoBrush);
    EXPECT_EQ(grid.At(hex + 3, 1)->m_and, kNoBrush);
    ASSERT_TRUE(Send(ID_MARK_CLEAR_ALL));
    EXPECT_TRUE(Marks(view).empty());
}

TEST_F(MarkCommandsTest, ShiftJumpSelectsUpToTheMark) {
    CKolvaView* view = Open(Sequence(0x100));
    Data(view).m_nCaret = 0x40;
    m_backend.PressKey('M', FCONTROL);
    // Forwards from 0x20 and backwards from 0x50: the bytes between the caret and the mark.
    for (auto [key, from, first, last] :
         {std::tuple{VK_F6, 0x20, 0x20, 0x3F}, std::tuple{VK_F7, 0x50, 0x40, 0x4F}}) {
        Data(view).m_nCaret = from;
        m_backend.PressKey(key, FSHIFT);
        EXPECT_EQ(Data(view).m_nCaret, 0x40) << key;
        ASSERT_TRUE(Data(view).m_bSelection) << key;
        EXPECT_EQ(Data(view).m_nSelStart, first);
        EXPECT_EQ(Data(view).m_nSelEnd, last);
        view->OnKeyUp(VK_SHIFT, 1, 0);
        m_backend.PressKey(VK_F7); // a plain jump drops the selection
        EXPECT_FALSE(Data(view).m_bSelection);
    }
}

TEST_F(MarkCommandsTest, MarksPastTheEndNoLongerCount) {
    CKolvaView* view = Open(Sequence(0x40));
    Data(view).m_nCaret = 0x38;
    m_backend.PressKey('M', FCONTROL);
    ASSERT_TRUE(Enabled(ID_MARK_NEXT));
    Data(view).SetSelection(0x30, 0x3F);
    ASSERT_TRUE(Send(ID_EDIT_CLEAR));
    for (UINT id : {ID_MARK_NEXT, ID_MARK_PREV, ID_MARK_NEXT_SELECT, ID_MARK_CLEAR_ALL})
        EXPECT_FALSE(Enabled(id)) << id;
    Data(view).m_nCaret = 0;
    m_backend.PressKey(VK_F6);
    EXPECT_EQ(Data(view).m_nCaret, 0);
}

TEST_F(MarkCommandsTest, RegisteringTakesTheSelectionAndNoSelectionClearsIt) {
    CKolvaView* view = Open(Sequence(0x100));
    m_host.m_pSearchView = nullptr;
    Data(view).SetSelection(0x12, 0x25);
    m_backend.PressKey('R', FCONTROL);
    EXPECT_TRUE(Data(view).m_bRegistered);
    EXPECT_EQ(Data(view).m_nRegStart, 0x12);
    EXPECT_EQ(Data(view).m_nRegEnd, 0x25);
    EXPECT_FALSE(Data(view).m_bSelection);
    EXPECT_EQ(Data(view).m_nSelStart, -1);
    EXPECT_EQ(m_host.m_pSearchView, view); // the find dialogs learn of it
    m_backend.PaintAll();
    int hex = Data(view).m_layout.HexStart();
    EXPECT_NE(Peer(view)->m_grid.At(hex + 3 * 2, 1)->m_or, kNoBrush);
    EXPECT_EQ(Peer(view)->m_grid.At(hex + 3 * 6, 2)->m_or, kNoBrush);

    m_host.m_pSearchView = nullptr;
    m_backend.PressKey('R', FCONTROL);
    EXPECT_FALSE(Data(view).m_bRegistered);
    EXPECT_EQ(Data(view).m_nRegStart, -1);
    EXPECT_EQ(Data(view).m_nRegEnd, -1);
    EXPECT_EQ(m_host.m_pSearchView, view);
    EXPECT_FALSE(view->GetDocument()->IsModified());
}
