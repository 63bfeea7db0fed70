#pragma once
#include <memory>
#include <string>

#include "engine/DocumentHost.h"
#include "platform/framework/Font.h"
#include "platform/framework/WinApp.h"
#include "shell/AppSettings.h"
#include "shell/SettingChange.h"
#include "view/ViewHost.h"

class CAppCommandSet;
class CMainFrame;
class CKolvaDoc;
class CView;

// The application object: settings, fonts, the main window and the one way files are opened.
class CKolvaApp : public CWinApp, public CDocumentHost, public CViewHost {
public:
    CKolvaApp();
    ~CKolvaApp() override;

    bool InitInstance() override { return Startup(); }
    void OnIdle() override;
    bool Startup();
    CMainFrame* MainFrame() const;

    // Every way of opening a file ends here: the full path name, a file already open brought
    // to the front, the document limit, the shortcut prompt and a missing path becoming a new
    // document with that name.
    CKolvaDoc* OpenDocumentPath(const std::string& path);
    CDocument* OpenDocumentFile(const std::string& path) override;
    int DocumentCount() const;

    // Application commands kept in sets of their own (options, fonts, help) join this table.
    void AttachCommandSet(std::unique_ptr<CAppCommandSet> pSet);
    // The one way a changed setting reaches the open documents: every view's document window
    // brings it up to date.
    void NotifySettingsChanged(SettingChange what);

    // CDocumentHost
    int InitialMode() override { return m_pOptions->InitialMode; }
    int BackupSetting() override { return m_pOptions->bBackup; }
    int MaxOnMemoryMB() override { return m_pOptions->nMaxOnMemoryFileSize; }
    int ShowMessage(const std::string& text, unsigned type) override;
    void OnDocumentClosing(CKolvaDoc* pDoc) override;
    void OnLabelChanged(CKolvaDoc* pDoc) override;

    // CViewHost
    int JCodeSetting() override { return m_pOptions->nJCode; }
    int IndicatorVisible() override { return m_pOptions->bIndicatorVisible; }
    int AllowedMode() override { return m_pOptions->AllowedMode; }
    CFont* GetCurrentFont() override { return m_pCurrentFont; }
    CFont* GetScreenFont() override { return m_pScreenFont.get(); }
    void UsePrinterFont(bool bPrinter) override;
    CDialogBar* CreateRulerBar(CFrameWnd* pFrame) override;
    void LayoutRulerBar(CFrameWnd* pFrame, bool bShow, int nHeight) override;
    void RefreshSearchDialogs(CKolvaView* pView) override;

    std::unique_ptr<AppSettings> m_pOptions;
    std::unique_ptr<CFont> m_pScreenFont;
    std::unique_ptr<CFont> m_pPrinterFont;
    CFont* m_pCurrentFont = nullptr;

private:
    void CreateFonts();
    void AttachShellCommands();
    void OpenStartupFiles();
    // The document already open under path, brought to the front; null when there is none.
    CKolvaDoc* ActivateIfOpen(const std::string& path);
    CKolvaDoc* OpenShortcutCopy(const std::string& path);
    CKolvaDoc* NewDocumentNamed(const std::string& path);
    void OnFileNewCommand();
    void OnFileOpenCommand();
    void OnAppExit();

    std::unique_ptr<CMainFrame> m_pFrame;
    bool m_bShellCommandsAttached = false;
};

// The application object as the program's own class.
CKolvaApp* KolvaApp();
