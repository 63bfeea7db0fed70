#include "platform/base/AtomicFile.h"

#include <vector>
#include <windows.h>

#include "platform/base/FileMetadata.h"
#include "platform/base/win32/WinFileLock.h"
#include "platform/base/win32/WinPath.h"

namespace {
constexpr int kNameAttempts = 100;
constexpr size_t kMaxNameLength = 255; // UTF-16 units in one part of a path
constexpr DWORD kCopyChunk = 1u << 16;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
constexpr DWORD kMaxFinalPath = 32768; // UTF-16 units of the longest path the system makes

std::wstring Api(const std::string& path) {
    return CWinPath::ForApi(path);
}

DWORD Attributes(const std::string& path) {
    return GetFileAttributesW(Api(path).c_str());
}

// The path of the file a name leads to, every link followed; empty where the system cannot
// tell (the file does not exist, say) or the name is a device's.
std::wstring FinalPath(const std::wstring& apiPath) {
    HANDLE h = CreateFileW(apiPath.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::wstring();
    std::wstring path(kMaxFinalPath, L'\0');
    DWORD n = GetFileType(h) != FILE_TYPE_DISK
                  ? 0
                  : GetFinalPathNameByHandleW(h, path.data(), kMaxFinalPath, FILE_NAME_NORMALIZED);
    CloseHandle(h);
    path.resize(n < kMaxFinalPath ? n : 0);
    return path;
}

// Whether the last part of path is a link to another file. Links made by other systems (wine
// shows a Linux link as the file it points at) show in the file the name leads to not being
// the entry of that name in its folder.
bool IsLinkName(const std::string& path) {
    DWORD attrs = Attributes(path);
    if (attrs == INVALID_FILE_ATTRIBUTES) return false;
    if (attrs & FILE_ATTRIBUTE_REPARSE_POINT) return true;
    std::string dir = CWinPath::FolderOf(path);
    std::wstring file = FinalPath(Api(path)), folder = FinalPath(Api(dir.empty() ? "." : dir));
    if (file.empty() || folder.empty()) return false;
    if (folder.back() != L'\\') folder += L'\\';
    folder += CWinPath::ToWide(path.substr(dir.size()));
    return CompareStringOrdinal(file.c_str(), -1, folder.c_str(), -1, TRUE) != CSTR_EQUAL;
}

// A new file under a fresh name in dir: the handle, or INVALID_HANDLE_VALUE with the error.
HANDLE CreateFresh(const std::string& dir, std::string& made) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        made = CAtomicFile::TemporaryName(dir);
        HANDLE h = CreateFileW(Api(made).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return h;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    DWORD err = GetLastError();
    made.clear();
    SetLastError(err);
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE h, const char* p, size_t n) {
    while (n > 0) {
        DWORD put = 0;
        DWORD want = n > kCopyChunk ? kCopyChunk : DWORD(n);
        if (!WriteFile(h, p, want, &put, nullptr)) return false;
        p += put;
        n -= put;
    }
    return true;
}

// 0, or the error of the failing read or write.
DWORD CopyContent(HANDLE in, HANDLE out) {
    std::vector<char> buffer(kCopyChunk);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer.data(), kCopyChunk, &got, nullptr)) return GetLastError();
        if (got == 0) return 0;
        if (!WriteAll(out, buffer.data(), got)) return GetLastError();
    }
}

// The old content under a fresh name in dir: a second name of the file when bLink, else a copy
// (which keeps the attributes and the ACL). 0, or the error of the failure.
DWORD BackupToNew(const std::string& from, const std::string& dir, bool bLink, std::string& made) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        made = CAtomicFile::TemporaryName(dir);
        BOOL ok = bLink ? CreateHardLinkW(Api(made).c_str(), Api(from).c_str(), nullptr)
                        : CopyFileW(Api(from).c_str(), Api(made).c_str(), TRUE);
        if (ok) return 0;
        DWORD err = GetLastError();
        if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) {
            made.clear();
            return err;
        }
    }
    made.clear();
    return ERROR_FILE_EXISTS;
}
} // namespace

struct CAtomicFile::OldFile {
    bool m_bExists = false;
    BY_HANDLE_FILE_INFORMATION m_info{};
};

bool CAtomicFile::NameFits(const std::string& path) {
    std::string dir = CWinPath::FolderOf(path);
    return CWinPath::ToWide(path.substr(dir.size())).size() <= kMaxNameLength;
}

