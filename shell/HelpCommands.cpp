#include "shell/HelpCommands.h"

#include "platform/base/File.h"
#include "platform/framework/Backend.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "shell/AboutDlg.h"

CHelpCommands::CHelpCommands(CWinApp& app) : CAppCommandSet(app) {
    OnCommand(ID_HELP_HTML, [] { OpenPage(kHelpPage, kHelpMissing); });
    OnCommand(ID_APP_ABOUT, [this] { OnAbout(); });
}

bool CHelpCommands::OpenPage(const std::string& page, const std::string& missing) {
    CBackend& backend = CBackend::Current();
    const std::string path = backend.ProgramFolder() + page;
    CFileStatus status;
    // The browser starts on its own and cannot tell that the file is not there.
    if (!CFile::GetStatus(path, status)) {
        AfxMessageBox(missing, MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    if (!backend.ShellOpen(path)) {
        std::string text = kNoBrowser;
        text.replace(text.find("%s"), 2, path);
        AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    return true;
}

void CHelpCommands::OnAbout() {
    CAboutDlg about;
    about.DoModal();
}
