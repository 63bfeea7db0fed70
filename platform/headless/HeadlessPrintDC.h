#pragma once
#include <string>
#include <vector>

#include "platform/framework/DC.h"

// One printed page as the printer was given it: every text output with its position in
// logical units, the map mode and the font it was drawn in. Storage is kept when the page is
// cleared, so printing into a reused page allocates nothing once it has grown.
class CPrintedPage {
public:
    struct Text {
        int x = 0, y = 0;
        int mapMode = 0;
        size_t offset = 0, length = 0; // in the page's character store
        size_t font = 0;               // the font's entry, see FontOf
    };

    void Clear();
    void Add(int x, int y, int mapMode, const CFont* pFont, const char* text, int n);

    UINT m_nPage = 0;
    bool m_bPreview = false;
    CRect m_rectDraw;

    size_t Count() const { return m_texts.size(); }
    const Text& At(size_t i) const { return m_texts[i]; }
    std::string TextAt(size_t i) const;
    const CLogFont& FontOf(size_t i) const { return m_fonts[m_texts[i].font]; }

private:
    std::vector<Text> m_texts;
    std::string m_chars;
    std::vector<CLogFont> m_fonts;
    size_t m_nUsedFonts = 0;
    const CFont* m_pLastFont = nullptr;
};

// A printer context on an A4 page that records what is drawn. In MM_HIMETRIC a font's height
// is taken in 0.01 mm and its cells are half as wide as high.
class CHeadlessPrintDC : public CDC {
public:
    static constexpr int kPageWidth = 21000; // 0.01 mm
    static constexpr int kPageHeight = 29700;
    static constexpr int kDotsPerInch = 600; // MM_TEXT units
    static constexpr int kHiMetricPerInch = 2540;

    explicit CHeadlessPrintDC(CPrintedPage& page) : m_page(page) {}

    CFont* SelectObject(CFont* pFont) override;
    bool GetTextMetrics(TEXTMETRIC& tm) override;
    void TextOut(int x, int y, const char* text, int n) override;
    void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                    int n) override;
    void FillSolidRect(const CRect&, COLORREF) override {}
    void PatBlt(const CRect&, COLORREF, uint32_t) override {}
    int SetMapMode(int mode) override;
    int GetMapMode() const override { return m_nMapMode; }
    bool IsPrinting() const override { return true; }
    CRect GetPrintableRect() override;

private:
    CPrintedPage& m_page;
    CFont* m_pFont = nullptr;
    int m_nMapMode = MM_TEXT;
};
