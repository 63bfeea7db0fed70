#include "engine/KolvaDoc.h"

#include "engine/DocumentHost.h"
#include "engine/EditMode.h"
#include "platform/base/Afx.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/File.h"
#include "platform/base/FileException.h"
#include "platform/base/FileMetadata.h"
#include "platform/base/FrameworkIds.h"
#include "platform/framework/View.h"
#include "res/Resource.h"

namespace {
using FrameworkIds::kFileSave;
using FrameworkIds::kFileSaveAs;
constexpr UINT kFileDump = ID_FILE_DUMP;
const char kChangedOnDisk[] = "%1 はこのファイルを開いた後 (または最後に保存した後) "
                              "にほかのプログラムによって変更されています。\n"
                              "上書きして保存しますか?";
const char kBackupNameTooLong[] = "%1 のバックアップは、名前 (元の名前に \".bak\" を付けたもの) が"
                                  "長すぎるため作れません。\nバックアップを作らずに上書きしますか?";
const char kHardLinks[] =
    "%1 にはほかにも名前 (ハードリンク) が %2 個あります。\n選択してください。\n\n"
    "「はい」    すべての名前の内容を書き換える\n"
    "「いいえ」  この名前だけを新しいファイルにする (ほかの名前は元のまま)\n"
    "「キャンセル」 保存しない\n";
const char kKeptLess[] = "%1 を保存しましたが、元のファイルの次のものを引き継げませんでした。";
const char kAclLost[] =
    "\n・アクセス制御リスト (ACL): アクセス権はファイルのモード (所有者、グループ、"
    "その他) だけになりました。";
const char kAttributesLost[] = "\n・拡張属性の一部";
const char kSaveElsewhere[] = "別の名前で保存してください。";
const char kBackupOffOrElsewhere[] =
    "基本設定の「バックアップファイルを作る」をオフにするか、別の名前で保存してください。";

CDocumentHost* Host() {
    return CDocumentHost::Get();
}

// The settings as stored, or their defaults while no host is installed.
int MaxOnMemoryMB() {
    return Host() ? Host()->MaxOnMemoryMB() : CBinData::kDefaultMaxOnMemoryMB;
}

bool BackupOn() {
    return Host() && Host()->BackupSetting() == 1;
}

std::string Substitute(std::string text, const char* marker, const std::string& value) {
    std::string::size_type at = text.find(marker);
    if (at != std::string::npos) text.replace(at, std::char_traits<char>::length(marker), value);
    return text;
}

// What the user can do instead where a save cannot work as the file and folder stand.
const char* SaveAdvice(CFileException::Cause cause) {
    switch (cause) {
    case CFileException::tempNotCreated:
    case CFileException::stickyFolder:
    case CFileException::readOnlyFile:
        return kSaveElsewhere;
    case CFileException::backupNotCreated:
        return kBackupOffOrElsewhere;
    default:
        return nullptr;
    }
}
} // namespace

