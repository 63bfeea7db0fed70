#pragma once
#include <memory>

#include "platform/Font.h"
#include "platform/WinApp.h"
#include "shell/AppSettings.h"

class CMainFrame;

// The application object: settings, fonts, the main window and the one way files are opened.
class CKolvaApp : public CWinApp {
public:
    CKolvaApp();
    ~CKolvaApp() override;

    bool InitInstance() override { return Startup(); }
    bool Startup();
    CMainFrame* MainFrame() const;

    std::unique_ptr<AppSettings> m_pOptions;
    std::unique_ptr<CFont> m_pScreenFont;
    std::unique_ptr<CFont> m_pPrinterFont;
    CFont* m_pCurrentFont = nullptr;

private:
    void CreateFonts();
    void OnAppExit();

    std::unique_ptr<CMainFrame> m_pFrame;
};

// The application object as the program's own class.
CKolvaApp* KolvaApp();
