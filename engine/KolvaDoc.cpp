#include "engine/KolvaDoc.h"

#include "engine/DocumentHost.h"
#include "platform/File.h"
#include "platform/FileException.h"
#include "platform/View.h"

namespace {
CDocumentHost* g_pHost = nullptr;

constexpr UINT kFileSave = 57603;
constexpr UINT kFileSaveAs = 57604;
} // namespace

void CKolvaDoc::SetHost(CDocumentHost* pHost) {
    g_pHost = pHost;
}
CDocumentHost* CKolvaDoc::Host() {
    return g_pHost;
}

CKolvaDoc::CKolvaDoc() : m_nEditMode(g_pHost ? g_pHost->InitialMode() : 0) {
    OnCommand(kFileSaveAs, [this] { OnFileSaveAs(); });
    OnUpdate(kFileSave, [this](CCmdUI* pCmdUI) {
        pCmdUI->Enable(m_pData && IsModified() && !GetPathName().empty());
    });
    OnUpdate(kFileSaveAs, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(m_pData != nullptr); });
}

CKolvaDoc::~CKolvaDoc() = default;

CView* CKolvaDoc::FirstView() const {
    return GetViews().empty() ? nullptr : GetViews().front();
}

bool CKolvaDoc::OnNewDocument() {
    m_pData = std::make_unique<CBinData>(g_pHost ? g_pHost->MaxOnMemoryMB() : 16);
    m_bNewDocument = true;
    m_nEditMode = 2;
    m_pFirstView = FirstView();
    return CDocument::OnNewDocument();
}

bool CKolvaDoc::OnOpenDocument(const std::string& path) {
    m_pData = std::make_unique<CBinData>(g_pHost ? g_pHost->MaxOnMemoryMB() : 16);
    CFileException error;
    if (m_pData->LoadFile(path, &error) != 0) {
        m_pData.reset();
        ReportSaveLoadException(path, &error, false);
        return false;
    }
    SetModifiedFlag(false);
    m_pFirstView = FirstView();
    return true;
}

void CKolvaDoc::MakeBackup(const std::string& path) {
    if (m_bBackupDone || m_bShortcutCopy || !g_pHost || g_pHost->BackupSetting() != 1) return;
    std::string backup = path + ".bak";
    CFile::Remove(backup);
    CFile::Rename(path, backup);
    m_bBackupDone = true;
}

bool CKolvaDoc::OnSaveDocument(const std::string& path) {
    MakeBackup(path);
    CFileException error;
    if (!m_pData || m_pData->SaveFile(path, &error) != 0) {
        ReportSaveLoadException(path, &error, true);
        return false;
    }
    m_bSaved = true;
    SetModifiedFlag(false);
    return true;
}

void CKolvaDoc::OnFileSaveAs() {
    m_bBackupDone = false;
    m_bSaved = false;
    if (!DoSave(std::string())) return;
    m_strBarLabel = GetTitle();
    if (!GetPathName().empty()) SetTitle(GetPathName());
    if (g_pHost) g_pHost->OnLabelChanged(this);
}

void CKolvaDoc::PutBackShortcut() {
    if (IsModified()) OnSaveDocument(m_strWorkingCopy);
    if (!m_bSaved) {
        CFile::Remove(m_strWorkingCopy);
        return;
    }
    if (g_pHost && g_pHost->BackupSetting() == 1) {
        std::string backup = m_strShortcutPath + ".bak";
        CFile::Remove(backup);
        CFile::Rename(m_strShortcutPath, backup);
    } else {
        CFile::Remove(m_strShortcutPath);
    }
    CFile::Rename(m_strWorkingCopy, m_strShortcutPath);
}

void CKolvaDoc::OnCloseDocument() {
    if (m_bShortcutCopy) PutBackShortcut();
    if (g_pHost) g_pHost->OnDocumentClosing(this);
    CDocument::OnCloseDocument();
}
