#include "platform/base/File.h"

#include <vector>
#include <windows.h>

#include "platform/base/win32/WinFileLock.h"
#include "platform/base/win32/WinPath.h"

namespace {
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kChunk = 1u << 20; // ReadFile and WriteFile take at most this at once
constexpr int64_t kNanosecondsPerTick = 100;
// From 1601, where file times count, to 1970, so that nanoseconds fit 64 bits.
constexpr uint64_t kTicksTo1970 = 116444736000000000ull;

CFileException Error(DWORD err, const std::string& path) {
    return CFileException(CFileException::CauseFromOsError(int(err)), int(err), path);
}

DWORD Access(unsigned flags) {
    if (flags & CFile::modeReadWrite) return GENERIC_READ | GENERIC_WRITE;
    if (flags & CFile::modeWrite) return GENERIC_WRITE;
    return GENERIC_READ;
}

// The share mode keeps other programs from writing, renaming or deleting a file held.
DWORD ShareMode(unsigned flags) {
    return flags & (CFile::shareExclusive | CFile::shareDenyWrite) ? FILE_SHARE_READ : kShareAll;
}

bool IsFolder(const std::wstring& wide) {
    DWORD attrs = GetFileAttributesW(wide.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}

// Opens only to read what the file system knows about the file, whoever holds it.
HANDLE OpenForQuery(const std::wstring& wide) {
    return CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}
} // namespace

CFile::~CFile() {
    Close();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* pError) {
    Close();
    auto fail = [&](CFileException error) {
        if (pError) *pError = std::move(error);
        return false;
    };
    if (CWinPath::IsReservedName(path))
        return fail(CFileException(CFileException::reservedName, ERROR_INVALID_NAME, path));
    std::wstring wide = CWinPath::ForApi(path);
    if (path.empty() || IsFolder(wide))
        return fail(CFileException(CFileException::invalidFile, ERROR_DIRECTORY, path));
    // Created without truncation: a refused lock must leave the holder's file intact.
    HANDLE h = CreateFileW(wide.c_str(), Access(flags), ShareMode(flags), nullptr,
                           (flags & modeCreate) ? OPEN_ALWAYS : OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return fail(Error(GetLastError(), path));
    DWORD err = GetFileType(h) == FILE_TYPE_DISK ? 0 : ERROR_BAD_DEVICE;
    if (err != 0) {
        CloseHandle(h);
        return fail(CFileException(CFileException::invalidFile, int(err), path));
    }
    if (flags & (shareExclusive | shareDenyWrite)) {
        bool exclusive = (flags & shareExclusive) || (flags & (modeWrite | modeReadWrite));
        if (!CWinFileLock::Take(h, exclusive)) err = ERROR_SHARING_VIOLATION;
    }
    if (err == 0 && (flags & modeCreate) && !SetEndOfFile(h)) err = GetLastError();
    if (err != 0) {
        CloseHandle(h);
        return fail(Error(err, path));
    }
    m_fd = h;
    m_strPath = path;
    return true;
}

void CFile::Close() {
    if (m_fd != kNoFile) {
        CloseHandle(m_fd);
        m_fd = kNoFile;
    }
}

void CFile::Throw(int err) const {
    throw Error(DWORD(err), m_strPath);
}

unsigned CFile::Read(void* buffer, unsigned n) {
    unsigned done = 0;
    while (done < n) {
        DWORD got = 0;
        DWORD want = std::min<DWORD>(n - done, kChunk);
        if (!ReadFile(m_fd, static_cast<char*>(buffer) + done, want, &got, nullptr))
            Throw(int(GetLastError()));
        if (got == 0) break;
        done += got;
    }
    return done;
}

unsigned CFile::ReadAt(int64_t pos, void* buffer, unsigned n) {
    // A read at an offset moves the file pointer of a synchronous handle: put it back.
    LARGE_INTEGER zero{}, here{};
    if (!SetFilePointerEx(m_fd, zero, &here, FILE_CURRENT)) Throw(int(GetLastError()));
    unsigned done = 0;
    while (done < n) {
        OVERLAPPED at{};
        ULARGE_INTEGER offset;
        offset.QuadPart = uint64_t(pos) + done;
        at.Offset = offset.LowPart;
        at.OffsetHigh = offset.HighPart;
        DWORD got = 0;
        DWORD want = std::min<DWORD>(n - done, kChunk);
        if (!ReadFile(m_fd, static_cast<char*>(buffer) + done, want, &got, &at)) {
            DWORD err = GetLastError();
            if (err == ERROR_HANDLE_EOF) break;
            Throw(int(err));
        }
        if (got == 0) break;
        done += got;
    }
    SetFilePointerEx(m_fd, here, nullptr, FILE_BEGIN);
    return done;
}

void CFile::Write(const void* buffer, unsigned n) {
    unsigned done = 0;
    while (done < n) {
        DWORD put = 0;
        DWORD want = std::min<DWORD>(n - done, kChunk);
        if (!WriteFile(m_fd, static_cast<const char*>(buffer) + done, want, &put, nullptr))
            Throw(int(GetLastError()));
        done += put;
    }
}

int64_t CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_fd, &size)) Throw(int(GetLastError()));
    return size.QuadPart;
}

