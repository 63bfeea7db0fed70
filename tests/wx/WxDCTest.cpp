#include "platform/wx/WxDC.h"

#include <gtest/gtest.h>

#include "WxTestSupport.h"
#include "platform/wx/WxFontMapper.h"
#include "platform/wx/WxRasterOp.h"
#include "platform/wx/probe/WxOffscreen.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);

CFont GridFont(int height) {
    return CFont(CLogFont{"FixedSys", height, 400, 128, true});
}

// Whether rows [top, top + height) of two strips hold the same pixels over width.
bool SameStrips(const CWxProbe::Pixels& p, int topA, int topB, int height, int width) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (p.At(x, topA + y) != p.At(x, topB + y)) return false;
    return true;
}

class WxDCGridTest : public testing::TestWithParam<int> {};
} // namespace

// Drawn as one string, each character must sit exactly where the same character drawn alone
// at its cell sits; drawing the whole string at once lets the font's advances move them.
TEST_P(WxDCGridTest, GlyphsLandInTheirCells) {
    CWxOffscreen canvas(600, 200);
    CDC& dc = canvas.DC();
    CFont font = GridFont(GetParam());
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    const int w = tm.tmAveCharWidth, h = tm.tmHeight, piece = h + 10;
    dc.TextOut(0, 0,
               "A\x82\xA0"
               "B\x82"
               "C",
               6);
    dc.TextOut(0, piece, "A", 1);
    dc.TextOut(w, piece, "\x82\xA0", 2);
    dc.TextOut(3 * w, piece, "B", 1);
    dc.TextOut(5 * w, piece, "C", 1);
    CWxProbe::Pixels p = canvas.Pixels();

    ASSERT_GT(w, 3);
    EXPECT_TRUE(SameStrips(p, 0, piece, h, 4 * w)) << "cell size " << w << " x " << h;
    for (int y = 0; y < h; ++y)
        for (int x = 5 * w; x < 6 * w; ++x)
            ASSERT_EQ(p.At(x, y), p.At(x, piece + y)) << "C moved";
    // The full-width glyph covers both of its cells.
    EXPECT_TRUE(p.Differs(CRect(w, 0, 2 * w, h), kWhite));
    EXPECT_TRUE(p.Differs(CRect(2 * w, 0, 3 * w, h), kWhite));
    // The stray lead byte before C shows as a dot in the middle of its own cell.
    EXPECT_TRUE(p.Differs(CRect(4 * w + w / 4, 0, 5 * w - w / 4, h), kWhite));
    EXPECT_FALSE(p.Differs(CRect(4 * w, 0, 4 * w + w / 4, h), kWhite));
    EXPECT_FALSE(p.Differs(CRect(6 * w, 0, 600, h), kWhite));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WxDCGridTest, testing::Values(-14, -16, -19, -21, -24));

// Control characters and dots inside a run of half-width glyphs keep the glyphs after them on
// their cells; a full-width glyph that is not exactly two cells wide stays on its own two.
TEST(WxDCTest, GlyphsAfterBlanksAndDotsInARunStayOnTheirCells) {
    CWxOffscreen canvas(400, 100);
    CDC& dc = canvas.DC();
    CFont font = GridFont(-19);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    const int w = tm.tmAveCharWidth, h = tm.tmHeight, piece = h + 10;
    dc.TextOut(0, 0,
               "ab\x01\x02"
               "cd\xF0\x40"
               "ef\x88\x9F"
               "gh",
               16);
    const char* alone[] = {"ab", "cd", "ef", "gh"};
    const int cells[] = {0, 4, 8, 12};
    for (int i = 0; i < 4; ++i)
        dc.TextOut(cells[i] * w, piece, alone[i], 2);
    dc.TextOut(10 * w, piece, "\x88\x9F", 2);
    CWxProbe::Pixels p = canvas.Pixels();
    auto sameCells = [&](int first, int count) {
        for (int y = 0; y < h; ++y)
            for (int x = first * w; x < (first + count) * w; ++x)
                if (p.At(x, y) != p.At(x, piece + y)) return false;
        return true;
    };
    for (int cell : cells)
        EXPECT_TRUE(sameCells(cell, 2)) << "glyphs at cell " << cell;
    EXPECT_TRUE(sameCells(10, 2)) << "the full-width glyph";
    EXPECT_FALSE(p.Differs(CRect(2 * w, 0, 4 * w, h), kWhite)); // the control characters
    EXPECT_TRUE(p.Differs(CRect(6 * w, 0, 7 * w, h), kWhite));  // the user-defined character
}

