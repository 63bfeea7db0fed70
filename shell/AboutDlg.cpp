#include "shell/AboutDlg.h"

#include "platform/base/Afx.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/Backend.h"
#include "res/Resource.h"
#include "shell/HelpCommands.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX, nullptr) {
    OnCommand(IDC_SUPPORT_PAGE, [] { CBackend::Current().ShellOpen(kSupportPageUrl); });
    OnCommand(IDC_README, [] { CHelpCommands::OpenPage(kReadmePage, kReadmeMissing); });
}

std::string CAboutDlg::BuildStamp() {
    return " (" __DATE__ "/" __TIME__ ")";
}

std::string CAboutDlg::VersionText() {
    // From the template rather than the control, which not every window system reads back.
    if (const CDialogDef* def = CResourceSet::Current().FindDialog(IDD_ABOUTBOX))
        for (const CControlDef& c : def->m_controls)
            if (c.m_nID == IDC_ABOUT_VERSION) return c.m_text;
    return std::string();
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_VERSION, VersionText() + BuildStamp());
    return true;
}
