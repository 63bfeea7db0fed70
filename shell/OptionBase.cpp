#include "shell/OptionBase.h"

#include "shell/AppSettings.h"
#include "shell/OptionPageDisplay.h"
#include "shell/OptionPageEdit.h"

COptionBase::COptionBase(AppSettings& settings)
    : CPropertySheet("基本設定", nullptr), m_settings(settings) {}

int COptionBase::DoModal() {
    COptionPageEdit edit;
    COptionPageDisplay display;
    AddPage(&edit);
    AddPage(&display);
    m_pEdit = &edit;
    m_pDisplay = &display;
    CopyIn(edit, display);
    CPropertySheet::DoModal();
    // Cancel keeps what a page had already read (a page left, or an allowed-mode click).
    CopyOut(edit, display);
    m_pEdit = nullptr;
    m_pDisplay = nullptr;
    RemoveAllPages();
    return 1;
}

void COptionBase::OnApply() {
    if (m_pEdit && m_pDisplay) CopyOut(*m_pEdit, *m_pDisplay);
}

void COptionBase::CopyIn(COptionPageEdit& edit, COptionPageDisplay& display) const {
    edit.m_nInitialMode = m_settings.InitialMode;
    edit.m_nBackup = m_settings.bBackup;
    edit.m_nAllowedMode = m_settings.AllowedMode;
    edit.m_nEditShortcut = m_settings.bEditShortcut;
    edit.m_nMaxOnMemory = m_settings.nMaxOnMemoryFileSize;
    edit.m_nReadLastFiles = m_settings.bReadLastFiles;
    display.m_nJCode = m_settings.nJCode;
    display.m_nSyncType = m_settings.m_bSyncscrollTYpe;
}

void COptionBase::CopyOut(const COptionPageEdit& edit, const COptionPageDisplay& display) {
    m_settings.InitialMode = edit.m_nInitialMode;
    m_settings.bBackup = edit.m_nBackup;
    m_settings.AllowedMode = edit.m_nAllowedMode;
    m_settings.bEditShortcut = edit.m_nEditShortcut;
    m_settings.nMaxOnMemoryFileSize = edit.m_nMaxOnMemory;
    m_settings.bReadLastFiles = edit.m_nReadLastFiles;
    m_settings.nJCode = display.m_nJCode;
    m_settings.m_bSyncscrollTYpe = display.m_nSyncType;
}
