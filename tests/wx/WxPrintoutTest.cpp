// The page loop as wx runs it: the page range wx asks for before it begins, a page drawn into
// a preview bitmap smaller than the printer's page lands where it would on paper, and the
// printer prints the pages the print dialog asks for, in cells of the size asked for.
#include "platform/wx/WxPrintout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/framework/DC.h"
#include "platform/framework/PrintInfo.h"
#include "platform/framework/View.h"
#include "platform/wx/WxPrinter.h"
#include "platform/wx/probe/WxOffscreen.h"
#include "platform/wx/probe/WxProbe.h"
#include "tests/TempDir.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Three pages, each with a block of text 20 mm from the top left corner.
class PagesView : public CView {
public:
    explicit PagesView(UINT pages = 3) : m_nPages(pages) {}
    void OnBeginPrinting(CDC*, CPrintInfo* pInfo) override {
        ++m_nBegun;
        pInfo->SetMaxPage(m_nPages);
    }
    void OnPrepareDC(CDC* pDC) override {
        pDC->SetMapMode(MM_HIMETRIC);
        pDC->SelectObject(&m_font);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
        m_pages.push_back(pInfo->m_nCurPage);
        m_rect = pInfo->m_rectDraw;
        TEXTMETRIC tm;
        pDC->GetTextMetrics(tm);
        m_nCellHeight = tm.tmHeight;
        pDC->TextOut(2000, -2000, "8888", 4);
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { ++m_nEnded; }

    UINT m_nPages;
    CFont m_font{CLogFont{"Terminal", 360, 400, 128, true}};
    int m_nBegun = 0, m_nEnded = 0;
    std::vector<UINT> m_pages;
    CRect m_rect;
    int m_nCellHeight = 0;
};

} // namespace

TEST(WxPrintoutTest, PreviewBitmapShowsThePageAtItsScale) {
    PagesView view;
    CPrintJob job(view, CPrintInfo());
    CWxPrintout printout(job);
    // An A4 printer at 254 dots an inch, previewed at a quarter of that.
    printout.SetPPIPrinter(254, 254);
    printout.SetPageSizePixels(2100, 2970);
    CWxOffscreen preview(525, 742);
    printout.SetDC(&preview.ToolkitDC());

    printout.OnPreparePrinting();
    int minPage = 0, maxPage = 0, from = 0, to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 3);
    // Counting the pages was a run of its own, ended before wx begins.
    EXPECT_EQ(view.m_nBegun, 1);
    EXPECT_EQ(view.m_nEnded, 1);

    printout.OnBeginPrinting();
    EXPECT_TRUE(printout.HasPage(3));
    EXPECT_FALSE(printout.HasPage(4));
    EXPECT_TRUE(printout.OnPrintPage(2));
    printout.OnEndPrinting();
    EXPECT_EQ(view.m_nEnded, 2);
    EXPECT_EQ(view.m_pages, std::vector<UINT>{2});
    EXPECT_NEAR(view.m_rect.right, 21000, 50);
    EXPECT_NEAR(view.m_rect.bottom, -29700, 50);

    printout.SetDC(nullptr);
    CWxProbe::Pixels p = preview.Pixels();
    // 20 mm is 50 dots of the bitmap.
    EXPECT_TRUE(p.Differs(CRect(50, 50, 80, 60), kWhite));
    EXPECT_FALSE(p.Differs(CRect(0, 62, 525, 742), kWhite));
    EXPECT_FALSE(p.Differs(CRect(0, 0, 525, 48), kWhite));
    EXPECT_FALSE(p.Differs(CRect(0, 0, 48, 742), kWhite));
}

TEST(WxPrintoutTest, PrinterPrintsTheRangeTheDialogAsksFor) {
    TempDir dir;
    const std::string pdf = dir.Path("pages.pdf");
    PagesView view;
    CPrintJob job(view, CPrintInfo());
    CWxPrinter printer;
    CWxProbe::AnswerPrintDialog(2, 3, pdf);
    ASSERT_TRUE(printer.Print(job, true));
    EXPECT_EQ(view.m_pages, (std::vector<UINT>{2, 3}));
    // The 3.6 mm font in 3.6 mm cells, on A4.
    EXPECT_LE(std::abs(view.m_nCellHeight - 360), 20) << view.m_nCellHeight;
    EXPECT_NEAR(view.m_rect.bottom, -29700, 50);
    std::vector<uint8_t> bytes = TempDir::Read(pdf);
    std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("/Count 2"), std::string::npos) << bytes.size();
}

TEST(WxPrintoutTest, PreviewPageBoxShowsEveryDigitOfTheLastPage) {
    PagesView view(2049);
    CWxPrinter printer;
    ASSERT_TRUE(printer.Preview(std::make_unique<CPrintJob>(view, CPrintInfo())));
    CWxProbe::Pump(100);
    CWxProbe::PageBox box = CWxProbe::PreviewLastPage();
    CWxProbe::ClosePreview();
    EXPECT_EQ(box.m_strText, "2049");
    EXPECT_TRUE(box.m_bFits);
}
