#pragma once
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "engine/BinData.h"
#include "platform/framework/Document.h"

class CAtomicFile;
class CDocumentHost;
class CFileException;
class CView;

// A document: one file's data, its editing mode, saving with a one-time backup, and the
// working copy that stands for a shortcut file.
class CKolvaDoc : public CDocument {
public:
    CKolvaDoc();
    ~CKolvaDoc() override;

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    // The file-name button shows the file name; the caption and the printed header name the
    // full path.
    void SetPathName(const std::string& path, bool bAddToMRU = true) override;
    void OnCloseDocument() override;
    // The framework's prompt; a shortcut working copy whose changes the user declines is no
    // longer modified, so closing does not carry them back over the shortcut file.
    bool SaveModified() override;

    // The one way the bytes change. change(data) edits through the data's primitives (a change
    // that returns false changed nothing, and the step ends there); then the document is
    // modified exactly when its history stands away from the saved state, and every view hears
    // of the change with lHint (a view's UpdateHint).
    template <typename Change> void Edit(Change&& change, long lHint) {
        if (!m_pData) return;
        if constexpr (std::is_void_v<std::invoke_result_t<Change, CBinData&>>)
            std::forward<Change>(change)(*m_pData);
        else if (!std::forward<Change>(change)(*m_pData))
            return;
        EditDone(lHint);
    }

    int32_t m_nEditMode;
    bool m_bNewDocument = false;
    bool m_bSaved = false;
    bool m_bBackupDone = false;
    std::string m_strBarLabel;
    CView* m_pFirstView = nullptr;
    int32_t m_nBarIndex = -1;
    std::unique_ptr<CBinData> m_pData;
    bool m_bShortcutCopy = false;
    std::string m_strShortcutPath;
    std::string m_strWorkingCopy;

private:
    void EditDone(long lHint);
    void OnFileSaveAs();
    // The file as this document last read or wrote it: size, time and identity.
    void TakeDiskStamp(const std::string& path);
    // False when the file at path was changed by another program since then and the user
    // declines to overwrite it.
    bool ConfirmOverwriteOfChangedFile(const std::string& path);
    // Sets up the save of an existing file: asks whether to go on where no backup can be made
    // under its name, and how to treat other names (hard links) of the file. False: cancelled.
    bool PlanSave(const std::string& path, bool backup, CAtomicFile& file);
    // The failure, with what the user can do instead where the save cannot work as things stand.
    void ReportSaveFailure(const std::string& path, const CFileException& error);
    // Saved, but without some of what the old file carried (CFileMetadata::Lost).
    void ReportKeptLess(const std::string& path, unsigned lost);
    void PutBackShortcut();
    CView* FirstView() const;

    // The file's other names follow its content (the user agreed, or a backup holds the old one).
    bool m_bKeepHardLinks = false;

    struct DiskStamp {
        bool m_bValid = false;
        std::string m_strPath;
        int64_t m_size = 0;
        int64_t m_mtime = 0;
        uint64_t m_ino = 0;
        uint64_t m_dev = 0;
    } m_diskStamp;
};
