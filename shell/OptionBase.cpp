#include "shell/OptionBase.h"

#include "shell/AppSettings.h"
#include "shell/OptionPageDisplay.h"
#include "shell/OptionPageEdit.h"

namespace {
// Calls f(page field, setting) for every field of the two pages and the setting it edits.
template <typename Edit, typename Display, typename Settings, typename F>
void ForEachOption(Edit& edit, Display& display, Settings& settings, F f) {
    f(edit.m_nInitialMode, settings.InitialMode);
    f(edit.m_nBackup, settings.bBackup);
    f(edit.m_nAllowedMode, settings.AllowedMode);
    f(edit.m_nEditShortcut, settings.bEditShortcut);
    f(edit.m_nMaxOnMemory, settings.nMaxOnMemoryFileSize);
    f(edit.m_nReadLastFiles, settings.bReadLastFiles);
    f(display.m_nJCode, settings.nJCode);
    f(display.m_nSyncType, settings.m_bSyncscrollTYpe);
}
} // namespace

COptionBase::COptionBase(AppSettings& settings)
    : CPropertySheet("基本設定", nullptr), m_settings(settings) {}

int COptionBase::DoModal() {
    COptionPageEdit edit;
    COptionPageDisplay display;
    AddPage(&edit);
    AddPage(&display);
    m_pEdit = &edit;
    m_pDisplay = &display;
    m_kept = m_settings;
    CopyIn(edit, display, m_kept);
    // Cancel goes back to the settings of the opening or the last Apply, also where the sheet
    // changed them at once (address match).
    if (CPropertySheet::DoModal() != IDOK) CopyIn(edit, display, m_kept);
    CopyOut(edit, display);
    m_pEdit = nullptr;
    m_pDisplay = nullptr;
    RemoveAllPages();
    return 1;
}

void COptionBase::OnApply() {
    if (!m_pEdit || !m_pDisplay) return;
    CopyOut(*m_pEdit, *m_pDisplay);
    m_kept = m_settings;
}

void COptionBase::CopyIn(COptionPageEdit& edit, COptionPageDisplay& display,
                         const AppSettings& settings) {
    ForEachOption(edit, display, settings, [](int& page, int setting) { page = setting; });
}

void COptionBase::CopyOut(const COptionPageEdit& edit, const COptionPageDisplay& display) {
    ForEachOption(edit, display, m_settings, [](int page, int& setting) { setting = page; });
}
