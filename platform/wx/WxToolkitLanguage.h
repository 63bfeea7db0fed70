#pragma once
#include <optional>
#include <string>

// The toolkit's own dialogs (files, printing, fonts) take their texts from the C library's
// message catalogs. The program speaks Japanese whatever the user's locale, and so do they,
// also where the user's locale is not installed; programs it starts keep the user's language.
class CWxToolkitLanguage {
public:
    CWxToolkitLanguage() = delete;

    // Once the toolkit has started.
    static void UseJapanese();

    // While one lives, a program started gets the user's own language.
    class CForOtherPrograms {
    public:
        CForOtherPrograms();
        ~CForOtherPrograms();
        CForOtherPrograms(const CForOtherPrograms&) = delete;
        CForOtherPrograms& operator=(const CForOtherPrograms&) = delete;
    };

private:
    static void SetLanguage(const std::optional<std::string>& value);

    static bool s_bApplied;
    static std::optional<std::string> s_userLanguage; // unset: the user had none
};
