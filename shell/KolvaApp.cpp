#include "shell/KolvaApp.h"

#include <algorithm>
#include <cctype>

#include "commands/AppCommandSet.h"
#include "commands/FindReplaceCommands.h"
#include "commands/ViewCommands.h"
#include "engine/KolvaDoc.h"
#include "platform/base/File.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/Backend.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/Document.h"
#include "platform/framework/SystemServices.h"
#include "platform/framework/View.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/ChildFrame.h"
#include "shell/HelpCommands.h"
#include "shell/KolvaCommandLineInfo.h"
#include "shell/MainFrame.h"
#include "shell/SettingsCommands.h"
#include "shell/TestCommands.h"
#include "view/KolvaView.h"

namespace {
// The printer font's height is in the printer's 0.01 mm units: a 3.6 mm cell.
const char kPrinterFace[] = "Terminal";
constexpr int kPrinterFontHeight = 360;

const char kShortcutPrompt[] = "%s はショートカットです。\n選択してください。\n\n"
                               "「はい」    ショートカットファイルを編集する\n"
                               "「いいえ」  リンク先を編集する\n";

const char kCopyExists[] =
    "%s がすでにあるため、ショートカットを編集する作業用コピーを作れません。\n"
    "前に編集したときのコピーなら、中身を確かめてから移すか削除してください。";

bool EndsWithLnk(const std::string& path) {
    std::string tail = path.size() > 4 ? path.substr(path.size() - 4) : path;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".lnk";
}

std::string Substitute(std::string text, const std::string& marker, const std::string& value) {
    std::string::size_type at = text.find(marker);
    if (at != std::string::npos) text.replace(at, marker.size(), value);
    return text;
}
} // namespace

CKolvaApp* KolvaApp() {
    return dynamic_cast<CKolvaApp*>(AfxGetApp());
}

CKolvaApp::CKolvaApp() {
    OnCommand(ID_APP_EXIT, [this] { OnAppExit(); });
    OnCommand(ID_FILE_NEW, [this] { OnFileNewCommand(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpenCommand(); });
    for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN})
        OnUpdate(id, [this](CCmdUI* pCmdUI) {
            pCmdUI->Enable(DocumentCount() < m_pOptions->nMaxDocuments);
        });
}

CKolvaApp::~CKolvaApp() {
    // Documents go before the frame that holds their windows.
    if (m_pDocTemplate) m_pDocTemplate->CloseAllDocuments();
    CDocumentHost::Set(nullptr);
    CViewHost::Set(nullptr);
}

CMainFrame* CKolvaApp::MainFrame() const {
    return m_pFrame.get();
}

int CKolvaApp::DocumentCount() const {
    return m_pDocTemplate ? static_cast<int>(m_pDocTemplate->GetDocuments().size()) : 0;
}

void CKolvaApp::AttachCommandSet(std::unique_ptr<CAppCommandSet> pSet) {
    CCmdTarget::AttachCommandSet(std::move(pSet));
}

void CKolvaApp::NotifySettingsChanged(SettingChange what) {
    if (!m_pDocTemplate) return;
    for (CDocument* doc : m_pDocTemplate->GetDocuments())
        for (CView* view : doc->GetViews())
            if (auto* frame = dynamic_cast<CChildFrame*>(view->GetParentFrame()))
                frame->OnSettingChanged(what, view);
}

bool CKolvaApp::Startup() {
    CResourceSet::SetCurrent(&QuelmResources());
    SetRegistryKey("Marlox");
    LoadStdProfileSettings(10);
    m_pOptions = std::make_unique<AppSettings>();
    m_pOptions->LoadSettings();
    CreateFonts();
    CDocumentHost::Set(this);
    CViewHost::Set(this);
    AttachShellCommands();
    AddDocTemplate(
        std::make_unique<CMultiDocTemplate>([] { return std::make_unique<CKolvaDoc>(); },
                                            [] { return std::make_unique<CChildFrame>(); },
                                            [] {
                                                auto view = std::make_unique<CKolvaView>();
                                                CViewCommands::Install(*view);
                                                return view;
                                            }));
    m_pFrame = std::make_unique<CMainFrame>();
    if (!m_pFrame->Create(*m_pOptions)) return false;
    m_pFrame->AttachCommandSet(std::make_unique<CFindReplaceCommands>(*m_pFrame));
    m_pMainWnd = m_pFrame.get();
    m_pFrame->GetMainFramePeer()->SetRecentFiles(GetRecentFiles());
    OpenStartupFiles();
    m_pOptions->DeleteLastFiles();
    m_pFrame->ShowWindow(true);
    m_pFrame->UpdateWindow();
    return true;
}

