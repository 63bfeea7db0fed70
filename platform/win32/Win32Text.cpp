#include "platform/win32/Win32Text.h"

#include "platform/base/CodePage932.h"
#include "platform/win32/Win32Api.h"

std::wstring CWin32Text::Wide(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string CWin32Text::Utf8(const wchar_t* text, int length) {
    if (!text || length == 0) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    if (length < 0 && !out.empty()) out.pop_back(); // the terminator was counted
    return out;
}

unsigned CWin32Text::ToCodePage932(wchar_t unit) {
    unsigned char bytes[2] = {};
    int n = CCodePage932::FromUnicode(static_cast<char16_t>(unit), bytes);
    if (n == 1) return bytes[0] == '?' && unit != L'?' ? 0 : bytes[0];
    if (n == 2) return static_cast<unsigned>(bytes[0]) << 8 | bytes[1];
    return 0;
}
