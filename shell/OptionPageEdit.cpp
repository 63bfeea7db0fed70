#include "shell/OptionPageEdit.h"

#include "res/Resource.h"

namespace {
enum Mode { kView = 0, kOverwrite = 1, kInsert = 2 };
} // namespace

COptionPageEdit::COptionPageEdit() : CPropertyPage(IDD_OPTION_EDIT, "編集") {
    OnCommand(IDC_ALLOW_VIEW, [this] { ApplyAllowedMode(kView); });
    OnCommand(IDC_ALLOW_OVERWRITE, [this] { ApplyAllowedMode(kOverwrite); });
    OnCommand(IDC_ALLOW_ALL, [this] { ApplyAllowedMode(kInsert); });
}

void COptionPageEdit::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, IDC_INIT_VIEW, m_nInitialMode);
    DDX_Check(pDX, IDC_BACKUP, m_nBackup);
    DDX_Radio(pDX, IDC_ALLOW_VIEW, m_nAllowedMode);
    DDX_Check(pDX, IDC_EDIT_SHORTCUT, m_nEditShortcut);
    DDX_Text(pDX, IDC_MEMORY_LIMIT, m_nMaxOnMemory);
    DDV_MinMaxInt(pDX, m_nMaxOnMemory, kMinMemoryMB, kMaxMemoryMB);
    if (pDX->m_bFailed) return;
    DDX_Check(pDX, IDC_READ_LAST_FILES, m_nReadLastFiles);
    SetSpinRange(IDC_MEMORY_SPIN, kMinMemoryMB, kMaxMemoryMB);
}

void COptionPageEdit::OnSetActive() {
    ApplyAllowedMode(m_nAllowedMode);
}

void COptionPageEdit::CheckViewMode() {
    CheckDlgButton(IDC_INIT_VIEW, 1);
    CheckDlgButton(IDC_INIT_OVERWRITE, 0);
    CheckDlgButton(IDC_INIT_INSERT, 0);
    UpdateData(true);
}

void COptionPageEdit::ApplyAllowedMode(int allowed) {
    UpdateData(true);
    // Narrowing the allowed modes falls back to VIEW, never to overwrite.
    if (allowed == kView && m_nInitialMode != kView) CheckViewMode();
    if (allowed == kOverwrite && m_nInitialMode == kInsert) CheckViewMode();
    EnableDlgItem(IDC_INIT_OVERWRITE, allowed != kView);
    EnableDlgItem(IDC_INIT_INSERT, allowed == kInsert);
}
