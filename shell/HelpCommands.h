#pragma once
#include <string>

#include "commands/AppCommandSet.h"

// Pages beside the program, and the messages when one is missing.
inline constexpr char kHelpPage[] = "html/index.htm";
inline constexpr char kHelpMissing[] = "ヘルプファイルが見つかりません";
inline constexpr char kReadmePage[] = "Readme.htm";
inline constexpr char kReadmeMissing[] = "Readme.htm が見つかりません";
inline constexpr char kNoBrowser[] = "ブラウザを起動できません。\n%s";

// The HTML help and the about box.
class CHelpCommands : public CAppCommandSet {
public:
    explicit CHelpCommands(CWinApp& app);

    // Opens a page of the program's folder in the browser; false after the missing message.
    static bool OpenPage(const std::string& page, const std::string& missing);

private:
    void OnAbout();
};
