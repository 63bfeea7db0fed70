#include "platform/headless/PrintedPage.h"

#include <utility>

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
