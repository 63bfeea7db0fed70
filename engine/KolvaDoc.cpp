#include "engine/KolvaDoc.h"

#include "engine/DocumentHost.h"
#include "engine/EditMode.h"
#include "platform/base/Afx.h"
#include "platform/base/File.h"
#include "platform/base/FileException.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/framework/View.h"
#include "res/Resource.h"

namespace {
CDocumentHost* g_pHost = nullptr;

using FrameworkIds::kFileSave;
using FrameworkIds::kFileSaveAs;
constexpr UINT kFileDump = ID_FILE_DUMP;
const char kChangedOnDisk[] = "%1 はこのファイルを開いた後 (または最後に保存した後) "
                              "にほかのプログラムによって変更されています。\n"
                              "上書きして保存しますか?";
} // namespace

void CKolvaDoc::SetHost(CDocumentHost* pHost) {
    g_pHost = pHost;
}

CKolvaDoc::CKolvaDoc() : m_nEditMode(g_pHost ? g_pHost->InitialMode() : kModeView) {
    OnCommand(kFileSaveAs, [this] { OnFileSaveAs(); });
    OnUpdate(kFileSave, [this](CCmdUI* pCmdUI) {
        pCmdUI->Enable(m_pData && IsModified() && !GetPathName().empty());
    });
    OnUpdate(kFileSaveAs, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(m_pData != nullptr); });
    // The dump is written beside the document, so it needs the document's path.
    OnUpdate(kFileDump,
             [this](CCmdUI* pCmdUI) { pCmdUI->Enable(m_pData && !GetPathName().empty()); });
}

CKolvaDoc::~CKolvaDoc() = default;

CView* CKolvaDoc::FirstView() const {
    return GetViews().empty() ? nullptr : GetViews().front();
}

bool CKolvaDoc::OnNewDocument() {
    m_pData = std::make_unique<CBinData>(g_pHost ? g_pHost->MaxOnMemoryMB() : 16);
    m_bNewDocument = true;
    m_nEditMode = kModeInsert;
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
    m_diskStamp.m_bValid = false;
    if (!m_pData->m_bOffMemory) TakeDiskStamp(path);
    return true;
}

void CKolvaDoc::TakeDiskStamp(const std::string& path) {
    CFileStatus status;
    m_diskStamp.m_bValid = CFile::GetStatus(path, status);
    m_diskStamp.m_strPath = path;
    m_diskStamp.m_size = status.m_size;
    m_diskStamp.m_mtime = status.m_mtime;
    m_diskStamp.m_ino = status.m_ino;
    m_diskStamp.m_dev = status.m_dev;
}

bool CKolvaDoc::ConfirmOverwriteOfChangedFile(const std::string& path) {
    if (!m_diskStamp.m_bValid || m_diskStamp.m_strPath != path) return true;
    CFileStatus now;
    if (!CFile::GetStatus(path, now)) return true; // gone: nothing of another program is lost
    if (now.m_size == m_diskStamp.m_size && now.m_mtime == m_diskStamp.m_mtime &&
        now.m_ino == m_diskStamp.m_ino && now.m_dev == m_diskStamp.m_dev)
        return true;
    std::string text = kChangedOnDisk;
    text.replace(text.find("%1"), 2, path);
    return AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool CKolvaDoc::OnSaveDocument(const std::string& path) {
    // Before anything is written: a whole-loaded file that another program changed since it was
    // loaded or last saved is overwritten only when the user says so.
    if (m_pData && m_pData->m_nAllowedMode != kModeView && !m_pData->m_bOffMemory &&
        !ConfirmOverwriteOfChangedFile(path))
        return false;
    // The one-time backup is made inside the save, from the old content, only after the new
    // content is safely on the disk.
    bool backup = !m_bBackupDone && !m_bShortcutCopy && g_pHost && g_pHost->BackupSetting() == 1;
    CFileException error;
    if (!m_pData || m_pData->SaveFile(path, &error, backup ? path + ".bak" : std::string()) != 0) {
        ReportSaveLoadException(path, &error, true);
        return false;
    }
    if (backup) m_bBackupDone = true;
    m_bSaved = true;
    m_pData->MarkSaved();
    SetModifiedFlag(false);
    TakeDiskStamp(path);
    return true;
}

bool CKolvaDoc::SaveModified() {
    if (!CDocument::SaveModified()) return false;
    // Answered No: the changes are discarded, never written back over the shortcut file.
    if (m_bShortcutCopy && IsModified()) SetModifiedFlag(false);
    return true;
}

bool CKolvaDoc::DoSave(const std::string& path, bool bReplace) {
    // The framework names the document by its file name after a save; the caption and the
    // printed header go on naming the full path as they did since opening.
    bool sameName = !path.empty() && CFile::GetFullPath(path) == GetPathName();
    if (!CDocument::DoSave(path, bReplace)) return false;
    if (sameName && bReplace) SetTitle(GetPathName());
    return true;
}

void CKolvaDoc::OnFileSaveAs() {
    // A new name starts a new backup cycle; a cancelled or failed Save As keeps the old one
    // (and what was saved of a shortcut working copy still goes back).
    bool backupDone = m_bBackupDone, saved = m_bSaved;
    m_bBackupDone = false;
    m_bSaved = false;
    if (!DoSave(std::string())) {
        m_bBackupDone = backupDone;
        m_bSaved = saved;
        return;
    }
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