bool CAtomicFile::Open(const std::string& path, CFileException* pError, bool bFollowLinks) {
    Restart(path, bFollowLinks);
    // Saving through a link the user named must replace the file it points at.
    std::wstring final = bFollowLinks ? FinalPath(Api(path)) : std::wstring();
    m_strTarget = final.empty() ? path : CWinPath::ToUtf8(final);
    if (!CheckTarget(pError)) return false;
    HANDLE h = CreateFresh(CWinPath::FolderOf(m_strTarget), m_strTemp);
    if (h == INVALID_HANDLE_VALUE) {
        DWORD err = GetLastError();
        if (err == ERROR_ACCESS_DENIED)
            return Fail(CFileException::tempNotCreated, int(err), pError);
        return Fail(int(err), pError);
    }
    m_fd = h;
    return true;
}

bool CAtomicFile::CheckTarget(CFileException* pError) {
    // Saved to, a device name would swallow the bytes and report success.
    if (CWinPath::IsReservedName(m_strTarget))
        return Fail(CFileException::reservedName, ERROR_INVALID_NAME, pError);
    DWORD attrs = Attributes(m_strTarget);
    m_bExists = attrs != INVALID_FILE_ATTRIBUTES;
    if (!m_bExists) {
        DWORD err = GetLastError();
        return err == ERROR_FILE_NOT_FOUND || Fail(int(err), pError);
    }
    if (attrs & FILE_ATTRIBUTE_DIRECTORY)
        return Fail(CFileException::invalidFile, ERROR_DIRECTORY, pError);
    if (attrs & FILE_ATTRIBUTE_READONLY)
        return Fail(CFileException::readOnlyFile, ERROR_ACCESS_DENIED, pError);
    return true;
}

bool CAtomicFile::Write(const void* buffer, size_t n, CFileException* pError) {
    if (m_fd == kNoFile) return Fail(ERROR_INVALID_HANDLE, pError);
    if (!WriteAll(m_fd, static_cast<const char*>(buffer), n))
        return Fail(int(GetLastError()), pError);
    return true;
}

bool CAtomicFile::ReadOldFile(OldFile& old, CFileException* pError) {
    // Asking for the right to delete finds, before anything is written, a program that holds
    // the file without letting it be replaced.
    HANDLE h = CreateFileW(Api(m_strTarget).c_str(), GENERIC_READ | DELETE, kShareAll, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        DWORD err = GetLastError();
        return err == ERROR_FILE_NOT_FOUND || Fail(int(err), pError);
    }
    // Another instance viewing the file holds it: do not pull it from under it.
    bool held = CWinFileLock::HeldElsewhere(h);
    DWORD err = GetFileInformationByHandle(h, &old.m_info) ? 0 : GetLastError();
    if (err == 0 && GetFileType(h) != FILE_TYPE_DISK) err = ERROR_BAD_DEVICE;
    CloseHandle(h);
    if (held) return Fail(CFileException::sharingViolation, ERROR_SHARING_VIOLATION, pError);
    if (err == ERROR_BAD_DEVICE) return Fail(CFileException::invalidFile, int(err), pError);
    if (err != 0) return Fail(int(err), pError);
    old.m_bExists = true;
    return true;
}

bool CAtomicFile::CheckBackupName(CFileException* pError) {
    using C = CFileException;
    if (!NameFits(m_strBackup))
        return FailOn(m_strBackup, C::backupNotCreated, ERROR_FILENAME_EXCED_RANGE, pError);
    if (CWinPath::IsReservedName(m_strBackup))
        return FailOn(m_strBackup, C::backupNotCreated, ERROR_INVALID_NAME, pError);
    DWORD attrs = Attributes(m_strBackup);
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY))
        return FailOn(m_strBackup, C::backupNotCreated, ERROR_DIRECTORY, pError);
    return true;
}

bool CAtomicFile::MakeBackupCopy(bool bLinkAllowed, std::string& made, CFileException* pError) {
    std::string dir = CWinPath::FolderOf(m_strBackup);
    DWORD err = bLinkAllowed ? BackupToNew(m_strTarget, dir, true, made) : ERROR_NOT_SUPPORTED;
    // No second name possible (another volume, or a file system without them): a copy.
    if (err != 0) err = BackupToNew(m_strTarget, dir, false, made);
    return err == 0 || FailOn(m_strBackup, CFileException::backupNotCreated, int(err), pError);
}

