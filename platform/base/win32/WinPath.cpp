#include "platform/base/win32/WinPath.h"

#include <algorithm>
#include <cctype>
#include <windows.h>

namespace {
const wchar_t kLongPrefix[] = L"\\\\?\\";
const wchar_t kLongUncPrefix[] = L"\\\\?\\UNC\\";
const wchar_t kDevicePrefix[] = L"\\\\.\\";

bool StartsWith(const std::wstring& s, const wchar_t* prefix) {
    return s.compare(0, wcslen(prefix), prefix) == 0;
}

std::wstring FullWide(const std::wstring& wide) {
    DWORD need = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (need == 0) return wide;
    std::wstring full(need, L'\0');
    DWORD got = GetFullPathNameW(wide.c_str(), need, full.data(), nullptr);
    if (got == 0 || got >= need) return wide;
    full.resize(got);
    return full;
}
} // namespace

std::wstring CWinPath::ToWide(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    return wide;
}

std::string CWinPath::ToUtf8(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string utf8(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), n, nullptr,
                        nullptr);
    return utf8;
}

std::wstring CWinPath::ForApi(const std::string& path) {
    std::wstring wide = ToWide(path);
    if (wide.empty() || StartsWith(wide, kLongPrefix) || StartsWith(wide, kDevicePrefix))
        return wide;
    std::wstring full = FullWide(wide);
    // A device path the system made of a reserved name stays as it is.
    if (StartsWith(full, kDevicePrefix)) return full;
    if (StartsWith(full, L"\\\\")) return kLongUncPrefix + full.substr(2);
    return kLongPrefix + full;
}

std::string CWinPath::Full(const std::string& path) {
    if (path.empty()) return path;
    return ToUtf8(FullWide(ToWide(path)));
}

bool CWinPath::IsReservedName(const std::string& path) {
    std::string name = path.substr(path.find_last_of("/\\:") + 1);
    // The device is named by what comes before the first dot, trailing spaces ignored.
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices)
        if (name == device) return true;
    // COM1 to COM9 and LPT1 to LPT9 (COM0 and LPT0 are ordinary names).
    return name.size() == 4 && (name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "LPT") == 0) &&
           name[3] >= '1' && name[3] <= '9';
}

std::string CWinPath::FolderOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
