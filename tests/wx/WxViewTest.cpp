// A view on the real window system: painting, scroll bars, keys, characters and the caret.
#include <gtest/gtest.h>

#include <cstdio>

#include "WxTestSupport.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/StatusBar.h"
#include "platform/framework/SystemServices.h"
#include "platform/framework/ToolBar.h"
#include "platform/framework/View.h"
#include "platform/wx/WxBackend.h"

namespace {
class RecordingView : public CView {
public:
    void OnDraw(CDC* pDC) override {
        ++m_nPaints;
        m_bClipped = pDC->GetClipBox(m_clip);
        if (!m_bDrawBlock) return;
        int bottom = GetClientRect().bottom;
        pDC->FillSolidRect(CRect(40, 0, 60, 20), RGB(0, 0, 0));
        pDC->FillSolidRect(CRect(40, bottom - 20, 60, bottom), RGB(0, 0, 255));
    }
    void OnKeyDown(UINT nChar, UINT, UINT) override {
        Record("key", nChar);
        m_held.push_back(std::string(GetKeyState(VK_SHIFT) < 0 ? "shift" : "") +
                         (GetKeyState(VK_CONTROL) < 0 ? "ctrl" : ""));
    }
    void OnKeyUp(UINT nChar, UINT, UINT) override { Record("up", nChar); }
    void OnChar(UINT nChar, UINT, UINT) override { Record("char", nChar); }
    void OnImeChar(UINT nChar, UINT) override { Record("ime", nChar); }
    void OnVScroll(UINT code, UINT pos) override { Record("v", code, pos); }
    void OnHScroll(UINT code, UINT pos) override { Record("h", code, pos); }

    int m_nPaints = 0;
    bool m_bDrawBlock = false;
    bool m_bClipped = false;
    CRect m_clip; // of the last paint
    std::vector<std::string> m_events;
    std::vector<std::string> m_held; // the modifiers each key found held

private:
    void Record(const char* what, UINT a) {
        char text[32];
        std::snprintf(text, sizeof text, "%s %X", what, a);
        m_events.push_back(text);
    }
    void Record(const char* what, UINT a, UINT b) {
        char text[32];
        std::snprintf(text, sizeof text, "%s %u %u", what, a, b);
        m_events.push_back(text);
    }
};

class WxViewTest : public testing::Test {
protected:
    WxViewTest() : m_backend(m_dir.Path("Quelm.conf")) {
        EXPECT_TRUE(m_frame.LoadFrame(128, CSize(640, 480)));
        m_frame.ShowWindow(true);
        EXPECT_TRUE(m_child.Create(&m_frame, "view"));
        CWindowRequest request;
        request.m_kind = CWindowRequest::View;
        request.m_pParent = &m_child;
        EXPECT_TRUE(m_view.CreatePeer(request));
        m_child.SetActiveView(&m_view);
        CWxProbe::Pump(150);
    }
    ~WxViewTest() override {
        m_child.DestroyWindow();
        m_frame.DestroyWindow();
        CWxProbe::Pump(50);
    }
    SCROLLINFO Range(int min, int max, UINT page, int pos) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = min;
        si.nMax = max;
        si.nPage = page;
        si.nPos = pos;
        return si;
    }

    TempDir m_dir;
    CWxBackend m_backend;
    CMDIFrameWnd m_frame;
    CMDIChildWnd m_child;
    RecordingView& m_view =
        static_cast<RecordingView&>(*m_child.AttachView(std::make_unique<RecordingView>()));
};
} // namespace

TEST_F(WxViewTest, ScrollBarsKeepThirtyTwoBitPositionsWithinTheRange) {
    m_view.SetScrollInfo(SB_VERT, Range(0, 0x7FFFFFF0, 100, 0x7FFFFFF0));
    SCROLLINFO back;
    ASSERT_TRUE(m_view.GetScrollInfo(SB_VERT, back));
    EXPECT_EQ(back.nPos, 0x7FFFFFF0 - 99); // the last page, as the system keeps it
    EXPECT_EQ(back.nMax, 0x7FFFFFF0);
    EXPECT_EQ(CWxProbe::ScrollPos(m_view, SB_VERT), 0x7FFFFFF0 - 99);
    EXPECT_EQ(CWxProbe::ScrollRange(m_view, SB_VERT), 0x7FFFFFF1);
    SCROLLINFO pos;
    pos.fMask = SIF_POS;
    pos.nPos = -5;
    m_view.SetScrollInfo(SB_VERT, pos);
    EXPECT_EQ(m_view.GetScrollPos(SB_VERT), 0);
}