TEST(WxDCTest, MetricsDescribeTheCellGrid) {
    CWxOffscreen canvas(400, 60);
    CDC& dc = canvas.DC();
    CFont font = GridFont(-19);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(tm));
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_EQ(tm.tmMaxCharWidth, 2 * tm.tmAveCharWidth);
    EXPECT_EQ(tm.tmOverhang, 0);
    // 19 pixels of character height, not 19 points nor a rounding to whole points.
    EXPECT_GE(tm.tmHeight, 19);
    EXPECT_LE(tm.tmHeight, 32);
    EXPECT_GE(tm.tmAveCharWidth, 9);
    EXPECT_LE(tm.tmAveCharWidth, 10);
    // Twenty characters end exactly after twenty cells.
    dc.TextOut(0, 0, "WWWWWWWWWWWWWWWWWWWW", 20);
    CWxProbe::Pixels p = canvas.Pixels();
    EXPECT_TRUE(
        p.Differs(CRect(19 * tm.tmAveCharWidth, 0, 20 * tm.tmAveCharWidth, tm.tmHeight), kWhite));
    EXPECT_FALSE(p.Differs(CRect(20 * tm.tmAveCharWidth, 0, 400, 60), kWhite));
}

TEST(WxDCTest, FixedSysIsTheBestJapaneseMonospaceFace) {
    EXPECT_EQ(CWxFontMapper::ResolveFace("FixedSys"), CWxFontMapper::BestMonospaceFace());
    EXPECT_EQ(CWxFontMapper::ResolveFace("No Such Face 123"), CWxFontMapper::BestMonospaceFace());
    EXPECT_EQ(CWxFontMapper::ResolveFace("DejaVu Sans Mono"), "DejaVu Sans Mono");
    EXPECT_EQ(CWxFontMapper::BestMonospaceFace(), "Noto Sans Mono CJK JP"); // installed here
}

// User-defined characters, the bytes mapped into the private-use area and byte 0x80 have no
// glyph in any font: a dot per byte keeps them visible and the grid intact; control characters
// are empty cells.
TEST(WxDCTest, CharactersWithoutGlyphsAreDotsAndControlsEmpty) {
    CWxOffscreen canvas(300, 80);
    CDC& dc = canvas.DC();
    CFont font = GridFont(-16);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    dc.TextOut(0, 0,
               "\xF0\x40\xFD\x80\x7F"
               "A",
               6);
    dc.TextOut(0, tm.tmHeight + 4, "\x82", 1); // the dot of an undecodable byte
    CWxProbe::Pixels p = canvas.Pixels();
    const int w = tm.tmAveCharWidth, h = tm.tmHeight;
    auto cellIsDot = [&](int cell) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (p.At(cell * w + x, y) != p.At(x, h + 4 + y)) return false;
        return true;
    };
    EXPECT_TRUE(cellIsDot(0));
    EXPECT_TRUE(cellIsDot(1));
    EXPECT_TRUE(cellIsDot(2));
    EXPECT_TRUE(cellIsDot(3));
    EXPECT_FALSE(p.Differs(CRect(4 * w, 0, 5 * w, h), kWhite));
    EXPECT_TRUE(p.Differs(CRect(5 * w, 0, 6 * w, h), kWhite));
}

