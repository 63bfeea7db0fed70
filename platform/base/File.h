#pragma once
#include <cstdint>
#include <string>

#include "platform/base/FileException.h"
#include "platform/base/NativeFile.h"

struct CFileStatus {
    int64_t m_size = 0;
    bool m_bReadOnly = false; // the file carries the read-only attribute
    int64_t m_mtime = 0;      // time of the last change of the content, in nanoseconds
    uint64_t m_ino = 0;       // the file's identity: inode and device
    uint64_t m_dev = 0;
    uint64_t m_nLinks = 1; // names the file has (hard links)
};

// A file on disk. Sharing modes are advisory locks: an exclusive open fails while another open
// file (in this process or another instance) holds the lock, and other programs are not blocked.
// Only regular files open; the open never waits (a FIFO without a writer, a device).
// Reading, writing, GetLength and Flush throw CFileException on failure.
class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        typeBinary = 0x8000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    bool Open(const std::string& path, unsigned flags, CFileException* pError = nullptr);
    void Close();
    bool IsOpen() const { return m_fd != kNoFile; }
    const std::string& GetFilePath() const { return m_strPath; }

    // Reads up to n bytes at the current position; returns how many were read (0 at the end).
    unsigned Read(void* buffer, unsigned n);
    // Reads up to n bytes at pos without moving the current position.
    unsigned ReadAt(int64_t pos, void* buffer, unsigned n);
    void Write(const void* buffer, unsigned n);
    int64_t GetLength() const;
    // Pushes written data to the disk.
    void Flush();

    // pError, when given, receives the cause of a failure (fileNotFound for a missing file).
    static bool GetStatus(const std::string& path, CFileStatus& status,
                          CFileException* pError = nullptr);
    // The full path name: relative to the current folder made absolute, "." and ".." and
    // repeated slashes taken out by the text alone (the file need not exist).
    static std::string GetFullPath(const std::string& path);
    // The last part of a path name (after the last separator: on Windows also '\' and ':').
    static std::string GetFileName(const std::string& path);
    // Whether two paths name one file: the same full path, or the same file on disk.
    static bool IsSameFile(const std::string& a, const std::string& b);
    static bool Rename(const std::string& from, const std::string& to);
    static bool Remove(const std::string& path);
    // Copies into a new file only the user may read and write; an existing name, a symbolic
    // link included, is refused (fileExists), so nothing is ever written through it.
    static bool CopyToNew(const std::string& from, const std::string& to,
                          CFileException* pError = nullptr);

private:
    [[noreturn]] void Throw(int err) const;

    using Native = NativeFile::Handle;
    static inline const Native kNoFile = NativeFile::kNone;
    Native m_fd = kNoFile;
    std::string m_strPath;
};