TEST_F(WxViewTest, ScrollEventsCarryTheThumbPositionAndEnd) {
    m_view.SetScrollInfo(SB_VERT, Range(10, 1500000000, 50, 10));
    m_view.SetScrollInfo(SB_HORZ, Range(0, 200, 50, 0));
    CWxProbe::Scroll(m_view, SB_VERT, CWxProbe::Track, 1234567);
    SCROLLINFO back;
    m_view.GetScrollInfo(SB_VERT, back, SIF_TRACKPOS);
    EXPECT_EQ(back.nTrackPos, 1234567 + 10);
    EXPECT_EQ(back.nPos, 10); // the program's position stays until it sets one
    CWxProbe::Scroll(m_view, SB_VERT, CWxProbe::Release, 99);
    CWxProbe::Scroll(m_view, SB_HORZ, CWxProbe::LineDown);
    CWxProbe::Scroll(m_view, SB_VERT, CWxProbe::PageUp);
    CWxProbe::Scroll(m_view, SB_VERT, CWxProbe::Bottom);
    EXPECT_EQ(m_view.m_events, (std::vector<std::string>{"v 5 1234577", "v 4 109", "v 8 0", "h 1 0",
                                                         "v 2 0", "v 7 0"}));
    // The bar shows where the program keeps the position, not where the thumb was let go.
    EXPECT_EQ(CWxProbe::ScrollPos(m_view, SB_VERT), 0);
}

TEST_F(WxViewTest, KeysAndCharactersArriveAsThePlatformsMessages) {
    CWxProbe::Key(m_view, VK_LEFT);
    CWxProbe::Key(m_view, 'A');
    CWxProbe::Key(m_view, VK_F3);
    CWxProbe::Key(m_view, VK_SHIFT, false);
    CWxProbe::Char(m_view, 'a');
    CWxProbe::Char(m_view, 0); // a key without a character
    CWxProbe::Char(m_view, 0x3042);
    CWxProbe::Char(m_view, 0xFF71);
    CWxProbe::Char(m_view, 'x', true); // Alt with a letter is no typed character
    CWxProbe::Char(m_view, 9);
    EXPECT_EQ(m_view.m_events,
              (std::vector<std::string>{"key 25", "key 41", "key 72", "up 10", "char 61",
                                        "ime 82A0", "ime B1", "char 9"}));
}

TEST_F(WxViewTest, AKeyFindsTheModifiersItsEventCarries) {
    // Nothing is held on the display: the states come from the events, as the system's come
    // from the message being handled.
    CWxProbe::Key(m_view, VK_DOWN, true, true, false);
    CWxProbe::Key(m_view, VK_NEXT, true, false, true);
    CWxProbe::Key(m_view, VK_UP, true, true, true);
    CWxProbe::Key(m_view, VK_HOME);
    // A modifier's own event carries the state from before it: the display is asked.
    CWxProbe::Key(m_view, VK_SHIFT, true, true, false);
    EXPECT_EQ(m_view.m_held, (std::vector<std::string>{"shift", "ctrl", "shiftctrl", "", ""}));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0); // outside a key, the display's state again
}

TEST_F(WxViewTest, PaintingKeepsPixelsUnlessErased) {
    m_view.m_bDrawBlock = true;
    m_view.Invalidate(false);
    EXPECT_EQ(CWxProbe::Capture(m_view).At(45, 5), RGB(0, 0, 0));
    int paints = m_view.m_nPaints;
    EXPECT_GT(paints, 0);
    // Not drawn again: without erasing, the old pixels stay as on the system it was made for.
    m_view.m_bDrawBlock = false;
    m_view.Invalidate(false);
    EXPECT_EQ(CWxProbe::Capture(m_view).At(45, 5), RGB(0, 0, 0));
    m_view.Invalidate(true);
    EXPECT_EQ(CWxProbe::Capture(m_view).At(45, 5), GetSysColor(COLOR_WINDOW));
    EXPECT_GT(m_view.m_nPaints, paints);
}

TEST_F(WxViewTest, TheCaretInvertsItsPixelsWhileFocusedAndShown) {
    CWxProbe::Focus(m_view, true);
    m_view.CreateSolidCaret(8, 16);
    m_view.SetCaretPos(CPoint(10, 4));
    COLORREF window = GetSysColor(COLOR_WINDOW);
    COLORREF inverted = window ^ 0xFFFFFF;
    EXPECT_EQ(CWxProbe::Capture(m_view).At(12, 6), window); // not shown yet
    m_view.ShowCaret();
    CWxProbe::Pixels shown = CWxProbe::Capture(m_view);
    EXPECT_EQ(shown.At(10, 4), inverted);
    EXPECT_EQ(shown.At(17, 19), inverted);
    EXPECT_EQ(shown.At(18, 6), window);
    EXPECT_EQ(shown.At(12, 20), window);
    EXPECT_EQ(shown.At(9, 6), window);
    CWxProbe::Focus(m_view, false);
    EXPECT_EQ(CWxProbe::Capture(m_view).At(12, 6), window);
}

