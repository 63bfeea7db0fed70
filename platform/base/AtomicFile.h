#pragma once
#include <cstddef>
#include <string>

#include "platform/base/FileException.h"
#include "platform/base/NativeFile.h"

// Writes a file so that the file at the path is either the old one or the complete new one,
// in one sequence: a symbolic link is resolved to the file it points at (or, for a file whose
// name the user did not choose, replaced and never written through); anything but a regular
// file is refused, and so is a read-only one or one the folder does not let us replace; the
// bytes go to a short-named temporary file beside the real target, which takes the target's
// mode, owner (where permitted), ACL and extended attributes and is flushed to the disk; only
// then the optional backup is made from the old content (a hard link, or a copy) under a
// temporary name; then the temporary file is renamed over the target, the backup takes its
// name and the folder is flushed. Any failure leaves the target and an older backup exactly as
// they were and removes every temporary file; a writer that is never committed removes its
// temporary file too. On Windows the replacement is ReplaceFileW, which keeps the old file's
// attributes, ACL and streams, and a file with the read-only attribute is refused.
class CAtomicFile {
public:
    CAtomicFile() = default;
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // bFollowLinks false: a symbolic link at the path is itself replaced by the new file.
    bool Open(const std::string& path, CFileException* pError, bool bFollowLinks = true);
    // The old content is kept under this name at Commit when a file exists at the path (empty:
    // no backup). The previous file of that name is replaced once the save has succeeded.
    void SetBackupPath(const std::string& backup) { m_strBackup = backup; }
    // A file with more than one name (hard links) is rewritten in place at Commit, after the
    // new content and the backup (then a copy) are on the disk, so that every name sees it.
    void SetKeepHardLinks(bool bKeep) { m_bKeepLinks = bKeep; }
    bool Write(const void* buffer, size_t n, CFileException* pError);
    // Flushes, takes over the permissions, owner, ACL and attributes of the file it replaces,
    // makes the backup and renames over it.
    bool Commit(CFileException* pError);
    void Abandon();
    // Whether the last Commit made the backup.
    bool BackupMade() const { return m_bBackupMade; }
    // What the last Commit could not carry over from the old file (CFileMetadata::Lost).
    unsigned LostMetadata() const { return m_nLost; }
    // The file actually written: the path with its symbolic links resolved.

    // Whether a file of this name can exist: its last part is no longer than its folder allows.
    static bool NameFits(const std::string& path);
    // A fresh name in dir for a file of our own, short so that it fits wherever the target does.
    static std::string TemporaryName(const std::string& dir);

private:
    struct OldFile;

    // Drops a save in progress and starts a new one for path.
    void Restart(const std::string& path, bool bFollowLinks);
    bool Fail(int err, CFileException* pError);
    bool Fail(CFileException::Cause cause, int err, CFileException* pError);
    bool FailOn(const std::string& file, CFileException::Cause cause, int err,
                CFileException* pError);
    bool CheckTarget(CFileException* pError);
    bool CheckBackupName(CFileException* pError);
    bool ReadOldFile(OldFile& old, CFileException* pError);
    bool MakeBackupCopy(bool bLinkAllowed, std::string& made, CFileException* pError);
    bool ReplaceTarget(const std::string& backup, CFileException* pError);
#ifdef _WIN32
    bool ReplaceOld(const OldFile& old, const std::string& backup, CFileException* pError);
#endif
    bool RewriteInPlace(const OldFile& old, const std::string& made, CFileException* pError);

    using Native = NativeFile::Handle;
    static inline const Native kNoFile = NativeFile::kNone;
    Native m_fd = kNoFile;
    std::string m_strPath;   // the path the user named
    std::string m_strTarget; // the file replaced: the path, symbolic links resolved when followed
    std::string m_strTemp;
    std::string m_strBackup;
    bool m_bFollowLinks = true;
    bool m_bKeepLinks = false;
    bool m_bExists = false; // a file exists at the target
    bool m_bBackupMade = false;
    unsigned m_nLost = 0;
};
