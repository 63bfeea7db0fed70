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
