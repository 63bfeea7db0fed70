#include "platform/headless/HeadlessPrintDC.h"

#include <cstdlib>
#include <utility>

namespace {
// The height of a font that gives none, in the context's units.
constexpr int kDefaultHeight = 360;

int Scale(int value, int mapMode) {
    if (mapMode == MM_HIMETRIC) return value;
    return value * CHeadlessPrintDC::kDotsPerInch / CHeadlessPrintDC::kHiMetricPerInch;
}
} // namespace

void CPrintedPage::Clear() {
    m_texts.clear();
    m_chars.clear();
    m_nUsedFonts = 0;
    m_pLastFont = nullptr;
    m_nPage = 0;
    m_bPreview = false;
    m_rectDraw = CRect();
}

void CPrintedPage::Add(int x, int y, int mapMode, const CFont* pFont, const char* text, int n) {
    if (pFont != m_pLastFont || m_nUsedFonts == 0) {
        CLogFont lf = pFont ? pFont->GetLogFont() : CLogFont();
        if (m_nUsedFonts == 0 || !(m_fonts[m_nUsedFonts - 1] == lf)) {
            if (m_nUsedFonts < m_fonts.size())
                m_fonts[m_nUsedFonts] = std::move(lf);
            else
                m_fonts.push_back(std::move(lf));
            ++m_nUsedFonts;
        }
        m_pLastFont = pFont;
    }
    Text t;
    t.x = x;
    t.y = y;
    t.mapMode = mapMode;
    t.offset = m_chars.size();
    t.length = static_cast<size_t>(n);
    t.font = m_nUsedFonts - 1;
    m_chars.append(text, t.length);
    m_texts.push_back(t);
}

std::string CPrintedPage::TextAt(size_t i) const {
    return m_chars.substr(m_texts[i].offset, m_texts[i].length);
}

CFont* CHeadlessPrintDC::SelectObject(CFont* pFont) {
    std::swap(pFont, m_pFont);
    return pFont;
}

bool CHeadlessPrintDC::GetTextMetrics(TEXTMETRIC& tm) {
    int height = m_pFont ? std::abs(m_pFont->GetLogFont().m_nHeight) : 0;
    if (height == 0) height = Scale(kDefaultHeight, m_nMapMode);
    tm = TEXTMETRIC();
    tm.tmHeight = height;
    tm.tmAscent = height * 4 / 5;
    tm.tmDescent = height - tm.tmAscent;
    tm.tmAveCharWidth = height / 2;
    tm.tmMaxCharWidth = height;
    return true;
}

void CHeadlessPrintDC::TextOut(int x, int y, const char* text, int n) {
    if (n > 0) m_page.Add(x, y, m_nMapMode, m_pFont, text, n);
}

void CHeadlessPrintDC::ExtTextOut(int x, int y, UINT, const CRect*, const char* text, int n) {
    TextOut(x, y, text, n);
}

int CHeadlessPrintDC::SetMapMode(int mode) {
    std::swap(mode, m_nMapMode);
    return mode;
}

CRect CHeadlessPrintDC::GetPrintableRect() {
    if (m_nMapMode == MM_HIMETRIC) return CRect(0, 0, kPageWidth, -kPageHeight);
    return CRect(0, 0, Scale(kPageWidth, m_nMapMode), Scale(kPageHeight, m_nMapMode));
}
