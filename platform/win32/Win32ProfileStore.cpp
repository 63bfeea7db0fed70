#include "platform/win32/Win32ProfileStore.h"

#include <windows.h>

#include "platform/base/win32/WinPath.h"

namespace {
// Closes the key when it goes out of scope.
class OpenKey {
public:
    OpenKey(const std::wstring& path, bool bCreate) {
        LSTATUS status = bCreate
                             ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                               KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr)
                             : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &m_key);
        if (status != ERROR_SUCCESS) m_key = nullptr;
    }
    ~OpenKey() {
        if (m_key) RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// Whether the bytes are UTF-8 that converts to UTF-16 and back unchanged.
bool IsUtf8(const std::string& bytes) {
    if (bytes.empty()) return true;
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                               nullptr, 0) > 0;
}
} // namespace

CWin32ProfileStore::CWin32ProfileStore(std::string key) : m_strKey(std::move(key)) {}

std::string CWin32ProfileStore::DefaultKey(const std::string& vendor,
                                           const std::string& application) {
    return "Software\\" + vendor + "\\" + application;
}

std::wstring CWin32ProfileStore::SectionKey(const std::string& section) const {
    return CWinPath::ToWide(m_strKey + "\\" + section);
}

bool CWin32ProfileStore::ReadValue(const std::string& section, const std::string& entry,
                                   unsigned long& type, std::string& bytes) const {
    OpenKey key(SectionKey(section), false);
    if (!key.Get()) return false;
    std::wstring name = CWinPath::ToWide(entry);
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    bytes.assign(size, '\0');
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS)
        return false;
    bytes.resize(size);
    return true;
}

bool CWin32ProfileStore::WriteValue(const std::string& section, const std::string& entry,
                                    unsigned long type, const void* data, size_t size) const {
    OpenKey key(SectionKey(section), true);
    return key.Get() &&
           RegSetValueExW(key.Get(), CWinPath::ToWide(entry).c_str(), 0, type,
                          static_cast<const BYTE*>(data), DWORD(size)) == ERROR_SUCCESS;
}

int CWin32ProfileStore::GetInt(const std::string& section, const std::string& entry, int nDefault) {
    unsigned long type = 0;
    std::string bytes;
    if (!ReadValue(section, entry, type, bytes) || type != REG_DWORD ||
        bytes.size() != sizeof(DWORD))
        return nDefault;
    DWORD value;
    memcpy(&value, bytes.data(), sizeof value);
    return int(value);
}

std::string CWin32ProfileStore::GetString(const std::string& section, const std::string& entry,
                                          const std::string& strDefault) {
    unsigned long type = 0;
    std::string bytes;
    if (!ReadValue(section, entry, type, bytes)) return strDefault;
    // Bytes that are not UTF-8 (a file name from elsewhere) were kept as they were.
    if (type == REG_BINARY) return bytes;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return strDefault;
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()),
                      bytes.size() / sizeof(wchar_t));
    // The stored terminator, and any the writer added.
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return CWinPath::ToUtf8(text);
}

bool CWin32ProfileStore::WriteInt(const std::string& section, const std::string& entry, int value) {
    DWORD dword = DWORD(value);
    return WriteValue(section, entry, REG_DWORD, &dword, sizeof dword);
}

bool CWin32ProfileStore::WriteString(const std::string& section, const std::string& entry,
                                     const std::string& value) {
    if (!IsUtf8(value)) return WriteValue(section, entry, REG_BINARY, value.data(), value.size());
    std::wstring text = CWinPath::ToWide(value);
    return WriteValue(section, entry, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

bool CWin32ProfileStore::DeleteSection(const std::string& section) {
    // Named below the root, the section's key goes with its values.
    LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, SectionKey(section).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