CKolvaDoc::CKolvaDoc() : m_nEditMode(Host() ? Host()->InitialMode() : kModeView) {
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

void CKolvaDoc::EditDone(long lHint) {
    SetModifiedFlag(!m_pData->IsAtSavePoint());
    UpdateAllViews(nullptr, lHint);
}

CView* CKolvaDoc::FirstView() const {
    return GetViews().empty() ? nullptr : GetViews().front();
}

bool CKolvaDoc::OnNewDocument() {
    m_pData = std::make_unique<CBinData>(MaxOnMemoryMB());
    m_bNewDocument = true;
    m_strBarLabel = GetTitle();
    m_nEditMode = kModeInsert;
    m_pFirstView = FirstView();
    return CDocument::OnNewDocument();
}

bool CKolvaDoc::OnOpenDocument(const std::string& path) {
    m_pData = std::make_unique<CBinData>(MaxOnMemoryMB());
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
    return CDocumentHost::Report(Substitute(kChangedOnDisk, "%1", path),
                                 MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool CKolvaDoc::OnSaveDocument(const std::string& path) {
    // Before anything is written: a whole-loaded file that another program changed since it was
    // loaded or last saved is overwritten only when the user says so.
    if (m_pData && m_pData->m_nAllowedMode != kModeView && !m_pData->m_bOffMemory &&
        !ConfirmOverwriteOfChangedFile(path))
        return false;
    // The one-time backup is made inside the save, from the old content, only after the new
    // content is safely on the disk.
    bool backup = !m_bBackupDone && !m_bShortcutCopy && BackupOn();
    CAtomicFile file;
    if (m_pData && !PlanSave(path, backup, file)) return false;
    CFileException error;
    if (!m_pData || m_pData->SaveFile(path, &error, &file) != 0) {
        ReportSaveFailure(path, error);
        return false;
    }
    if (backup) m_bBackupDone = true;
    m_bSaved = true;
    m_pData->MarkSaved();
    SetModifiedFlag(false);
    TakeDiskStamp(path);
    ReportKeptLess(path, file.LostMetadata());
    return true;
}

bool CKolvaDoc::PlanSave(const std::string& path, bool backup, CAtomicFile& file) {
    CFileStatus status;
    if (!CFile::GetStatus(path, status)) return true; // nothing there yet: nothing to keep
    std::string backupPath = path + ".bak";
    if (backup && !CAtomicFile::NameFits(backupPath)) {
        if (CDocumentHost::Report(Substitute(kBackupNameTooLong, "%1", path),
                                  MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
        backup = false;
    }
    if (backup) file.SetBackupPath(backupPath);
    if (status.m_nLinks > 1) {
        // With the old content safe in the backup, every name takes the new content; without
        // one, the user decides once for this name.
        if (!backup && !m_bKeepHardLinks) {
            std::string text = Substitute(kHardLinks, "%1", path);
            text = Substitute(text, "%2", std::to_string(status.m_nLinks - 1));
            int answer = CDocumentHost::Report(text, MB_YESNOCANCEL | MB_ICONQUESTION);
            if (answer == IDCANCEL) return false;
            if (answer == IDNO) return true;
        }
        m_bKeepHardLinks = true;
        file.SetKeepHardLinks(true);
    }
    return true;
}

void CKolvaDoc::ReportSaveFailure(const std::string& path, const CFileException& error) {
    const char* advice = SaveAdvice(error.m_cause);
    if (!advice) {
        ReportSaveLoadException(path, &error, true);
        return;
    }
    CDocumentHost::Report(error.GetErrorMessage() + "\n" + advice, MB_ICONEXCLAMATION | MB_OK);
}

void CKolvaDoc::ReportKeptLess(const std::string& path, unsigned lost) {
    if (lost == CFileMetadata::lostNothing) return;
    std::string text = Substitute(kKeptLess, "%1", path);
    if (lost & CFileMetadata::lostAcl) text += kAclLost;
    if (lost & CFileMetadata::lostAttributes) text += kAttributesLost;
    CDocumentHost::Report(text, MB_ICONEXCLAMATION | MB_OK);
}

bool CKolvaDoc::SaveModified() {
    if (!CDocument::SaveModified()) return false;
    // Answered No: the changes are discarded, never written back over the shortcut file.
    if (m_bShortcutCopy && IsModified()) SetModifiedFlag(false);
    return true;
}

void CKolvaDoc::SetPathName(const std::string& path, bool bAddToMRU) {
    StorePathName(path, bAddToMRU);
    if (GetPathName().empty()) return;
    m_strBarLabel = FileTitleOf(GetPathName());
    // Saving under the same name changes nothing a window shows.
    if (GetTitle() != GetPathName()) SetTitle(GetPathName());
}

void CKolvaDoc::OnFileSaveAs() {
    // A new name starts a new backup cycle; a cancelled or failed Save As keeps the old one
    // (and what was saved of a shortcut working copy still goes back).
    bool backupDone = m_bBackupDone, saved = m_bSaved, keepLinks = m_bKeepHardLinks;
    m_bBackupDone = false;
    m_bSaved = false;
    m_bKeepHardLinks = false;
    if (!DoSave(std::string())) {
        m_bBackupDone = backupDone;
        m_bSaved = saved;
        m_bKeepHardLinks = keepLinks;
        return;
    }
    if (Host()) Host()->OnLabelChanged(this);
}

void CKolvaDoc::PutBackShortcut() {
    if (IsModified()) OnSaveDocument(m_strWorkingCopy);
    if (!m_bSaved) {
        CFile::Remove(m_strWorkingCopy);
        return;
    }
    if (BackupOn()) {
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
    if (Host()) Host()->OnDocumentClosing(this);
    CDocument::OnCloseDocument();
}