bool CAtomicFile::Commit(CFileException* pError) {
    if (m_fd == kNoFile) return Fail(ERROR_INVALID_HANDLE, pError);
    OldFile old;
    // A link where the caller named no link (a planted one): the name is replaced, the file it
    // points at neither read nor written.
    bool plantedLink = !m_bFollowLinks && IsLinkName(m_strTarget);
    if (!plantedLink && !ReadOldFile(old, pError)) return false;
    if (!FlushFileBuffers(m_fd)) return Fail(int(GetLastError()), pError);
    CloseHandle(m_fd);
    m_fd = kNoFile;
    bool backup = old.m_bExists && !m_strBackup.empty();
    if (backup && !CheckBackupName(pError)) return false;
    bool inPlace = old.m_bExists && m_bKeepLinks && old.m_info.nNumberOfLinks > 1;
    std::string made;
    // In place, the backup must be a file of its own: a link would be rewritten with the rest.
    if (backup && !MakeBackupCopy(!inPlace, made, pError)) return false;
    if (inPlace) return RewriteInPlace(old, made, pError);
    if (old.m_bExists && !ReplaceOld(old, made, pError)) return false;
    return ReplaceTarget(made, pError);
}

bool CAtomicFile::ReplaceOld(const OldFile& old, const std::string& made, CFileException* pError) {
    // ReplaceFileW keeps the old file's identity, attributes, ACL and streams; the attributes
    // are given first as well, for file systems (and wine) that do not merge them.
    SetFileAttributesW(Api(m_strTemp).c_str(), old.m_info.dwFileAttributes);
    if (ReplaceFileW(Api(m_strTarget).c_str(), Api(m_strTemp).c_str(), nullptr,
                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        m_strTemp.clear();
        return true;
    }
    DWORD err = GetLastError();
    if (err == ERROR_UNABLE_TO_REMOVE_REPLACED || err == ERROR_SHARING_VIOLATION ||
        err == ERROR_ACCESS_DENIED) {
        if (!made.empty()) DeleteFileW(Api(made).c_str());
        return Fail(int(err), pError);
    }
    // A file system without it: the new file takes the name, and what only the old file
    // carried is not kept.
    m_nLost = CFileMetadata::lostAcl | CFileMetadata::lostAttributes;
    return true;
}

bool CAtomicFile::ReplaceTarget(const std::string& made, CFileException* pError) {
    if (!m_strTemp.empty()) {
        if (!MoveFileExW(Api(m_strTemp).c_str(), Api(m_strTarget).c_str(), kMoveFlags)) {
            DWORD err = GetLastError();
            if (!made.empty()) DeleteFileW(Api(made).c_str());
            return Fail(int(err), pError);
        }
        m_strTemp.clear();
    }
    if (!made.empty()) {
        if (!MoveFileExW(Api(made).c_str(), Api(m_strBackup).c_str(), kMoveFlags)) {
            DWORD err = GetLastError();
            // The old content goes back, so that a failed save has changed nothing.
            (void)MoveFileExW(Api(made).c_str(), Api(m_strTarget).c_str(), kMoveFlags);
            return FailOn(m_strBackup, CFileException::backupNotCreated, int(err), pError);
        }
        m_bBackupMade = true;
    }
    return true;
}

bool CAtomicFile::RewriteInPlace(const OldFile& old, const std::string& made,
                                 CFileException* pError) {
    m_nLost = CFileMetadata::lostNothing;
    if (!made.empty()) {
        if (!MoveFileExW(Api(made).c_str(), Api(m_strBackup).c_str(), kMoveFlags)) {
            DWORD err = GetLastError();
            DeleteFileW(Api(made).c_str());
            return FailOn(m_strBackup, CFileException::backupNotCreated, int(err), pError);
        }
        m_bBackupMade = true;
    }
    HANDLE out = CreateFileW(Api(m_strTarget).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return Fail(int(GetLastError()), pError);
    HANDLE in = CreateFileW(Api(m_strTemp).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    DWORD err = in == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    BY_HANDLE_FILE_INFORMATION now{};
    if (err == 0 && !GetFileInformationByHandle(out, &now)) err = GetLastError();
    // Replaced by another program since it was read: not the file to rewrite.
    if (err == 0 && (now.nFileIndexLow != old.m_info.nFileIndexLow ||
                     now.nFileIndexHigh != old.m_info.nFileIndexHigh ||
                     now.dwVolumeSerialNumber != old.m_info.dwVolumeSerialNumber))
        err = ERROR_FILE_INVALID;
    if (err == 0) err = CopyContent(in, out);
    if (err == 0 && !SetEndOfFile(out)) err = GetLastError();
    if (err == 0 && !FlushFileBuffers(out)) err = GetLastError();
    if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
    CloseHandle(out);
    if (err != 0) return Fail(int(err), pError);
    DeleteFileW(Api(m_strTemp).c_str());
    m_strTemp.clear();
    return true;
}

void CAtomicFile::Abandon() {
    if (m_fd != kNoFile) {
        CloseHandle(m_fd);
        m_fd = kNoFile;
    }
    if (!m_strTemp.empty()) {
        DeleteFileW(Api(m_strTemp).c_str());
        m_strTemp.clear();
    }
}
