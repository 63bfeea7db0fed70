#include "platform/win32/Win32ViewPeer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Win32TestSupport.h"
#include "platform/framework/Font.h"
#include "platform/framework/MainFramePeer.h"
#include "platform/framework/Wnd.h"

namespace {
constexpr int kRowHeight = 16;
constexpr int kTextLeft = 4;

// Rows of a colour and a label of their own, from m_nFirst on and shifted m_nLeft pixels to the
// left, painted only where the paint asks, as the hex view paints.
class CRowsWnd : public CWnd {
public:
    int m_nFirst = 0;
    int m_nLeft = 0;
    std::map<int, int> m_edits; // row -> times it was changed

    void OnPaint(CDC* pDC) override {
        CRect clip;
        if (!pDC->GetClipBox(clip)) clip = GetClientRect();
        pDC->SelectObject(&m_font);
        for (int y = clip.top / kRowHeight * kRowHeight; y < clip.bottom; y += kRowHeight) {
            int row = m_nFirst + y / kRowHeight;
            COLORREF back = RGB(row * 37 % 256, 255 - row * 11 % 256, 128);
            pDC->FillSolidRect(CRect(clip.left, y, clip.right, y + kRowHeight), back);
            std::string label = "row " + std::to_string(row) + " edit " +
                                std::to_string(m_edits[row]) + " 0123456789abcdef";
            pDC->SetBkColor(back);
            pDC->SetTextColor(RGB(0, 0, 0));
            pDC->TextOut(kTextLeft - m_nLeft, y, label.c_str(), static_cast<int>(label.size()));
        }
    }
    // Moves the content as a view scrolls: rows down, pixels to the right.
    void Scroll(int rows, int pixels) {
        m_nFirst += rows;
        m_nLeft += pixels;
        ScrollWindow(-pixels, -rows * kRowHeight);
    }

private:
    CFont m_font{CLogFont{"FixedSys", -14, 400, CLogFont::kShiftJisCharSet, true}};
};

class CPlainWnd : public CWnd {};

// What the window shows, read back from the screen.
std::vector<uint32_t> Shown(const CWnd& wnd) {
    CRect client = wnd.GetClientRect();
    CPixelCanvas canvas(client.Width(), client.Height());
    HDC dc = GetDC(Hwnd(wnd));
    BitBlt(canvas.Hdc(), 0, 0, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(Hwnd(wnd), dc);
    return canvas.Pixels();
}

class Win32ViewPaintTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreatePeer(Request(CWindowRequest::MainFrame, nullptr)));
        m_frame.ShowWindow(true);
        ASSERT_TRUE(m_doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
        ASSERT_TRUE(m_view.CreatePeer(Request(CWindowRequest::View, &m_doc)));
        dynamic_cast<CMainFramePeer*>(m_frame.GetPeer())->MaximizeChild(&m_doc);
        m_view.UpdateWindow();
        ASSERT_GT(m_view.GetClientRect().Height(), 8 * kRowHeight);
    }
    // The window after a full repaint must show what it shows now.
    void ExpectSameAsFullRepaint() {
        std::vector<uint32_t> scrolled = Shown(m_view);
        m_view.Invalidate(false);
        m_view.UpdateWindow();
        std::vector<uint32_t> repainted = Shown(m_view);
        ASSERT_EQ(scrolled.size(), repainted.size());
        int width = m_view.GetClientRect().Width();
        for (size_t i = 0; i < scrolled.size(); ++i)
            ASSERT_EQ(scrolled[i], repainted[i]) << "x " << i % width << " y " << i / width;
    }

    CTestBackend m_backend;
    CPlainWnd m_frame, m_doc;
    CRowsWnd m_view;
};
} // namespace

// Scrolled a row at a time in both directions, several rows at once, past the height of the
// window in total and sideways, the view shows what a full repaint of the same place shows.
TEST_F(Win32ViewPaintTest, ScrolledViewShowsWhatARepaintShows) {
    std::vector<uint32_t> before = Shown(m_view);
    int rows = m_view.GetClientRect().Height() / kRowHeight;
    for (int i = 0; i < rows + 3; ++i) {
        m_view.Scroll(1, 0);
        m_view.UpdateWindow();
    }
    m_view.Scroll(-2, 0);
    m_view.UpdateWindow();
    m_view.Scroll(3, 0);
    m_view.Scroll(0, 7); // two scrolls before one paint
    m_view.UpdateWindow();
    m_view.Scroll(-1, -3);
    m_view.UpdateWindow();
    EXPECT_NE(Shown(m_view), before);
    ExpectSameAsFullRepaint();
}

// A row changed and waiting to be painted moves with the pixels when the view scrolls before
// the paint, and is painted where it now lies.
TEST_F(Win32ViewPaintTest, PendingRowMovesWithTheScroll) {
    m_view.m_edits[m_view.m_nFirst + 3] = 1;
    m_view.InvalidateRect(CRect(0, 3 * kRowHeight, m_view.GetClientRect().Width(), 4 * kRowHeight),
                          false);
    m_view.Scroll(1, 0);
    m_view.UpdateWindow();
    ExpectSameAsFullRepaint();
}