TEST(WxDCTest, TextFillsExactlyItsCellsWithTheBackground) {
    CWxOffscreen canvas(300, 60);
    CDC& dc = canvas.DC();
    CFont font = GridFont(-16);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    const COLORREF back = RGB(200, 220, 255);
    dc.SetBkColor(back);
    EXPECT_EQ(dc.SetTextColor(RGB(255, 0, 0)), RGB(0, 0, 0));
    dc.TextOut(10, 5, "\x01 \x82\xA0z", 5);
    CWxProbe::Pixels p = canvas.Pixels();
    const int w = tm.tmAveCharWidth, h = tm.tmHeight;
    EXPECT_EQ(p.At(10, 5), back);
    EXPECT_EQ(p.At(10 + 5 * w - 1, 5 + h - 1), back);
    EXPECT_EQ(p.At(10 + 5 * w, 5), kWhite);
    EXPECT_EQ(p.At(9, 5), kWhite);
    EXPECT_EQ(p.At(10, 5 + h), kWhite);
    // A control character is an empty cell; the glyphs take the text colour.
    EXPECT_FALSE(p.Differs(CRect(10, 5, 10 + w, 5 + h), back));
    bool red = false;
    for (int x = 10 + 2 * w; x < 10 + 4 * w; ++x)
        for (int y = 5; y < 5 + h; ++y)
            red = red || p.At(x, y) == RGB(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST(WxDCTest, ExtTextOutFillsAndClipsToItsRectangle) {
    CWxOffscreen canvas(300, 60);
    CDC& dc = canvas.DC();
    CFont font = GridFont(-16);
    dc.SelectObject(&font);
    const COLORREF back = RGB(0, 128, 0);
    dc.SetBkColor(back);
    CRect rect(20, 10, 60, 40);
    dc.ExtTextOut(20, 10, ETO_OPAQUE | ETO_CLIPPED, &rect, "WWWWWWWWWWWWWWWWWWWW", 20);
    dc.ExtTextOut(0, 0, ETO_OPAQUE, nullptr, "", 0); // nothing to fill, nothing to draw
    CWxProbe::Pixels p = canvas.Pixels();
    EXPECT_EQ(p.At(59, 39), back);
    EXPECT_FALSE(p.Differs(CRect(60, 0, 300, 60), kWhite));
    EXPECT_FALSE(p.Differs(CRect(0, 0, 20, 60), kWhite));
}

// A selected row is drawn in pieces, each the whole text cut to its cells: the pieces must
// give the pixels of the whole, double-byte characters split between two pieces included, and
// cutting must leave the clipping of the paint as it was.
TEST(WxDCTest, ClippedPiecesDrawTheTextAsAWholeAndKeepThePaintRegion) {
    CFont font = GridFont(-16);
    const char text[] = "A\x82\xB1\x82\xF1\x82\xC9Z"; // Aこんにz
    const int n = 8;
    CWxOffscreen whole(300, 100), pieces(300, 100);
    whole.DC().SelectObject(&font);
    pieces.DC().SelectObject(&font);
    TEXTMETRIC tm;
    whole.DC().GetTextMetrics(tm);
    const int w = tm.tmAveCharWidth, h = tm.tmHeight, below = h + 20;
    whole.DC().TextOut(0, 0, text, n);
    // The paint covers the row and a strip further down, not what lies between.
    pieces.ClipToRegion({CRect(0, 0, 300, h), CRect(0, below, 300, below + 5)});
    for (auto [first, last] : {std::pair(0, 2), std::pair(2, 5), std::pair(5, 8)}) {
        CRect cells(first * w, 0, last * w, h);
        pieces.DC().ExtTextOut(0, 0, ETO_CLIPPED | ETO_OPAQUE, &cells, text, n);
    }
    pieces.DC().FillSolidRect(CRect(0, h, 300, 100), RGB(255, 0, 0));
    CWxProbe::Pixels a = whole.Pixels(), b = pieces.Pixels();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(a.At(x, y), b.At(x, y)) << x << "," << y;
    EXPECT_FALSE(b.Differs(CRect(0, h, 300, below), kWhite));
    EXPECT_EQ(b.At(0, below), RGB(255, 0, 0));
}

// A face without Japanese glyphs: the toolkit takes them from another font, whose baseline and
// height are not the row's. They must still sit on the row's baseline, inside the row.
TEST(WxDCTest, SubstituteGlyphsSitOnTheRowsBaseline) {
    for (int height : {-13, -16, -19, -24}) {
        CWxOffscreen canvas(300, 150);
        CDC& dc = canvas.DC();
        CFont font(CLogFont{"DejaVu Sans Mono", height, 400, 128, true});
        dc.SelectObject(&font);
        TEXTMETRIC tm;
        dc.GetTextMetrics(tm);
        const int w = tm.tmAveCharWidth, h = tm.tmHeight, top = 50;
        dc.TextOut(0, top, "H\x8A\xBF\x82\xA0\xB1", 6); // H漢あｱ
        CWxProbe::Pixels p = canvas.Pixels();
        // The rows of ink over the cells [first, last).
        auto ink = [&](int first, int last) {
            int high = 150, low = -1;
            for (int y = 0; y < 150; ++y)
                for (int x = first * w; x < last * w; ++x)
                    if (p.At(x, y) != kWhite) {
                        high = std::min(high, y);
                        low = std::max(low, y);
                    }
            return std::pair(high, low);
        };
        const int baseline = top + tm.tmAscent;              // the first row below the baseline
        EXPECT_EQ(ink(0, 1).second, baseline - 1) << height; // H stands on it
        for (auto [first, last] : {std::pair(1, 3), std::pair(3, 5), std::pair(5, 6)}) {
            auto [high, low] = ink(first, last);
            EXPECT_GE(high, top) << height << " cell " << first;
            EXPECT_LT(low, top + h) << height << " cell " << first;
            EXPECT_GE(low, baseline - 1 - h / 8) << height << " cell " << first;
            EXPECT_LE(low, baseline + h / 8) << height << " cell " << first;
        }
    }
}

// Highlights must give the colours the bitwise operations give, whatever lies beneath.
TEST(WxDCTest, PatBltCombinesPixelsBitwise) {
    CWxOffscreen canvas(120, 20);
    CDC& dc = canvas.DC();
    const COLORREF base = RGB(0x12, 0x34, 0x56), brush = RGB(0xF0, 0x0F, 0xFF);
    const uint32_t rops[] = {ROP_DPa, ROP_DPo, PATINVERT, DSTINVERT, PATCOPY};
    const COLORREF expected[] = {RGB(0x10, 0x04, 0x56), RGB(0xF2, 0x3F, 0xFF),
                                 RGB(0xE2, 0x3B, 0xA9), RGB(0xED, 0xCB, 0xA9), brush};
    dc.FillSolidRect(CRect(0, 0, 120, 20), base);
    for (int i = 0; i < 5; ++i)
        dc.PatBlt(CRect(i * 20, 5, i * 20 + 10, 15), brush, rops[i]);
    CWxProbe::Pixels p = canvas.Pixels();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p.At(i * 20, 5), expected[i]) << "operation " << i;
        EXPECT_EQ(p.At(i * 20 + 9, 14), expected[i]) << "operation " << i;
        EXPECT_EQ(p.At(i * 20 + 10, 5), base) << "operation " << i;
        EXPECT_EQ(p.At(i * 20, 4), base) << "operation " << i;
        EXPECT_EQ(p.At(i * 20, 15), base) << "operation " << i;
    }
}

