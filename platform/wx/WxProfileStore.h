#pragma once
#include <memory>
#include <string>

#include "platform/base/ProfileStore.h"

class wxFileConfig;

// The per-user settings in a wxFileConfig file: sections are groups, values keep their names,
// and every write reaches the file at once.
class CWxProfileStore : public CProfileStore {
public:
    // path: the settings file; its folder is created when missing.
    explicit CWxProfileStore(const std::string& path);
    ~CWxProfileStore() override;

    // What the user should be told about the settings file (one message), or empty.
    const std::string& Warning() const { return m_strWarning; }

    // ~/.config/<vendor>/<application>.conf, or under $XDG_CONFIG_HOME when it is set.
    static std::string DefaultPath(const std::string& vendor, const std::string& application);

    int GetInt(const std::string& section, const std::string& entry, int nDefault) override;
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& strDefault) override;
    bool WriteInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    bool DeleteSection(const std::string& section) override;

private:
    bool Flushed(bool bWritten);

    std::unique_ptr<wxFileConfig> m_pConfig;
    std::string m_strWarning;
    // The settings are kept in memory only: their file cannot be written.
    bool m_bMemoryOnly = false;
};
