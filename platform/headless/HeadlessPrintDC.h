#pragma once
#include "platform/framework/DC.h"
#include "platform/headless/PrintedPage.h"

// A printer context on a page (A4 unless told) that records what is drawn. In MM_HIMETRIC a font's
// height is taken in 0.01 mm and its cells are half as wide as high.
class CHeadlessPrintDC : public CDC {
public:
    static constexpr int kPageWidth = 21000; // 0.01 mm
    static constexpr int kPageHeight = 29700;
    static constexpr int kDotsPerInch = 600; // MM_TEXT units
    static constexpr int kHiMetricPerInch = 2540;

    explicit CHeadlessPrintDC(CPrintedPage& page, CSize paper = CSize(kPageWidth, kPageHeight))
        : m_page(page), m_paper(paper) {}

    bool GetTextMetrics(TEXTMETRIC& tm) override;
    void TextOut(int x, int y, const char* text, int n) override;
    void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                    int n) override;
    void FillSolidRect(const CRect&, COLORREF) override {}
    void PatBlt(const CRect&, COLORREF, uint32_t) override {}
    bool IsPrinting() const override { return true; }
    CRect GetPrintableRect() override;

private:
    CPrintedPage& m_page;
    CSize m_paper; // 0.01 mm
};
