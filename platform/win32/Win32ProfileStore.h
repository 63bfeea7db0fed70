#pragma once
#include <string>

#include "platform/base/ProfileStore.h"

// The per-user settings in the registry: HKEY_CURRENT_USER\<key>\<section>, one value per
// entry (a DWORD for an integer, a string for a string), every write at once.
class CWin32ProfileStore : public CProfileStore {
public:
    // key: below HKEY_CURRENT_USER, such as DefaultKey("Marlox", "Quelm").
    explicit CWin32ProfileStore(std::string key);

    // Software\<vendor>\<application>.
    static std::string DefaultKey(const std::string& vendor, const std::string& application);

    int GetInt(const std::string& section, const std::string& entry, int nDefault) override;
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& strDefault) override;
    bool WriteInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    bool DeleteSection(const std::string& section) override;

private:
    // The registry type and the bytes of a value; false when there is none.
    bool ReadValue(const std::string& section, const std::string& entry, unsigned long& type,
                   std::string& bytes) const;
    bool WriteValue(const std::string& section, const std::string& entry, unsigned long type,
                    const void* data, size_t size) const;
    std::wstring SectionKey(const std::string& section) const;

    std::string m_strKey;
};
