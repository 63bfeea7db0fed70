#include "platform/framework/Document.h"

#include <algorithm>

#include "platform/base/File.h"
#include "platform/base/FileException.h"
#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/Backend.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/SystemServices.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"

namespace {
using FrameworkIds::kFileClose;
using FrameworkIds::kFileSave;
using FrameworkIds::kInvalidFileName;
using FrameworkIds::kSaveChanges;

std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
    std::string::size_type at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}
} // namespace

CDocument::CDocument() {
    OnCommand(kFileClose, [this] {
        if (SaveModified()) OnCloseDocument();
    });
    OnCommand(kFileSave, [this] { DoFileSave(); });
}
CDocument::~CDocument() = default;

void CDocument::SetPathName(const std::string& path, bool bAddToMRU) {
    StorePathName(path, bAddToMRU);
    SetTitle(FileTitleOf(m_strPathName));
}

void CDocument::StorePathName(const std::string& path, bool bAddToMRU) {
    m_strPathName = CFile::GetFullPath(path);
    if (bAddToMRU && AfxGetApp()) AfxGetApp()->AddToRecentFileList(m_strPathName);
}

std::string CDocument::FileTitleOf(const std::string& path) {
    return CFile::GetFileName(path);
}

void CDocument::SetTitle(const std::string& title) {
    m_strTitle = title;
    for (CView* v : m_views)
        if (CFrameWnd* frame = v->GetParentFrame()) frame->OnUpdateFrameTitle();
}

void CDocument::AddView(CView* pView) {
    m_views.push_back(pView);
    pView->SetDocument(this);
}

void CDocument::RemoveView(CView* pView) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
}

void CDocument::UpdateAllViews(CView* pSender, long lHint) {
    for (CView* v : m_views)
        if (v != pSender) v->OnUpdate(pSender, lHint);
}

bool CDocument::OnNewDocument() {
    m_strPathName.clear();
    m_bModified = false;
    return true;
}

bool CDocument::OnOpenDocument(const std::string&) {
    m_bModified = false;
    return true;
}

bool CDocument::OnSaveDocument(const std::string&) {
    m_bModified = false;
    return true;
}

void CDocument::OnCloseDocument() {
    // Destroying a frame removes its view from the list; walk a copy.
    std::vector<CFrameWnd*> frames;
    for (CView* v : m_views)
        if (CFrameWnd* frame = v->GetParentFrame()) frames.push_back(frame);
    for (CFrameWnd* frame : frames)
        frame->DestroyWindow();
    // The template owns the document and its windows: this is the end of them.
    if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

bool CDocument::SaveModified() {
    if (!m_bModified) return true;
    std::string name = m_strPathName.empty() ? m_strTitle : m_strPathName;
    std::string prompt = ReplaceFirst(CResourceSet::Current().LoadString(kSaveChanges), "%1", name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return false;
    case IDYES:
        return DoFileSave();
    default:
        return true;
    }
}

bool CDocument::DoFileSave() {
    return DoSave(m_strPathName);
}

bool CDocument::DoSave(const std::string& path, bool bReplace) {
    std::string target = path;
    if (target.empty()) {
        std::string initial = m_strPathName.empty() ? m_strTitle : m_strPathName;
        if (!CBackend::Current().GetFileName(false, initial, target)) return false;
    }
    if (!OnSaveDocument(target)) return false;
    if (bReplace) SetPathName(target);
    return true;
}

void CDocument::ReportSaveLoadException(const std::string& path, const CFileException* pError,
                                        bool) {
    std::string text = pError ? pError->GetErrorMessage() : std::string();
    if (text.empty()) text = CResourceSet::Current().LoadString(kInvalidFileName);
    if (text.empty()) text = "無効なﾌｧｲﾙ名です。";
    (void)path;
    AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
}
