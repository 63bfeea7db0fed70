// Printing through the recording printer: page count, rows and separators, the header and the
// screen's font and metrics afterwards.
#include <string>

#include "platform/base/CodePage932.h"
#include "platform/headless/HeadlessPrinter.h"
#include "tests/view/ViewFixture.h"
#include "view/PagePrinter.h"

namespace {
constexpr int kMargin = 2000;
// (29700 - 2 margins) / 69 lines on the recording printer's A4 page.
constexpr int kLine = 25700 / 69;

std::time_t FixedTime() {
    std::tm t{};
    t.tm_year = 2001 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 5;
    t.tm_hour = 14;
    t.tm_min = 7;
    t.tm_isdst = -1;
    return std::mktime(&t);
}
} // namespace

class PrintTest : public ViewFixture {
protected:
    PrintTest() {
        CLogFont printer;
        printer.m_strFaceName = "Terminal";
        printer.m_nHeight = 360;
        m_host.m_printer.CreateFontIndirect(printer);
    }
    CHeadlessPrinter& Printer() { return m_backend.m_printer; }
    const std::vector<CPrintedPage>& Pages() { return Printer().m_pages; }
    CKolvaView* OpenForPrint(const Bytes& bytes, const std::string& name = "f.bin") {
        CKolvaView* view = Open(bytes, 30, name);
        view->PagePrinter().SetClock(FixedTime);
        return view;
    }
    // The page's texts after the header's two.
    static std::vector<std::pair<int, std::string>> Rows(const CPrintedPage& page) {
        std::vector<std::pair<int, std::string>> rows;
        for (size_t i = 2; i < page.Count(); ++i)
            rows.emplace_back(page.At(i).y, page.TextAt(i));
        return rows;
    }
};

TEST_F(PrintTest, HundredRowsFillOnePageWithThreeSeparatorsAndThirtySixOnTheNext) {
    CKolvaView* view = OpenForPrint(Sequence(100 * 16));
    ASSERT_TRUE(view->RunCommand(ID_FILE_PRINT));
    EXPECT_EQ(Printer().m_nDialogs, 1);
    ASSERT_EQ(Pages().size(), 2u);

    auto first = Rows(Pages()[0]);
    ASSERT_EQ(first.size(), 64u);
    EXPECT_EQ(first[0].first, -kMargin - 2 * kLine);
    int separators = 0;
    for (size_t k = 1; k < first.size(); ++k) {
        int step = first[k - 1].first - first[k].first;
        EXPECT_TRUE(step == kLine || step == 2 * kLine) << k;
        if (step == 2 * kLine) {
            ++separators;
            EXPECT_EQ(k % 16, 0u) << k;
        }
    }
    EXPECT_EQ(separators, 3);
    EXPECT_EQ(first[0].second, Data(view).FormatRowText(0, JCode::kShiftJis));
    EXPECT_EQ(Pages()[0].At(2).x, kMargin);

    auto second = Rows(Pages()[1]);
    ASSERT_EQ(second.size(), 36u);
    EXPECT_EQ(second[0].second.substr(0, 9), "0000:0400");
    EXPECT_EQ(second.back().second.substr(0, 9), "0000:0630");
    for (const CPrintedPage& page : Pages()) {
        EXPECT_EQ(page.At(page.Count() - 1).mapMode, MM_HIMETRIC);
        EXPECT_EQ(page.FontOf(page.Count() - 1).m_strFaceName, "Terminal");
        EXPECT_EQ(page.m_rectDraw, CRect(0, 0, 21000, -29700));
    }
}

TEST_F(PrintTest, PrintsThePagesTheDialogAsksFor) {
    CKolvaView* view = OpenForPrint(Sequence(150 * 16));
    Printer().QueueDialogAnswer(true, 2, 3);
    view->RunCommand(ID_FILE_PRINT);
    ASSERT_EQ(Pages().size(), 2u);
    EXPECT_EQ(Pages()[0].m_nPage, 2u);
    EXPECT_EQ(CCodePage932::ToUtf8(Pages()[0].TextAt(0).data(), 9), "ファイル:");
    auto rows = Rows(Pages()[0]);
    ASSERT_EQ(rows.size(), 64u);
    EXPECT_EQ(rows[0].second.substr(0, 9), "0000:0400");
    EXPECT_EQ(rows[0].first, -kMargin - 2 * kLine);
    EXPECT_EQ(Rows(Pages()[1]).size(), 22u);
    EXPECT_TRUE(m_backend.m_messages.empty());

    // A range past the last page prints nothing, and says so.
    Printer().QueueDialogAnswer(true, 4, 5);
    view->RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(Pages().size(), 2u);
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, "指定したページは範囲外です。");
}

