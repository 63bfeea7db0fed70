#include "shell/KolvaCommandLineInfo.h"

#include "platform/base/File.h"

namespace {
// "/" also starts every absolute path here: it is a prefix only for a switch-like word that
// names no existing file.
bool IsSlashSwitch(const std::string& arg) {
    CFileStatus status;
    return arg.size() > 1 && arg[0] == '/' && arg.find('/', 1) == std::string::npos &&
           !CFile::GetStatus(arg, status);
}
} // namespace

void CKolvaCommandLineInfo::ParseParam(const std::string& arg) {
    bool flag = (!arg.empty() && arg[0] == '-') || IsSlashSwitch(arg);
    m_params.push_back({flag ? arg.substr(1) : arg, flag});
}

void CKolvaCommandLineInfo::Parse(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        ParseParam(arg);
}

std::vector<std::string> CKolvaCommandLineInfo::GetArgv() const {
    std::vector<std::string> argv{std::string()};
    for (const Param& p : m_params)
        argv.push_back(p.m_bFlag ? "-" + p.m_strText : p.m_strText);
    return argv;
}
