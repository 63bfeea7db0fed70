#include "shell/AppSettings.h"

#include <climits>
#include <cmath>

#include "engine/EditMode.h"
#include "engine/JCodeTable.h"
#include "platform/base/ProfileStore.h"
#include "platform/framework/Backend.h"
#include "shell/OptionPageEdit.h"
#include "shell/SettingsCommands.h"

namespace {
CProfileStore& Profile() {
    return CBackend::Current().Profile();
}

constexpr int kLastSyncType = 1; // 0 address match, 1 relative

// The integer values in the order they are read and written, around the font's values, with
// the values the program can use.
struct IntValue {
    const char* m_name;
    int AppSettings::*m_field;
    int m_nLow;
    int m_nHigh;
};
const IntValue kOptionsBefore[] = {
    {"InitialMode", &AppSettings::InitialMode, kModeView, kModeInsert},
    {"AllowedMode", &AppSettings::AllowedMode, kModeView, kModeInsert},
    {"bBackup", &AppSettings::bBackup, 0, 1},
    {"nMaxOnMemoryFileSize", &AppSettings::nMaxOnMemoryFileSize, COptionPageEdit::kMinMemoryMB,
     COptionPageEdit::kMaxMemoryMB},
    {"bEditShortcut", &AppSettings::bEditShortcut, 0, 1},
    {"bReadLastFiles", &AppSettings::bReadLastFiles, 0, 1},
    {"nJCode", &AppSettings::nJCode, 0, kJCodeCount - 1},
    {"m_bSyncscrollTYpe", &AppSettings::m_bSyncscrollTYpe, 0, kLastSyncType},
};
// The window size is limited by the screen as well (LoadSettings).
const IntValue kOptionsAfter[] = {
    {"FrameSizeX", &AppSettings::FrameSizeX, AppSettings::kMinFrameSize, INT_MAX},
    {"FrameSizeY", &AppSettings::FrameSizeY, AppSettings::kMinFrameSize, INT_MAX},
    {"bFileBarVisible", &AppSettings::bFileBarVisible, 0, 1},
    {"bIndicatorVisible", &AppSettings::bIndicatorVisible, 0, 1},
    {"bStatusBarVisible", &AppSettings::bStatusBarVisible, 0, 1},
};

void Read(CProfileStore& p, const std::string& section, const IntValue& v, AppSettings& s) {
    int fallback = s.*v.m_field;
    int value = p.GetInt(section, v.m_name, fallback);
    // 0 is the frame's "no size stored yet", its default.
    bool usable = (value >= v.m_nLow && value <= v.m_nHigh) || value == fallback;
    s.*v.m_field = usable ? value : fallback;
}

// The heights the screen font dialog offers: 1 pixel up to its largest size.
bool IsDialogFontHeight(int height) {
    CBackend& backend = CBackend::Current();
    long largest =
        std::lround(CSettingsCommands::kMaxScreenPoints * backend.ScreenPixelsPerPoint());
    return height <= -1 && height >= -largest;
}
} // namespace

void AppSettings::LoadSettings() {
    *this = AppSettings();
    const AppSettings defaults;
    CProfileStore& p = Profile();
    for (const IntValue& v : kOptionsBefore)
        Read(p, m_strSection, v, *this);
    FontHeight = p.GetInt(m_strSection, "FontHeight", FontHeight);
    if (!IsDialogFontHeight(FontHeight)) FontHeight = defaults.FontHeight;
    FontFaceName = p.GetString(m_strSection, "FontFaceName", FontFaceName);
    if (FontFaceName.empty()) FontFaceName = defaults.FontFaceName;
    for (const IntValue& v : kOptionsAfter)
        Read(p, m_strSection, v, *this);
    // A window larger than the screen cannot be seen whole, nor painted on some systems.
    CSize screen = CBackend::Current().GetWorkAreaSize();
    if (FrameSizeX > screen.cx) FrameSizeX = defaults.FrameSizeX;
    if (FrameSizeY > screen.cy) FrameSizeY = defaults.FrameSizeY;
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
    int index = 0;
    for (const std::string& path : paths)
        if (!path.empty())
            Profile().WriteString(m_strLastFilesSection, "File" + std::to_string(index++), path);
}

std::string AppSettings::GetNextLastFile() {
    if (bReadLastFiles == 0) return std::string();
    std::string name = "File" + std::to_string(nLastFileIndex++);
    return Profile().GetString(m_strLastFilesSection, name, std::string());
}

void AppSettings::DeleteLastFiles() {
    Profile().DeleteSection(m_strLastFilesSection);
}
