#pragma once
#include <string>

#include "platform/FileException.h"

// Writes a file so that the file at the path is either the old one or the complete new one:
// the bytes go to a temporary file beside it, which replaces the path only when all of it is
// on the disk. A writer that is never committed removes its temporary file.
class CAtomicFile {
public:
    CAtomicFile() = default;
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    bool Open(const std::string& path, CFileException* pError);
    bool Write(const void* buffer, size_t n, CFileException* pError);
    // Flushes, takes over the permissions of the file it replaces and renames over it.
    bool Commit(CFileException* pError);
    void Abandon();

private:
    bool Fail(int err, CFileException* pError);

    int m_fd = -1;
    std::string m_strTarget; // the path the user named, symbolic links resolved
    std::string m_strTemp;
};
