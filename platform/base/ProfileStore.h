#pragma once
#include <string>

// The per-user store of settings: sections of named integer and string values.
class CProfileStore {
public:
    virtual ~CProfileStore() = default;

    virtual int GetInt(const std::string& section, const std::string& entry, int nDefault) = 0;
    virtual std::string GetString(const std::string& section, const std::string& entry,
                                  const std::string& strDefault) = 0;
    virtual bool WriteInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual bool WriteString(const std::string& section, const std::string& entry,
                             const std::string& value) = 0;
    virtual bool DeleteSection(const std::string& section) = 0;
};