void CKolvaApp::AttachShellCommands() {
    if (m_bShellCommandsAttached) return;
    m_bShellCommandsAttached = true;
    AttachCommandSet(std::make_unique<CSettingsCommands>(*this));
    AttachCommandSet(std::make_unique<CHelpCommands>(*this));
    AttachCommandSet(std::make_unique<CTestCommands>(*this));
}

void CKolvaApp::OpenStartupFiles() {
    CKolvaCommandLineInfo cmdInfo;
    cmdInfo.Parse(m_argv);
    std::vector<std::string> argv = cmdInfo.GetArgv();
    if (cmdInfo.GetArgc() >= 2) {
        for (size_t i = 1; i < argv.size(); ++i)
            OpenDocumentPath(argv[i]);
        return;
    }
    for (std::string path = m_pOptions->GetNextLastFile(); !path.empty();
         path = m_pOptions->GetNextLastFile())
        OpenDocumentPath(path);
}

void CKolvaApp::CreateFonts() {
    CLogFont screen;
    screen.m_strFaceName = m_pOptions->FontFaceName;
    screen.m_nHeight = m_pOptions->FontHeight;
    m_pScreenFont = std::make_unique<CFont>(screen);
    CLogFont printer;
    printer.m_strFaceName = kPrinterFace;
    printer.m_nHeight = kPrinterFontHeight;
    m_pPrinterFont = std::make_unique<CFont>(printer);
    m_pCurrentFont = m_pScreenFont.get();
    m_pOptions->FontHeight = m_pScreenFont->GetLogFont().m_nHeight;
    m_pOptions->FontFaceName = m_pScreenFont->GetLogFont().m_strFaceName;
}

void CKolvaApp::OnIdle() {
    CWinApp::OnIdle();
    if (m_pFrame)
        for (CMDIChildWnd* child : m_pFrame->GetChildren())
            if (auto* frame = dynamic_cast<CChildFrame*>(child)) frame->UpdateIndicators();
}

CKolvaDoc* CKolvaApp::OpenDocumentPath(const std::string& given) {
    // Paths are kept whole, so the recent and last-file lists work from any folder.
    const std::string path = CFile::GetFullPath(given);
    if (CKolvaDoc* open = ActivateIfOpen(path)) return open;
    if (DocumentCount() >= m_pOptions->nMaxDocuments) {
        std::string text = CResourceSet::Current().LoadString(IDS_TOO_MANY_DOCUMENTS);
        AfxMessageBox(Substitute(text, "%1", path), MB_ICONSTOP | MB_OK);
        return nullptr;
    }
    if (m_pOptions->bEditShortcut == 1 && EndsWithLnk(path)) {
        std::string prompt = Substitute(kShortcutPrompt, "%s", path);
        if (AfxMessageBox(prompt, MB_YESNO | MB_ICONQUESTION) == IDYES)
            return OpenShortcutCopy(path);
    }
    CFileStatus status;
    CFileException error;
    if (!CFile::GetStatus(path, status, &error)) {
        if (error.m_cause == CFileException::fileNotFound) return NewDocumentNamed(path);
        // An existing file that cannot be reached must not look like a new, empty one.
        AfxMessageBox(error.GetErrorMessage(), MB_ICONEXCLAMATION | MB_OK);
        return nullptr;
    }
    auto* doc = dynamic_cast<CKolvaDoc*>(m_pDocTemplate->OpenDocumentFile(path));
    if (doc) m_pFrame->AddFileButton(doc);
    return doc;
}

