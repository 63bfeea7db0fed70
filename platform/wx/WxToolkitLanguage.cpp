#include "platform/wx/WxToolkitLanguage.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace {
const char kLanguage[] = "LANGUAGE";
const char kJapanese[] = "ja";

bool IsPlain(const char* locale) {
    return !locale || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0;
}

// The C library's UTF-8 variant of the plain locale, which it always has.
void UsePlainUtf8(int category) {
    for (const char* name : {"C.UTF-8", "C.utf8"})
        if (std::setlocale(category, name)) return;
}
} // namespace

bool CWxToolkitLanguage::s_bApplied = false;
std::optional<std::string> CWxToolkitLanguage::s_userLanguage;

void CWxToolkitLanguage::UseJapanese() {
    if (s_bApplied) return;
    if (const char* user = std::getenv(kLanguage)) s_userLanguage = user;
    SetLanguage(std::string(kJapanese));
    s_bApplied = true;
    // A locale the machine lacks would leave text in ASCII: UTF-8 at least.
    if (!std::setlocale(LC_CTYPE, "")) UsePlainUtf8(LC_CTYPE);
    // The catalogs ignore the language list in the plain locale. Setting the locale also drops
    // their answers cached in the user's language.
    if (IsPlain(std::setlocale(LC_MESSAGES, ""))) UsePlainUtf8(LC_MESSAGES);
}

void CWxToolkitLanguage::SetLanguage(const std::optional<std::string>& value) {
    if (value)
        setenv(kLanguage, value->c_str(), 1);
    else
        unsetenv(kLanguage);
}

CWxToolkitLanguage::CForOtherPrograms::CForOtherPrograms() {
    if (s_bApplied) SetLanguage(s_userLanguage);
}

CWxToolkitLanguage::CForOtherPrograms::~CForOtherPrograms() {
    if (s_bApplied) SetLanguage(std::string(kJapanese));
}
