#pragma once
#include <string>
#include <vector>

// The program's arguments: every one is a file name. One written with a leading "/" or "-"
// is handed over without it and gets "-" back in front.
class CKolvaCommandLineInfo {
public:
    struct Param {
        std::string m_strText;
        bool m_bFlag;
    };

    void ParseParam(const std::string& arg);
    void Parse(const std::vector<std::string>& args);
    // Entry 0 is empty; entry i is the i-th argument.
    std::vector<std::string> GetArgv() const;
    int GetArgc() const { return static_cast<int>(m_params.size()) + 1; }

    std::vector<Param> m_params;
};