CDocument* CKolvaApp::OpenDocumentFile(const std::string& path) {
    return OpenDocumentPath(path);
}

CKolvaDoc* CKolvaApp::ActivateIfOpen(const std::string& path) {
    return dynamic_cast<CKolvaDoc*>(m_pDocTemplate->ActivateIfOpen(path));
}

CKolvaDoc* CKolvaApp::OpenShortcutCopy(const std::string& path) {
    std::string copy = path + ".Quelm";
    // Copying again would overwrite the working copy of the document that is open.
    if (CKolvaDoc* open = ActivateIfOpen(copy)) return open;
    // Made new, never over a file or through a link found there: a copy left by an earlier
    // session may hold changes, and a link could lead to anyone's file.
    CFileException error;
    if (!CFile::CopyToNew(path, copy, &error)) {
        std::string text = error.GetErrorMessage();
        if (error.m_cause == CFileException::fileExists) text = Substitute(kCopyExists, "%s", copy);
        AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
        return nullptr;
    }
    auto* doc = dynamic_cast<CKolvaDoc*>(m_pDocTemplate->OpenDocumentFile(copy));
    if (!doc) {
        CFile::Remove(copy);
        return nullptr;
    }
    doc->m_bShortcutCopy = true;
    doc->m_strShortcutPath = path;
    doc->m_strWorkingCopy = doc->GetPathName();
    m_pFrame->AddFileButton(doc);
    return doc;
}

CKolvaDoc* CKolvaApp::NewDocumentNamed(const std::string& path) {
    m_pDocTemplate->OpenDocumentFile(std::string());
    auto* doc = dynamic_cast<CKolvaDoc*>(m_pFrame->GetActiveDocument());
    if (!doc) return nullptr;
    doc->SetPathName(path);
    m_pFrame->AddFileButton(doc);
    return doc;
}

void CKolvaApp::OnFileNewCommand() {
    OnFileNew();
    m_pFrame->AddFileButton(nullptr);
}

void CKolvaApp::OnFileOpenCommand() {
    std::string path;
    if (CBackend::Current().GetFileName(true, std::string(), path)) OpenDocumentPath(path);
}

int CKolvaApp::ShowMessage(const std::string& text, unsigned type) {
    return AfxMessageBox(text, type);
}

void CKolvaApp::OnDocumentClosing(CKolvaDoc* pDoc) {
    if (m_pFrame) m_pFrame->OnDocumentClosed(pDoc);
}

void CKolvaApp::OnLabelChanged(CKolvaDoc* pDoc) {
    if (m_pFrame) m_pFrame->RefreshFileButton(pDoc);
}

void CKolvaApp::UsePrinterFont(bool bPrinter) {
    m_pCurrentFont = bPrinter ? m_pPrinterFont.get() : m_pScreenFont.get();
}

CDialogBar* CKolvaApp::CreateRulerBar(CFrameWnd* pFrame) {
    auto* frame = dynamic_cast<CChildFrame*>(pFrame);
    return frame && frame->CreateRulerBar() ? &frame->m_wndRulerBar : nullptr;
}

void CKolvaApp::LayoutRulerBar(CFrameWnd* pFrame, bool bShow, int nHeight) {
    auto* frame = dynamic_cast<CChildFrame*>(pFrame);
    if (!frame || !frame->m_wndRulerBar.IsCreated()) return;
    CRect bar = frame->m_wndRulerBar.GetWindowRect();
    frame->m_wndRulerBar.MoveWindow(CRect(bar.left, bar.top, bar.right, bar.top + nHeight));
    frame->m_wndRulerBar.ShowWindow(bShow);
    frame->RecalcLayout();
}

void CKolvaApp::RefreshSearchDialogs(CKolvaView* pView) {
    if (m_pFrame) m_pFrame->RefreshSearchDialogs(pView);
}

void CKolvaApp::OnAppExit() {
    if (m_pFrame) m_pFrame->OnClose();
}
