#include "shell/OptionPageEdit.h"

#include "engine/EditMode.h"
#include "res/Resource.h"

COptionPageEdit::COptionPageEdit() : CPropertyPage(IDD_OPTION_EDIT, "編集") {
    OnCommand(IDC_ALLOW_VIEW, [this] { ApplyAllowedMode(kModeView); });
    OnCommand(IDC_ALLOW_OVERWRITE, [this] { ApplyAllowedMode(kModeOverwrite); });
    OnCommand(IDC_ALLOW_ALL, [this] { ApplyAllowedMode(kModeInsert); });
}

void COptionPageEdit::DoDataExchange(CDataExchange* pDX) {
    // The limit is checked before anything is read, so a refused page keeps all its fields.
    int limit = m_nMaxOnMemory;
    DDX_Text(pDX, IDC_MEMORY_LIMIT, limit);
    DDV_MinMaxInt(pDX, limit, kMinMemoryMB, kMaxMemoryMB);
    if (pDX->m_bFailed) return;
    m_nMaxOnMemory = limit;
    DDX_Radio(pDX, IDC_INIT_VIEW, m_nInitialMode);
    DDX_Check(pDX, IDC_BACKUP, m_nBackup);
    DDX_Radio(pDX, IDC_ALLOW_VIEW, m_nAllowedMode);
    DDX_Check(pDX, IDC_EDIT_SHORTCUT, m_nEditShortcut);
    DDX_Check(pDX, IDC_READ_LAST_FILES, m_nReadLastFiles);
    SetSpinRange(IDC_MEMORY_SPIN, kMinMemoryMB, kMaxMemoryMB);
}

void COptionPageEdit::OnSetActive() {
    ApplyAllowedMode(m_nAllowedMode);
}

int COptionPageEdit::CheckedInitialMode() {
    CDataExchange dx(this, true);
    int mode = m_nInitialMode;
    DDX_Radio(&dx, IDC_INIT_VIEW, mode);
    return mode;
}

void COptionPageEdit::ApplyAllowedMode(int allowed) {
    int initial = CheckedInitialMode();
    // Narrowing the allowed modes falls back to VIEW, never to overwrite.
    if ((allowed == kModeView && initial != kModeView) ||
        (allowed == kModeOverwrite && initial == kModeInsert)) {
        CheckDlgButton(IDC_INIT_VIEW, 1);
        CheckDlgButton(IDC_INIT_OVERWRITE, 0);
        CheckDlgButton(IDC_INIT_INSERT, 0);
    }
    EnableDlgItem(IDC_INIT_OVERWRITE, allowed != kModeView);
    EnableDlgItem(IDC_INIT_INSERT, allowed == kModeInsert);
    // One reading once the radios are settled: a bad limit is told once.
    UpdateData(true);
}