TEST(WxDCTest, CombineKeepsTheAlphaByte) {
    EXPECT_EQ(CWxRasterOp::Combine(0xFF123456, 0x0F0F0F, CWxRasterOp::And), 0xFF020406u);
    EXPECT_EQ(CWxRasterOp::Combine(0xFF000000, 0x000000, CWxRasterOp::Invert), 0xFFFFFFFFu);
    EXPECT_EQ(CWxRasterOp::Combine(0x80FFFFFF, 0x123456, CWxRasterOp::Copy), 0x80123456u);
}

TEST(WxDCTest, HiMetricIsHundredthsOfAMillimetreUpwards) {
    CWxOffscreen canvas(300, 300);
    CDC& dc = canvas.DC();
    CSize ppi = canvas.PixelsPerInch();
    EXPECT_EQ(dc.SetMapMode(MM_HIMETRIC), MM_TEXT);
    EXPECT_EQ(dc.GetMapMode(), MM_HIMETRIC);
    dc.FillSolidRect(CRect(0, 0, 2540, -2540), RGB(0, 0, 0)); // one inch, y grows upwards
    CWxProbe::Pixels p = canvas.Pixels();
    EXPECT_EQ(p.At(ppi.cx - 1, ppi.cy - 1), RGB(0, 0, 0));
    EXPECT_EQ(p.At(ppi.cx + 1, 0), kWhite);
    EXPECT_EQ(p.At(0, ppi.cy + 1), kWhite);
}
