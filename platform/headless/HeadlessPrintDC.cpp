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

CRect CHeadlessPrintDC::GetPrintableRect() {
    if (m_nMapMode == MM_HIMETRIC) return CRect(0, 0, m_paper.cx, -m_paper.cy);
    return CRect(0, 0, Scale(m_paper.cx, m_nMapMode), Scale(m_paper.cy, m_nMapMode));
}
