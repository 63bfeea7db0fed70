#include "platform/wx/WxProfileStore.h"

#include <cstdlib>

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/sstream.h>
#include <wx/utils.h>

namespace {
wxString Utf8(const std::string& s) {
    return wxString::FromUTF8(s.data(), s.size());
}

wxString Key(const std::string& section, const std::string& entry) {
    return "/" + Utf8(section) + "/" + Utf8(entry);
}

const char kNotAFile[] =
    " はファイルではない (フォルダーなどの) ため、設定を読み込めず、保存もできません。\n"
    "今回の設定の変更は保存されません。";

// Something other than a file (a folder, say) stands where the settings file should be.
bool NotAFile(const wxString& path) {
    return wxFileName::Exists(path, wxFILE_EXISTS_ANY) && !wxFileName::FileExists(path);
}
} // namespace

CWxProfileStore::CWxProfileStore(const std::string& path) {
    wxFileName file(Utf8(path));
    if (!file.DirExists()) file.Mkdir(wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    if (NotAFile(file.GetFullPath())) {
        // Every write would leave a temporary file beside it and log an error.
        m_strWarning = path + kNotAFile;
        m_bMemoryOnly = true;
        wxStringInputStream nothing(wxString{});
        m_pConfig = std::make_unique<wxFileConfig>(nothing);
    } else {
        m_pConfig = std::make_unique<wxFileConfig>(wxString(), wxString(), file.GetFullPath(),
                                                   wxString(), wxCONFIG_USE_LOCAL_FILE);
    }
    // Stored paths may hold '$' and must come back as written.
    m_pConfig->SetExpandEnvVars(false);
}

CWxProfileStore::~CWxProfileStore() = default;

std::string CWxProfileStore::DefaultPath(const std::string& vendor,
                                         const std::string& application) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (xdg && *xdg == '/')
        base = xdg;
    else
        base = std::string(wxGetHomeDir().utf8_str()) + "/.config";
    return base + "/" + vendor + "/" + application + ".conf";
}

int CWxProfileStore::GetInt(const std::string& section, const std::string& entry, int nDefault) {
    long value = nDefault;
    return m_pConfig->Read(Key(section, entry), &value, nDefault) ? static_cast<int>(value)
                                                                  : nDefault;
}

std::string CWxProfileStore::GetString(const std::string& section, const std::string& entry,
                                       const std::string& strDefault) {
    wxString value;
    if (!m_pConfig->Read(Key(section, entry), &value)) return strDefault;
    return std::string(value.utf8_str());
}

bool CWxProfileStore::WriteInt(const std::string& section, const std::string& entry, int value) {
    return Flushed(m_pConfig->Write(Key(section, entry), static_cast<long>(value)));
}

bool CWxProfileStore::WriteString(const std::string& section, const std::string& entry,
                                  const std::string& value) {
    return Flushed(m_pConfig->Write(Key(section, entry), Utf8(value)));
}

bool CWxProfileStore::DeleteSection(const std::string& section) {
    wxString group = "/" + Utf8(section);
    if (!m_pConfig->HasGroup(group)) return true;
    return Flushed(m_pConfig->DeleteGroup(group));
}

bool CWxProfileStore::Flushed(bool bWritten) {
    return bWritten && !m_bMemoryOnly && m_pConfig->Flush();
}
