#include "shell/AppSettings.h"

#include "platform/base/ProfileStore.h"
#include "platform/framework/Backend.h"

namespace {
CProfileStore& Profile() {
    return CBackend::Current().Profile();
}

// The integer values in the order they are read and written, around the font's values.
struct IntValue {
    const char* m_name;
    int AppSettings::*m_field;
};
const IntValue kOptionsBefore[] = {
    {"InitialMode", &AppSettings::InitialMode},
    {"AllowedMode", &AppSettings::AllowedMode},
    {"bBackup", &AppSettings::bBackup},
    {"nMaxOnMemoryFileSize", &AppSettings::nMaxOnMemoryFileSize},
    {"bEditShortcut", &AppSettings::bEditShortcut},
    {"bReadLastFiles", &AppSettings::bReadLastFiles},
    {"nJCode", &AppSettings::nJCode},
    {"m_bSyncscrollTYpe", &AppSettings::m_bSyncscrollTYpe},
};
const IntValue kOptionsAfter[] = {
    {"FrameSizeX", &AppSettings::FrameSizeX},
    {"FrameSizeY", &AppSettings::FrameSizeY},
    {"bFileBarVisible", &AppSettings::bFileBarVisible},
    {"bIndicatorVisible", &AppSettings::bIndicatorVisible},
    {"bStatusBarVisible", &AppSettings::bStatusBarVisible},
};
} // namespace

void AppSettings::LoadSettings() {
    *this = AppSettings();
    CProfileStore& p = Profile();
    for (const IntValue& v : kOptionsBefore)
        this->*v.m_field = p.GetInt(m_strSection, v.m_name, this->*v.m_field);
    FontHeight = p.GetInt(m_strSection, "FontHeight", FontHeight);
    FontFaceName = p.GetString(m_strSection, "FontFaceName", FontFaceName);
    for (const IntValue& v : kOptionsAfter)
        this->*v.m_field = p.GetInt(m_strSection, v.m_name, this->*v.m_field);
}

void AppSettings::SaveSettings() {
    CProfileStore& p = Profile();
    for (const IntValue& v : kOptionsBefore)
        p.WriteInt(m_strSection, v.m_name, this->*v.m_field);
    p.WriteInt(m_strSection, "FontHeight", FontHeight);
    p.WriteString(m_strSection, "FontFaceName", FontFaceName);
    for (const IntValue& v : kOptionsAfter)
        p.WriteInt(m_strSection, v.m_name, this->*v.m_field);
}

void AppSettings::SaveLastFiles(const std::vector<std::string>& paths) {
    DeleteLastFiles();
    for (size_t i = 0; i < paths.size(); ++i)
        Profile().WriteString(m_strLastFilesSection, "File" + std::to_string(i), paths[i]);
}

std::string AppSettings::GetNextLastFile() {
    if (bReadLastFiles == 0) return std::string();
    std::string name = "File" + std::to_string(nLastFileIndex++);
    return Profile().GetString(m_strLastFilesSection, name, std::string());
}

void AppSettings::DeleteLastFiles() {
    Profile().DeleteSection(m_strLastFilesSection);
}
