#include "platform/headless/MemoryProfileStore.h"

int CMemoryProfileStore::GetInt(const std::string& section, const std::string& entry,
                                int nDefault) {
    const auto* values = Section(section);
    if (!values) return nDefault;
    auto it = values->find(entry);
    if (it == values->end() || !std::holds_alternative<int>(it->second)) return nDefault;
    return std::get<int>(it->second);
}

std::string CMemoryProfileStore::GetString(const std::string& section, const std::string& entry,
                                           const std::string& strDefault) {
    const auto* values = Section(section);
    if (!values) return strDefault;
    auto it = values->find(entry);
    if (it == values->end() || !std::holds_alternative<std::string>(it->second)) return strDefault;
    return std::get<std::string>(it->second);
}

bool CMemoryProfileStore::WriteInt(const std::string& section, const std::string& entry,
                                   int value) {
    m_sections[section][entry] = value;
    return true;
}

bool CMemoryProfileStore::WriteString(const std::string& section, const std::string& entry,
                                      const std::string& value) {
    m_sections[section][entry] = value;
    return true;
}

bool CMemoryProfileStore::DeleteSection(const std::string& section) {
    return m_sections.erase(section) != 0;
}

const std::map<std::string, CMemoryProfileStore::Value>*
CMemoryProfileStore::Section(const std::string& section) const {
    auto it = m_sections.find(section);
    return it == m_sections.end() ? nullptr : &it->second;
}
