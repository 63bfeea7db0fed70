#include "shell/SettingsCommands.h"

#include <memory>

#include "platform/framework/Backend.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/View.h"
#include "res/Resource.h"
#include "shell/KolvaApp.h"
#include "shell/OptionBase.h"
#include "view/KolvaView.h"

CSettingsCommands::CSettingsCommands(CKolvaApp& app) : CAppCommandSet(app), m_app(app) {
    OnCommand(ID_OPTION_SETTINGS, [this] { OnOptions(); });
    OnCommand(ID_OPTION_FONT, [this] { OnScreenFont(); });
    OnCommand(ID_OPTION_PRINTER_FONT, [this] { OnPrinterFont(); });
}

void CSettingsCommands::OnOptions() {
    COptionBase sheet(*m_app.m_pOptions);
    sheet.DoModal();
}

CLogFont CSettingsCommands::ScreenFontFrom(const CLogFont& chosen) {
    CLogFont lf;
    lf.m_nHeight = chosen.m_nHeight;
    lf.m_strFaceName = chosen.m_strFaceName;
    return lf;
}

void CSettingsCommands::OnScreenFont() {
    CLogFont choice = m_app.m_pScreenFont->GetLogFont();
    choice.m_nCharSet = CLogFont::kShiftJisCharSet;
    if (!CBackend::Current().ChooseFont(choice, kMaxScreenPoints)) return;
    CLogFont lf = ScreenFontFrom(choice);
    // The old font goes only after every view measures and draws with the new one.
    std::unique_ptr<CFont> old = std::move(m_app.m_pScreenFont);
    m_app.m_pScreenFont = std::make_unique<CFont>(lf);
    m_app.m_pCurrentFont = m_app.m_pScreenFont.get();
    m_app.NotifySettingsChanged(SettingChange::kScreenFont);
    old.reset();
    if (CMDIFrameWnd* main = MainWindow())
        if (auto* view = dynamic_cast<CKolvaView*>(main->GetActiveView()))
            view->OnClientAreaChanged();
    m_app.m_pOptions->FontHeight = lf.m_nHeight;
    m_app.m_pOptions->FontFaceName = lf.m_strFaceName;
}

void CSettingsCommands::OnPrinterFont() {
    CLogFont choice = m_app.m_pPrinterFont->GetLogFont();
    if (!CBackend::Current().ChoosePrinterFont(choice, kMaxPrinterPoints)) return;
    // Taken as chosen, style included; it is not remembered.
    bool current = m_app.m_pCurrentFont == m_app.m_pPrinterFont.get();
    m_app.m_pPrinterFont = std::make_unique<CFont>(choice);
    if (current) m_app.m_pCurrentFont = m_app.m_pPrinterFont.get();
}