void CFile::Flush() {
    if (!FlushFileBuffers(m_fd)) Throw(int(GetLastError()));
}

bool CFile::GetStatus(const std::string& path, CFileStatus& status, CFileException* pError) {
    HANDLE h = path.empty() ? INVALID_HANDLE_VALUE : OpenForQuery(CWinPath::ForApi(path));
    BY_HANDLE_FILE_INFORMATION info;
    DWORD err = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (path.empty()) err = ERROR_PATH_NOT_FOUND;
    if (err == 0 && !GetFileInformationByHandle(h, &info)) err = GetLastError();
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    if (err != 0) {
        if (pError) *pError = Error(err, path);
        return false;
    }
    status.m_size = int64_t(uint64_t(info.nFileSizeHigh) << 32 | info.nFileSizeLow);
    ULARGE_INTEGER written;
    written.LowPart = info.ftLastWriteTime.dwLowDateTime;
    written.HighPart = info.ftLastWriteTime.dwHighDateTime;
    status.m_mtime = (int64_t(written.QuadPart) - int64_t(kTicksTo1970)) * kNanosecondsPerTick;
    // The file index and the volume tell the file apart, as an inode and a device would.
    status.m_ino = uint64_t(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
    status.m_dev = info.dwVolumeSerialNumber;
    status.m_nLinks = info.nNumberOfLinks;
    status.m_bReadOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    return true;
}

bool CFile::Rename(const std::string& from, const std::string& to) {
    return MoveFileExW(CWinPath::ForApi(from).c_str(), CWinPath::ForApi(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool CFile::Remove(const std::string& path) {
    return DeleteFileW(CWinPath::ForApi(path).c_str()) != 0;
}

bool CFile::CopyToNew(const std::string& from, const std::string& to, CFileException* pError) {
    CFile in;
    if (!in.Open(from, modeRead | shareDenyNone, pError)) return false;
    if (CWinPath::IsReservedName(to)) {
        if (pError) *pError = CFileException(CFileException::reservedName, ERROR_INVALID_NAME, to);
        return false;
    }
    // CREATE_NEW never opens what is there, a link included.
    HANDLE h = CreateFileW(CWinPath::ForApi(to).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (pError) *pError = Error(GetLastError(), to);
        return false;
    }
    CFile out;
    out.m_fd = h;
    out.m_strPath = to;
    try {
        std::vector<char> buffer(kChunk);
        while (unsigned n = in.Read(buffer.data(), unsigned(buffer.size())))
            out.Write(buffer.data(), n);
        out.Flush();
    } catch (const CFileException& e) {
        if (pError) *pError = e;
        out.Close();
        Remove(to);
        return false;
    }
    return true;
}

std::string CFile::GetFullPath(const std::string& path) {
    return CWinPath::Full(path);
}

std::string CFile::GetFileName(const std::string& path) {
    return path.substr(path.find_last_of("/\\:") + 1);
}

bool CFile::IsSameFile(const std::string& a, const std::string& b) {
    if (GetFullPath(a) == GetFullPath(b)) return true;
    CFileStatus sa, sb;
    return GetStatus(a, sa) && GetStatus(b, sb) && sa.m_dev == sb.m_dev && sa.m_ino == sb.m_ino;
}