TEST_F(PrintTest, PagesAreCountedFromTheRowsHoldingBytes) {
    // 1024 bytes fill page 1 exactly: the end position's own row makes no second page.
    CKolvaView* view = OpenForPrint(Bytes(1024, 'x'));
    view->RunCommand(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(Printer().m_nDialogs, 0);
    ASSERT_EQ(Pages().size(), 1u);
    EXPECT_EQ(Rows(Pages()[0]).size(), 64u);

    Data(view).InsertAt(1024, uint8_t('y'));
    view->RunCommand(ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(Pages().size(), 3u);
    EXPECT_EQ(Rows(Pages()[2]).size(), 1u);

    // An empty file still gets its page with the header.
    Printer().m_pages.clear();
    OpenForPrint(Bytes(), "empty.bin")->RunCommand(ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(Pages().size(), 1u);
    EXPECT_EQ(Pages()[0].Count(), 2u);
}

TEST_F(PrintTest, PrinterFontShrinksToFitShortOrNarrowPaper) {
    // Every text of a page in cells no taller than its line and rows no wider than the margins.
    auto expectFits = [](const CPrintedPage& page, int line, int width, int columns) {
        for (size_t i = 0; i < page.Count(); ++i) {
            int height = page.FontOf(i).m_nHeight;
            EXPECT_LE(height, line) << i;
            EXPECT_GE(height, line * 9 / 10) << i;
            EXPECT_LE(height / 2 * columns, width) << i;
        }
    };
    CKolvaView* view = OpenForPrint(Sequence(100 * 16));
    Printer().m_paper = CSize(29700, 21000);
    view->RunCommand(ID_FILE_PRINT);
    ASSERT_EQ(Pages().size(), 2u);
    const int line = (21000 - 2 * kMargin) / 69;
    auto rows = Rows(Pages()[0]);
    ASSERT_EQ(rows.size(), 64u);
    EXPECT_EQ(rows[0].first - rows[1].first, line);
    expectFits(Pages()[0], line, 29700 - 2 * kMargin, view->GetLastColumn());
    EXPECT_EQ(Pages()[1].FontOf(2).m_nHeight, Pages()[0].FontOf(2).m_nHeight);

    // Narrow paper: the width decides.
    Printer().m_paper = CSize(9000, 29700);
    view->RunCommand(ID_FILE_PRINT);
    ASSERT_EQ(Pages().size(), 4u);
    const CPrintedPage& narrow = Pages()[2];
    EXPECT_LE(narrow.FontOf(2).m_nHeight / 2 * view->GetLastColumn(), 9000 - 2 * kMargin);

    // Portrait A4 has room for the printer font as it is.
    Printer().m_paper = CSize(21000, 29700);
    view->RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(Pages().back().FontOf(2).m_nHeight, 360);
}

TEST_F(PrintTest, HeaderNamesFileAndSizeAndEndsTheTimeAtTheRightMargin) {
    CKolvaView* view = OpenForPrint(Bytes(0x1AB, 'x'));
    view->RunCommand(ID_FILE_PRINT);
    ASSERT_EQ(Pages().size(), 1u);
    const CPrintedPage& page = Pages()[0];
    std::string path = view->GetDocument()->GetPathName();
    EXPECT_EQ(CCodePage932::ToUtf8(page.TextAt(0).data(), page.At(0).length),
              "ファイル: " + path + "  サイズ: 1AB Byte");
    EXPECT_EQ(page.At(0).x, kMargin);
    std::string time = page.TextAt(1);
    EXPECT_EQ(CCodePage932::ToUtf8(time.data(), time.size()), "2001年03月05日14時07分");
    // Cells of the 3.6 mm font are 1.8 mm wide, one per byte.
    EXPECT_EQ(page.At(1).x + static_cast<int>(time.size()) * 180, 21000 - kMargin);
    EXPECT_EQ(page.At(0).y, -kMargin);
    EXPECT_EQ(page.At(1).y, -kMargin);
}

TEST_F(PrintTest, ScreenFontAndRowMetricsComeBackAfterPrintingAndPreview) {
    CKolvaView* view = OpenForPrint(Sequence(300));
    const int height = view->m_nRowHeight, width = view->m_nCharWidth;
    ASSERT_EQ(height, CHeadlessDC::kCharHeight);

    view->RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(view->GetRowFont(), &m_host.m_screen);
    EXPECT_EQ(view->m_nRowHeight, height);
    EXPECT_EQ(view->m_nCharWidth, width);

    view->RunCommand(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(Printer().m_nPreviews, 1);
    ASSERT_EQ(Pages().size(), 2u);
    EXPECT_TRUE(Pages()[1].m_bPreview);
    EXPECT_EQ(Rows(Pages()[1]), Rows(Pages()[0]));
    EXPECT_EQ(view->GetRowFont(), &m_host.m_screen);
    EXPECT_EQ(view->m_nRowHeight, height);

    // A cancelled dialog prints nothing and leaves the screen font.
    Printer().QueueDialogAnswer(false);
    view->RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(Pages().size(), 2u);
    EXPECT_EQ(view->GetRowFont(), &m_host.m_screen);
}

TEST_F(PrintTest, ScreenPaintBetweenPagesUsesTheScreenFontAndLeavesThePagesAlone) {
    CKolvaView* view = OpenForPrint(Sequence(100 * 16));
    std::string screenRow;
    int screenHeight = 0;
    Printer().m_betweenPages = [&] {
        view->Invalidate();
        m_backend.PaintAll();
        screenHeight = view->m_nRowHeight;
        screenRow = Peer(view)->m_grid.RowText(0).substr(0, 9);
    };
    view->RunCommand(ID_FILE_PRINT);
    EXPECT_EQ(screenHeight, CHeadlessDC::kCharHeight);
    EXPECT_EQ(screenRow, "0000:0000");
    ASSERT_EQ(Pages().size(), 2u);
    const CPrintedPage& second = Pages()[1];
    EXPECT_EQ(second.FontOf(second.Count() - 1).m_strFaceName, "Terminal");
    EXPECT_EQ(Rows(second).front().first, -kMargin - 2 * kLine);
}

TEST_F(PrintTest, ShiftJisCharacterKeepsBothBytesInThePrintedRow) {
    // あ is 0x82 0xA0, whose trail byte alone would show as a dot.
    OpenForPrint(Bytes{'A', 0x82, 0xA0, 'B'})->RunCommand(ID_FILE_PRINT);
    ASSERT_EQ(Pages().size(), 1u);
    std::string row = Pages()[0].TextAt(2);
    EXPECT_NE(row.find("  A\x82\xA0"
                       "B"),
              std::string::npos)
        << row;
}

TEST_F(PrintTest, PrintedRowsFollowTheViewsCodeAndShownAreas) {
    // A, then あ in UTF-16 and U+41C1, which code page 932 lacks.
    CKolvaView* view = OpenForPrint(Bytes{0x41, 0x00, 0x42, 0x30, 0xC1, 0x41});
    const std::string hex = "41 00 42 30 C1 41";
    view->RunCommand(ID_JCODE_UNICODE);
    Data(view).m_bShowAddress = false;
    Data(view).UpdateLayout();
    view->RunCommand(ID_FILE_PRINT);
    view->RunCommand(ID_JCODE_ASCII);
    Data(view).m_bShowAddress = true;
    Data(view).m_bShowChars = false;
    Data(view).UpdateLayout();
    view->RunCommand(ID_FILE_PRINT);
    ASSERT_EQ(Pages().size(), 2u);
    std::string unicode = Rows(Pages()[0]).at(0).second;
    EXPECT_EQ(unicode.substr(0, hex.size()), hex);
    EXPECT_EQ(unicode.substr(49), "  A \x82\xA0? " + std::string(10, ' '));
    std::string ascii = Rows(Pages()[1]).at(0).second;
    EXPECT_EQ(ascii.substr(0, 11 + hex.size()), "0000:0000  " + hex);
    EXPECT_EQ(ascii.find_last_not_of(' '), 11 + hex.size() - 1);
}

TEST_F(PrintTest, PageSetupIsTheApplicationsAndNeedsNoDocument) {
    EXPECT_TRUE(Enabled(ID_FILE_PRINT_SETUP));
    EXPECT_FALSE(Enabled(ID_FILE_PRINT));
    ASSERT_TRUE(m_frame->SendCommand(ID_FILE_PRINT_SETUP));
    EXPECT_EQ(Printer().m_nPageSetups, 1);
    OpenForPrint(Bytes(16, 'x'));
    EXPECT_TRUE(Enabled(ID_FILE_PRINT));
    EXPECT_TRUE(Enabled(ID_FILE_PRINT_PREVIEW));
}