// The window keeps its pixels: a paint covers what was invalidated, and a scroll moves the
// pixels and paints only the strip it uncovered.
TEST_F(WxViewTest, PaintsCoverTheInvalidPartAndScrollsMoveThePixels) {
    m_view.m_bDrawBlock = true;
    m_view.Invalidate(false);
    m_view.UpdateWindow();
    m_view.m_bDrawBlock = false;
    m_view.InvalidateRect(CRect(100, 30, 140, 50), false);
    m_view.UpdateWindow();
    EXPECT_TRUE(m_view.m_bClipped);
    EXPECT_EQ(m_view.m_clip, CRect(100, 30, 140, 50));

    m_view.ScrollWindow(0, 30);
    m_view.UpdateWindow();
    EXPECT_EQ(m_view.m_clip, CRect(0, 0, m_view.GetClientRect().Width(), 30));
    CWxProbe::Pixels p = CWxProbe::Capture(m_view);
    COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(p.At(45, 35), RGB(0, 0, 0)); // the block, 30 pixels lower
    EXPECT_EQ(p.At(45, 49), RGB(0, 0, 0));
    EXPECT_EQ(p.At(45, 52), window);
    EXPECT_EQ(p.At(45, 5), window); // uncovered and painted by the view, which drew nothing
    m_view.ScrollWindow(-25, 0);
    m_view.UpdateWindow();
    EXPECT_EQ(m_view.m_clip.left, m_view.GetClientRect().Width() - 25);
    p = CWxProbe::Capture(m_view);
    EXPECT_EQ(p.At(20, 40), RGB(0, 0, 0));
    EXPECT_EQ(p.At(36, 40), window);
    m_view.ScrollWindow(0, -40);
    m_view.UpdateWindow();
    // A paint across the place where the scrolls left the first row lands where it belongs.
    m_view.m_bDrawBlock = true;
    int bottom = m_view.GetClientRect().bottom;
    m_view.InvalidateRect(CRect(0, 5, 100, bottom), false);
    m_view.UpdateWindow();
    p = CWxProbe::Capture(m_view);
    EXPECT_EQ(p.At(45, bottom - 1), RGB(0, 0, 255));
    EXPECT_EQ(p.At(45, bottom - 20), RGB(0, 0, 255));
    EXPECT_EQ(p.At(45, bottom - 21), window);
    EXPECT_EQ(p.At(20, 5), RGB(0, 0, 0)); // the moved block's last rows
    EXPECT_EQ(p.At(20, 12), window);
    EXPECT_EQ(p.At(45, 10), RGB(0, 0, 0)); // drawn now
    EXPECT_EQ(p.At(45, 19), RGB(0, 0, 0));
    EXPECT_EQ(p.At(45, 21), window);
}

// A window the backend made without the operations of the program window's kind is refused at
// creation, rather than dropping every later call; the document window goes on working.
TEST_F(WxViewTest, WindowsRefuseABackendWindowOfAnotherKind) {
    CWindowRequest request;
    request.m_pParent = &m_child;
    request.m_kind = CWindowRequest::Control; // a canvas: no scroll bars, no caret
    RecordingView view;
    EXPECT_FALSE(view.CreatePeer(request));
    EXPECT_FALSE(view.IsCreated());
    CToolBar toolBar;
    request.m_kind = CWindowRequest::StatusBar;
    EXPECT_FALSE(toolBar.CreatePeer(request));
    CStatusBar statusBar;
    request.m_kind = CWindowRequest::ToolBar;
    EXPECT_FALSE(statusBar.CreatePeer(request));
    CMDIChildWnd frame;
    request.m_kind = CWindowRequest::View;
    EXPECT_FALSE(frame.CreatePeer(request));
    CWxProbe::Pump(50);

    m_view.SetScrollInfo(SB_VERT, Range(0, 100, 10, 20));
    EXPECT_EQ(CWxProbe::ScrollPos(m_view, SB_VERT), 20);
    int paints = m_view.m_nPaints;
    m_view.Invalidate(true);
    CWxProbe::Pump(50);
    EXPECT_GT(m_view.m_nPaints, paints);
}
