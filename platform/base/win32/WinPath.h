#pragma once
#include <string>

// Paths between the program (UTF-8) and the Win32 file API (UTF-16), so that names outside code
// page 932 open and save.
class CWinPath {
public:
    static std::wstring ToWide(const std::string& utf8);
    static std::string ToUtf8(const std::wstring& wide);
    // The absolute form the file API takes: made full by the system (either slash, "." and
    // "..") and given the "\\?\" prefix, so that paths beyond MAX_PATH work.
    static std::wstring ForApi(const std::string& path);
    // The full path in UTF-8 with backslashes, without the long-path prefix.
    static std::string Full(const std::string& path);
    // Whether the last part is a device name of Windows (CON, NUL, AUX.BIN, COM1.txt...):
    // such a name opens the device wherever it is, never a file.
    static bool IsReservedName(const std::string& path);
    // The folder part, with its final separator; empty for a bare name.
    static std::string FolderOf(const std::string& path);
};
