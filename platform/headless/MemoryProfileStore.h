#pragma once
#include <map>
#include <variant>

#include "platform/base/ProfileStore.h"

// A profile store held in memory; values keep their type, as in the registry.
class CMemoryProfileStore : public CProfileStore {
public:
    using Value = std::variant<int, std::string>;

    int GetInt(const std::string& section, const std::string& entry, int nDefault) override;
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& strDefault) override;
    bool WriteInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    bool DeleteSection(const std::string& section) override;

    bool HasSection(const std::string& section) const { return m_sections.count(section) != 0; }
    const std::map<std::string, Value>* Section(const std::string& section) const;

private:
    std::map<std::string, std::map<std::string, Value>> m_sections;
};
