#include "platform/wx/WxProfileStore.h"

#include <algorithm>
#include <climits>
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

// Values may hold any bytes (a file name need not be UTF-8), but the file holds text. A byte
// that is not part of valid UTF-8 is written as the private-use character U+10FC00 + byte; the
// real characters of that block (U+10FC80 to U+10FCFF) are written the same way, byte by byte.
// So everything reads back exactly, and UTF-8 text stays as it was in the file.
constexpr char32_t kByteEscape = 0x10FC00;
constexpr char32_t kFirstEscape = kByteEscape + 0x80;
constexpr char32_t kLastEscape = kByteEscape + 0xFF;

// The length of the valid UTF-8 sequence at s[at] and its code point; 0 when it is not one.
size_t Utf8Sequence(const std::string& s, size_t at, char32_t& cp) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > s.size()) return 0;
    cp = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    bool valid = cp >= kSmallest[length] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    return valid ? length : 0;
}

wxString ToConfigText(const std::string& bytes) {
    wxString text;
    for (size_t at = 0; at < bytes.size();) {
        char32_t cp = 0;
        size_t length = Utf8Sequence(bytes, at, cp);
        if (length != 0 && (cp < kFirstEscape || cp > kLastEscape)) {
            text += wxUniChar(static_cast<wxUint32>(cp));
            at += length;
            continue;
        }
        for (size_t end = at + std::max<size_t>(length, 1); at < end; ++at)
            text += wxUniChar(
                static_cast<wxUint32>(kByteEscape + static_cast<unsigned char>(bytes[at])));
    }
    return text;
}

void AppendUtf8(std::string& out, char32_t cp) {
    auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

std::string FromConfigText(const wxString& text) {
    std::string bytes;
    for (wxUniChar c : text) {
        char32_t cp = c.GetValue();
        if (cp >= kFirstEscape && cp <= kLastEscape)
            bytes += static_cast<char>(cp - kByteEscape);
        else
            AppendUtf8(bytes, cp);
    }
    return bytes;
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
    // A number beyond 32 bits is not one of ours.
    if (!m_pConfig->Read(Key(section, entry), &value, nDefault) || value < INT_MIN ||
        value > INT_MAX)
        return nDefault;
    return static_cast<int>(value);
}

std::string CWxProfileStore::GetString(const std::string& section, const std::string& entry,
                                       const std::string& strDefault) {
    wxString value;
    if (!m_pConfig->Read(Key(section, entry), &value)) return strDefault;
    return FromConfigText(value);
}

bool CWxProfileStore::WriteInt(const std::string& section, const std::string& entry, int value) {
    return Flushed(m_pConfig->Write(Key(section, entry), static_cast<long>(value)));
}

bool CWxProfileStore::WriteString(const std::string& section, const std::string& entry,
                                  const std::string& value) {
    return Flushed(m_pConfig->Write(Key(section, entry), ToConfigText(value)));
}

bool CWxProfileStore::DeleteSection(const std::string& section) {
    wxString group = "/" + Utf8(section);
    if (!m_pConfig->HasGroup(group)) return true;
    return Flushed(m_pConfig->DeleteGroup(group));
}

bool CWxProfileStore::Flushed(bool bWritten) {
    return bWritten && !m_bMemoryOnly && m_pConfig->Flush();
}
