#include "platform/win32/Win32FontCache.h"

#include "platform/win32/Win32Text.h"

namespace {
// Fixed-pitch faces with the Japanese characters, best first: those of Windows, then those a
// Linux system under wine offers.
const wchar_t* const kJapaneseFaces[] = {
    L"MS Gothic",
    L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF",
    L"Noto Sans Mono CJK JP",
    L"IPAGothic",
    L"VL Gothic",
    L"TakaoGothic",
    L"Sazanami Gothic",
};
const wchar_t kLastResortFace[] = L"Courier New";

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

int CALLBACK FoundFixedFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM out) {
    if ((lf->lfPitchAndFamily & 0x3) != FIXED_PITCH || lf->lfFaceName[0] == L'@') return 1;
    *reinterpret_cast<std::wstring*>(out) = lf->lfFaceName;
    return 0;
}
} // namespace

CWin32FontCache& CWin32FontCache::Get() {
    static CWin32FontCache cache;
    return cache;
}

CWin32FontCache::~CWin32FontCache() {
    for (auto& entry : m_fonts)
        DeleteObject(entry.second);
}

bool CWin32FontCache::IsInstalled(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) return false;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = ::GetDC(nullptr);
    EnumFontFamiliesExW(screen, &lf, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring CWin32FontCache::FallbackFace() {
    if (!m_fallback.empty()) return m_fallback;
    for (const wchar_t* face : kJapaneseFaces)
        if (IsInstalled(face)) return m_fallback = face;
    // Any fixed-pitch face that has the Shift-JIS character set.
    LOGFONTW lf{};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    HDC screen = ::GetDC(nullptr);
    EnumFontFamiliesExW(screen, &lf, FoundFixedFace, reinterpret_cast<LPARAM>(&m_fallback), 0);
    ReleaseDC(nullptr, screen);
    if (m_fallback.empty()) m_fallback = kLastResortFace;
    return m_fallback;
}

std::wstring CWin32FontCache::MapFace(const std::string& face) {
    std::wstring wide = CWin32Text::Wide(face);
    return IsInstalled(wide) ? wide : FallbackFace();
}

HFONT CWin32FontCache::Font(const CLogFont& lf) {
    auto key = std::make_tuple(lf.m_strFaceName, lf.m_nHeight, lf.m_nWeight, lf.m_bItalic,
                               lf.m_bUnderline, lf.m_bStrikeOut);
    auto it = m_fonts.find(key);
    if (it != m_fonts.end()) return it->second;
    LOGFONTW w{};
    w.lfHeight = lf.m_nHeight;
    w.lfWeight = lf.m_nWeight;
    w.lfItalic = lf.m_bItalic;
    w.lfUnderline = lf.m_bUnderline;
    w.lfStrikeOut = lf.m_bStrikeOut;
    w.lfCharSet = static_cast<BYTE>(lf.m_nCharSet);
    w.lfOutPrecision = OUT_DEFAULT_PRECIS;
    w.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    w.lfQuality = DEFAULT_QUALITY;
    w.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    MapFace(lf.m_strFaceName).copy(w.lfFaceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&w);
    m_fonts[key] = font;
    return font;
}
