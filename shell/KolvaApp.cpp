#include "shell/KolvaApp.h"

#include "platform/ResourceTypes.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/MainFrame.h"

CKolvaApp* KolvaApp() {
    return static_cast<CKolvaApp*>(AfxGetApp());
}

CKolvaApp::CKolvaApp() {
    OnCommand(ID_APP_EXIT, [this] { OnAppExit(); });
}

CKolvaApp::~CKolvaApp() = default;

CMainFrame* CKolvaApp::MainFrame() const {
    return m_pFrame.get();
}

bool CKolvaApp::Startup() {
    CResourceSet::SetCurrent(&QuelmResources());
    SetRegistryKey("Marlox");
    LoadStdProfileSettings(10);
    m_pOptions = std::make_unique<AppSettings>();
    m_pOptions->LoadSettings();
    CreateFonts();
    m_pFrame = std::make_unique<CMainFrame>();
    if (!m_pFrame->Create(*m_pOptions)) return false;
    m_pMainWnd = m_pFrame.get();
    m_pOptions->DeleteLastFiles();
    m_pFrame->ShowWindow(true);
    m_pFrame->UpdateWindow();
    return true;
}

void CKolvaApp::CreateFonts() {
    CLogFont screen;
    screen.m_strFaceName = m_pOptions->FontFaceName;
    screen.m_nHeight = m_pOptions->FontHeight;
    m_pScreenFont = std::make_unique<CFont>(screen);
    m_pPrinterFont = std::make_unique<CFont>(screen);
    m_pCurrentFont = m_pScreenFont.get();
}

void CKolvaApp::OnAppExit() {
    if (m_pFrame) m_pFrame->OnClose();
}
