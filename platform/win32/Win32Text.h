#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <string>

// Text between the program's UTF-8 and the system's UTF-16.
class CWin32Text {
public:
    CWin32Text() = delete;

    static std::wstring Wide(const std::string& utf8);
    static std::string Utf8(const wchar_t* text, int length = -1);
    static std::string Utf8(const std::wstring& text) {
        return Utf8(text.c_str(), static_cast<int>(text.size()));
    }
    // A character the input method or the keyboard typed, as the program's code page 932:
    // one byte, or lead << 8 | trail; 0 when the code page has no such character.
    static unsigned ToCodePage932(wchar_t unit);
};
