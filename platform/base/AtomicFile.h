#pragma once
#include <string>

#include "platform/base/FileException.h"

// Writes a file so that the file at the path is either the old one or the complete new one,
// in one sequence: a symbolic link is resolved to the file it points at; anything but a regular
// file is refused, and so is a read-only one; the bytes go to a short-named temporary file
// beside the real target, which takes the target's mode (and owner where permitted) and is
// flushed to the disk; only then the optional backup is made from the old content (a hard link,
// or a copy); then the temporary file is renamed over the target and the folder is flushed.
// Any failure leaves the target exactly as it was and removes the temporary file; a writer that
// is never committed removes its temporary file too.
class CAtomicFile {
public:
    CAtomicFile() = default;
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    bool Open(const std::string& path, CFileException* pError);
    // The old content is kept under this name at Commit when a file exists at the path (empty:
    // no backup). The previous file of that name is replaced. A backup name longer than the
    // system allows is skipped rather than blocking the save.
    void SetBackupPath(const std::string& backup) { m_strBackup = backup; }
    bool Write(const void* buffer, size_t n, CFileException* pError);
    // Flushes, takes over the permissions and owner of the file it replaces, makes the backup
    // and renames over it.
    bool Commit(CFileException* pError);
    void Abandon();
    // Whether the last Commit made the backup.
    bool BackupMade() const { return m_bBackupMade; }
    // The file actually written: the path with its symbolic links resolved.
    const std::string& GetTarget() const { return m_strTarget; }

private:
    bool Fail(int err, CFileException* pError);
    bool Fail(CFileException::Cause cause, int err, CFileException* pError);
    bool MakeBackup(CFileException* pError);

    int m_fd = -1;
    std::string m_strPath;   // the path the user named
    std::string m_strTarget; // the path the user named, symbolic links resolved
    std::string m_strTemp;
    std::string m_strBackup;
    bool m_bExists = false; // a file exists at the target
    bool m_bBackupMade = false;
};
