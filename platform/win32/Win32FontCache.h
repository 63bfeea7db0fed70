#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <map>
#include <string>
#include <tuple>

#include "platform/framework/Font.h"

// The GDI fonts the program's logical fonts stand for, made once and kept. A face that is not
// installed (the classic "FixedSys" or "Terminal") becomes an installed fixed-pitch Japanese
// face, so that every font draws Shift-JIS text on the cell grid.
class CWin32FontCache {
public:
    static CWin32FontCache& Get();
    ~CWin32FontCache();

    HFONT Font(const CLogFont& lf);
    // The installed face a requested one is drawn with.
    std::wstring MapFace(const std::string& face);
    static bool IsInstalled(const std::wstring& face);

private:
    CWin32FontCache() = default;
    std::wstring FallbackFace();

    std::map<std::tuple<std::string, int, int, bool, bool, bool>, HFONT> m_fonts;
    std::wstring m_fallback;
};
