#pragma once
#include <string>

// A logical font description: what the program asks for.
struct CLogFont {
    static constexpr int kShiftJisCharSet = 128;

    std::string m_strFaceName; // "FixedSys" stands for the best installed monospace CJK face
    int m_nHeight = -19;       // negative: character height in pixels
    int m_nWeight = 400;
    int m_nCharSet = kShiftJisCharSet;
    bool m_bFixedPitch = true;
    bool m_bItalic = false;
    bool m_bUnderline = false;
    bool m_bStrikeOut = false;
    bool operator==(const CLogFont& o) const {
        return m_strFaceName == o.m_strFaceName && m_nHeight == o.m_nHeight &&
               m_nWeight == o.m_nWeight && m_nCharSet == o.m_nCharSet &&
               m_bFixedPitch == o.m_bFixedPitch && m_bItalic == o.m_bItalic &&
               m_bUnderline == o.m_bUnderline && m_bStrikeOut == o.m_bStrikeOut;
    }
};

struct TEXTMETRIC {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmOverhang = 0;
};

// A font object; device contexts select it by identity and realise it themselves.
class CFont {
public:
    CFont() = default;
    explicit CFont(CLogFont lf) : m_logFont(std::move(lf)) {}
    void CreateFontIndirect(const CLogFont& lf) { m_logFont = lf; }
    const CLogFont& GetLogFont() const { return m_logFont; }

private:
    CLogFont m_logFont;
};
