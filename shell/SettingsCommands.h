#pragma once
#include "commands/AppCommandSet.h"
#include "platform/framework/Font.h"

class CKolvaApp;

// The options sheet, the screen font and the printer font.
class CSettingsCommands : public CAppCommandSet {
public:
    // The largest size the screen font dialog offers.
    static constexpr int kMaxScreenPoints = 16;
    static constexpr int kMaxPrinterPoints = 50;

    explicit CSettingsCommands(CKolvaApp& app);

    // The record the program makes from a chosen font: only its height and face count.
    static CLogFont ScreenFontFrom(const CLogFont& chosen);

private:
    void OnOptions();
    void OnScreenFont();
    void OnPrinterFont();

    CKolvaApp& m_app;
};
