#include "platform/win32/Win32DC.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/win32/Win32PreviewDC.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlue = 0x0000FF; // as the DIB stores it: 0xRRGGBB

CFont GridFont() {
    return CFont(CLogFont{"FixedSys", -16, 400, CLogFont::kShiftJisCharSet, true});
}

int CellWidth(CDC& dc) {
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    return tm.tmAveCharWidth;
}
} // namespace

// Every byte is one cell: a double-byte character two, a stray lead byte one (a dot), a
// control byte one (a blank), so one call keeps the whole row on the grid.
TEST(Win32DCTest, LayoutGivesEveryByteItsCell) {
    CPixelCanvas canvas(10, 10);
    CWin32DC dc(canvas.Hdc(), nullptr);
    dc.Layout("A\x82\xA0\x01\x82", 5, 8);
    EXPECT_EQ(dc.LaidOutText(), std::wstring(L"A\x3042 ."));
    EXPECT_EQ(dc.Advances(), (std::vector<INT>{8, 16, 8, 8}));
}

// Drawn in one call, each character lands where the same character drawn alone at its cell
// lands; the full-width one covers both its cells and nothing passes the last cell.
TEST(Win32DCTest, GlyphsLandInTheirCells) {
    CPixelCanvas canvas(400, 100);
    CWin32DC dc(canvas.Hdc(), nullptr);
    CFont font = GridFont();
    dc.SelectObject(&font);
    const int w = CellWidth(dc);
    ASSERT_GT(w, 3);
    const int piece = 40;
    dc.TextOut(0, 0,
               "A\x82\xA0"
               "BC",
               5);
    dc.TextOut(0, piece, "A", 1);
    dc.TextOut(w, piece, "\x82\xA0", 2);
    dc.TextOut(3 * w, piece, "B", 1);
    dc.TextOut(4 * w, piece, "C", 1);
    for (int y = 0; y < piece; ++y)
        for (int x = 0; x < 5 * w; ++x)
            ASSERT_EQ(canvas.At(x, y), canvas.At(x, piece + y)) << "x " << x << " y " << y;
    EXPECT_TRUE(canvas.Differs(RECT{w, 0, 2 * w, piece}, kWhite));
    EXPECT_TRUE(canvas.Differs(RECT{2 * w, 0, 3 * w, piece}, kWhite));
    EXPECT_FALSE(canvas.Differs(RECT{5 * w + 1, 0, 400, piece}, kWhite));
}

// An opaque call fills its rectangle with the background; a solid rectangle and an inverting
// pattern change exactly their own pixels.
TEST(Win32DCTest, FillsAndRasterOperationsStayInTheirRectangles) {
    CPixelCanvas canvas(100, 60);
    CWin32DC dc(canvas.Hdc(), nullptr);
    dc.SetBkColor(RGB(0, 0, 255));
    CRect band(0, 0, 100, 10);
    dc.ExtTextOut(0, 0, ETO_OPAQUE, &band, "", 0);
    EXPECT_EQ(canvas.At(99, 9), kBlue);
    EXPECT_EQ(canvas.At(0, 10), kWhite);

    dc.FillSolidRect(CRect(10, 20, 20, 30), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(10, 20), 0xFF0000u);
    EXPECT_EQ(canvas.At(19, 29), 0xFF0000u);
    EXPECT_EQ(canvas.At(20, 29), kWhite);

    dc.PatBlt(CRect(15, 25, 40, 40), RGB(255, 255, 255), PATINVERT);
    EXPECT_EQ(canvas.At(15, 25), 0x00FFFFu); // red inverted
    EXPECT_EQ(canvas.At(30, 35), 0x000000u); // white inverted
    EXPECT_EQ(canvas.At(40, 40), kWhite);
}

// A printer's page in MM_HIMETRIC: logical units are 0.01 mm and y grows upwards, so the
// printable rectangle's bottom is negative.
TEST(Win32DCTest, HiMetricPageGrowsUpwards) {
    CPixelCanvas canvas(200, 300);
    CWin32DC dc(canvas.Hdc(), nullptr, true);
    dc.SetMapMode(MM_HIMETRIC);
    CRect page = dc.GetPrintableRect();
    EXPECT_EQ(page.left, 0);
    EXPECT_GT(page.right, 0);
    EXPECT_LT(page.bottom, 0);
}

// The preview draws a page in 0.01 mm with y growing upwards into its rectangle of the window:
// the page's corners land on the rectangle's, and nothing falls outside it.
TEST(Win32DCTest, PreviewPageFillsItsRectangle) {
    CPixelCanvas canvas(300, 400);
    const RECT where{50, 40, 260, 337}; // A4's proportions
    CWin32PreviewDC dc(canvas.Hdc(), CSize(21000, 29700), where);
    dc.SetMapMode(MM_HIMETRIC);
    CRect page = dc.GetPrintableRect();
    EXPECT_EQ(page, CRect(0, 0, 21000, -29700));
    dc.FillSolidRect(CRect(0, 0, 1000, -1000), RGB(0, 0, 255));            // top left
    dc.FillSolidRect(CRect(20000, -28700, 21000, -29700), RGB(255, 0, 0)); // bottom right
    EXPECT_EQ(canvas.At(where.left + 2, where.top + 2), kBlue);
    EXPECT_EQ(canvas.At(where.right - 3, where.bottom - 3), 0xFF0000u);
    EXPECT_FALSE(canvas.Differs(RECT{0, 0, where.left, 400}, kWhite));
    EXPECT_FALSE(canvas.Differs(RECT{0, where.bottom + 1, 300, 400}, kWhite));
}
