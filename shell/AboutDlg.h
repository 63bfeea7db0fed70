#pragma once
#include <string>

#include "platform/framework/Dialog.h"

// The about box: version with this build's date and time, the support page and the readme.
// Escape does not close it; OK and the close box do.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    bool OnInitDialog() override;
    void OnCancel() override {}
    void OnClose() override { EndDialog(2); }

    // " (Mmm dd yyyy/hh:mm:ss)" of this build.
    static std::string BuildStamp();
    // The version label's own text, before the stamp.
    static std::string VersionText();
};
