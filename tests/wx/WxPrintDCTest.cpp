// A page as the printer and the preview draw it: 0.01 mm units with y growing upwards, the
// page's resolution, and the printer font's height taken as the whole cell.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/wx/WxDC.h"
#include "platform/wx/probe/WxOffscreen.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
// A4 at 127 dots an inch: 0.01 mm is 1/20 of a dot.
constexpr int kDpi = 127;
constexpr int kPageW = 1050, kPageH = 1485;
} // namespace

TEST(WxPrintDCTest, PageInHiMetricPutsTextBelowAndRightOfTheMargins) {
    CWxOffscreen page(kPageW, kPageH, true);
    page.WxDC().SetDevicePPI(kDpi, kDpi);
    CDC& dc = page.DC();
    ASSERT_TRUE(dc.IsPrinting());
    dc.SetMapMode(MM_HIMETRIC);
    EXPECT_EQ(dc.GetPrintableRect(), CRect(0, 0, 21000, -29700));

    CFont font(CLogFont{"Terminal", 360, 400, 128, true});
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    // 3.6 mm is the cell, not the character: 18 dots give 360 back within a dot.
    EXPECT_LE(std::abs(tm.tmHeight - 360), 20) << tm.tmHeight;
    EXPECT_GT(tm.tmAveCharWidth, 100);
    EXPECT_EQ(dc.GetTextExtent("0123").cx, 4 * tm.tmAveCharWidth);

    dc.TextOut(2000, -2000, "8888", 4);
    CWxProbe::Pixels p = page.Pixels();
    const int margin = 100, cells = 4 * tm.tmAveCharWidth / 20;
    EXPECT_TRUE(p.Differs(CRect(margin, margin, margin + cells, margin + 18), kWhite));
    EXPECT_FALSE(p.Differs(CRect(0, 0, kPageW, margin), kWhite));
    EXPECT_FALSE(p.Differs(CRect(0, 0, margin, kPageH), kWhite));
    EXPECT_FALSE(p.Differs(CRect(0, margin + 20, kPageW, kPageH), kWhite));
}

TEST(WxPrintDCTest, ScreenContextHasNoPage) {
    CWxOffscreen screen(100, 100);
    EXPECT_FALSE(screen.DC().IsPrinting());
    EXPECT_EQ(screen.DC().GetPrintableRect(), CRect());
}
