#include "platform/base/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/base/FileMetadata.h"

namespace {
constexpr int kNameAttempts = 100;

std::string DirOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* FolderName(const std::string& dir) {
    return dir.empty() ? "." : dir.c_str();
}

// The file a path names with every symbolic link followed, also when the last link dangles
// (saving through it creates the file it points at). A path that names nothing yet is itself.
std::string Resolve(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) return resolved;
    std::string p = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        char link[PATH_MAX];
        ssize_t n = ::readlink(p.c_str(), link, sizeof link - 1);
        if (n <= 0) break;
        link[n] = '\0';
        p = link[0] == '/' ? std::string(link) : DirOf(p) + link;
    }
    return p;
}

// A folder with the sticky bit lets only the owner of an entry, the folder's owner and the
// superuser remove or replace it.
bool StickyForbids(const std::string& path, uid_t owner) {
    uid_t me = ::geteuid();
    if (me == 0 || owner == me) return false;
    struct stat dir;
    if (::stat(FolderName(DirOf(path)), &dir) != 0) return false;
    return (dir.st_mode & S_ISVTX) && dir.st_uid != me;
}

CFileException::Cause ReplaceCause(const std::string& path, int err) {
    struct stat st;
    if ((err == EPERM || err == EACCES) && ::lstat(path.c_str(), &st) == 0 &&
        StickyForbids(path, st.st_uid))
        return CFileException::stickyFolder;
    return CFileException::CauseFromOsError(err);
}

void SyncFolder(const std::string& path) {
    int dfd = ::open(FolderName(DirOf(path)), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        (void)::fsync(dfd);
        ::close(dfd);
    }
}

bool WriteAll(int fd, const char* p, size_t n) {
    while (n > 0) {
        ssize_t put = ::write(fd, p, n);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += put;
        n -= static_cast<size_t>(put);
    }
    return true;
}

// Gives the new file the owner of the old one where the system permits it (the superuser, or a
// group the user belongs to); a refusal leaves the new file the user's own.
void TakeOwner(int fd, uid_t uid, gid_t gid) {
    if (uid == ::geteuid() && gid == ::getegid()) return;
    if (::fchown(fd, uid, gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), gid);
}

// 0, or the errno of the failing read or write.
int CopyContent(int in, int out) {
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return 0;
        if (!WriteAll(out, buffer, static_cast<size_t>(got))) return errno;
    }
}

// A new hard link to from under a fresh name in dir: 0, or the errno of the failure.
int LinkToNew(const std::string& from, const std::string& dir, std::string& made) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        made = CAtomicFile::TemporaryName(dir);
        if (::link(from.c_str(), made.c_str()) == 0) return 0;
        if (errno != EEXIST) break;
    }
    int err = errno;
    made.clear();
    return err;
}

// Copies from's content, owner (where permitted), mode, ACL and attributes to a new file under
// a fresh name in dir, flushed to disk: 0, or the errno of the failure (nothing is left).
int CopyToNew(const std::string& from, const std::string& dir, std::string& made) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) return errno;
    struct stat st;
    int out = -1;
    if (::fstat(in, &st) == 0)
        for (int attempt = 0; attempt < kNameAttempts && out < 0; ++attempt) {
            made = CAtomicFile::TemporaryName(dir);
            out = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (out < 0 && errno != EEXIST) break;
        }
    if (out < 0) {
        int err = errno;
        ::close(in);
        made.clear();
        return err;
    }
    TakeOwner(out, st.st_uid, st.st_gid);
    int err = ::fchmod(out, st.st_mode & 07777) != 0 ? errno : 0;
    if (err == 0) {
        (void)CFileMetadata::Copy(in, out);
        err = CopyContent(in, out);
    }
    if (err == 0 && ::fsync(out) != 0) err = errno;
    if (::close(out) != 0 && err == 0) err = errno;
    ::close(in);
    if (err != 0) {
        ::unlink(made.c_str());
        made.clear();
    }
    return err;
}
} // namespace

struct CAtomicFile::OldFile {
    bool m_bExists = false;
    struct stat m_stat {};
};

bool CAtomicFile::NameFits(const std::string& path) {
    std::string dir = DirOf(path);
    long max = ::pathconf(FolderName(dir), _PC_NAME_MAX);
    if (max <= 0) max = NAME_MAX;
    return path.size() - dir.size() <= static_cast<size_t>(max);
}

bool CAtomicFile::Open(const std::string& path, CFileException* pError, bool bFollowLinks) {
    Restart(path, bFollowLinks);
    // Saving through a symbolic link the user named must replace the file it points at.
    m_strTarget = bFollowLinks ? Resolve(path) : path;
    if (!CheckTarget(pError)) return false;
    // A short name, so that a target name of up to the system's limit still has a temporary.
    std::string pattern = DirOf(m_strTarget) + ".quelm-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    int fd = ::mkstemp(buf.data());
    if (fd < 0) {
        int err = errno;
        if (err == EACCES || err == EPERM) return Fail(CFileException::tempNotCreated, err, pError);
        return Fail(err, pError);
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    m_fd = fd;
    m_strTemp = buf.data();
    return true;
}

bool CAtomicFile::CheckTarget(CFileException* pError) {
    struct stat st;
    int found =
        m_bFollowLinks ? ::stat(m_strTarget.c_str(), &st) : ::lstat(m_strTarget.c_str(), &st);
    m_bExists = found == 0;
    if (!m_bExists) return errno == ENOENT || Fail(errno, pError);
    // Not followed, a link is replaced like any file of that name.
    if (!S_ISLNK(st.st_mode)) {
        // A device, a pipe or a folder is never replaced by a regular file (and a pipe is never
        // opened, so nothing blocks).
        if (!S_ISREG(st.st_mode)) return Fail(CFileException::invalidFile, EINVAL, pError);
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return Fail(CFileException::readOnlyFile, EACCES, pError);
        if (::access(m_strTarget.c_str(), W_OK) != 0) {
            int err = errno;
            if (err == EACCES || err == EPERM)
                return Fail(CFileException::readOnlyFile, err, pError);
            return Fail(err, pError);
        }
    }
    // Said before anything is written: the rename at the end could not succeed.
    if (StickyForbids(m_strTarget, st.st_uid))
        return Fail(CFileException::stickyFolder, EPERM, pError);
    return true;
}

bool CAtomicFile::Write(const void* buffer, size_t n, CFileException* pError) {
    if (m_fd < 0) return Fail(EBADF, pError);
    if (!WriteAll(m_fd, static_cast<const char*>(buffer), n)) return Fail(errno, pError);
    return true;
}

bool CAtomicFile::ReadOldFile(OldFile& old, CFileException* pError) {
    int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (m_bFollowLinks ? 0 : O_NOFOLLOW);
    int fd = ::open(m_strTarget.c_str(), flags);
    if (fd < 0) {
        if (errno != ENOENT && !(errno == ELOOP && !m_bFollowLinks)) return Fail(errno, pError);
        mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(m_fd, 0666 & ~mask) == 0 || Fail(errno, pError);
    }
    // Another instance viewing the file holds it exclusively: do not pull it from under it.
    bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    int err = ::fstat(fd, &old.m_stat) != 0 ? errno : 0;
    if (locked || err != 0 || !S_ISREG(old.m_stat.st_mode)) {
        ::close(fd);
        if (locked) return Fail(EWOULDBLOCK, pError);
        return err != 0 ? Fail(err, pError) : Fail(CFileException::invalidFile, EINVAL, pError);
    }
    old.m_bExists = true;
    // The owner first: a change of owner clears the set-user and set-group bits.
    TakeOwner(m_fd, old.m_stat.st_uid, old.m_stat.st_gid);
    err = ::fchmod(m_fd, old.m_stat.st_mode & 07777) != 0 ? errno : 0;
    if (err == 0) m_nLost = CFileMetadata::Copy(fd, m_fd);
    ::close(fd);
    return err == 0 || Fail(err, pError);
}

bool CAtomicFile::CheckBackupName(CFileException* pError) {
    using C = CFileException;
    if (!NameFits(m_strBackup))
        return FailOn(m_strBackup, C::backupNotCreated, ENAMETOOLONG, pError);
    struct stat st;
    if (::lstat(m_strBackup.c_str(), &st) != 0) return true;
    if (S_ISDIR(st.st_mode)) return FailOn(m_strBackup, C::backupNotCreated, EISDIR, pError);
    if (StickyForbids(m_strBackup, st.st_uid))
        return FailOn(m_strBackup, C::backupNotCreated, EPERM, pError);
    return true;
}

bool CAtomicFile::MakeBackupCopy(bool bLinkAllowed, std::string& made, CFileException* pError) {
    std::string dir = DirOf(m_strBackup);
    int err = bLinkAllowed ? LinkToNew(m_strTarget, dir, made) : EXDEV;
    if (err == 0) return true;
    // No hard link possible (another file system, or none supported): copy the old content.
    if (err == EXDEV || err == EPERM || err == EMLINK || err == ENOTSUP || err == EOPNOTSUPP)
        err = CopyToNew(m_strTarget, dir, made);
    return err == 0 || FailOn(m_strBackup, CFileException::backupNotCreated, err, pError);
}

bool CAtomicFile::Commit(CFileException* pError) {
    if (m_fd < 0) return Fail(EBADF, pError);
    OldFile old;
    if (!ReadOldFile(old, pError)) return false;
    if (::fsync(m_fd) != 0) return Fail(errno, pError);
    int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0) return Fail(errno, pError);
    bool backup = old.m_bExists && !m_strBackup.empty();
    if (backup && !CheckBackupName(pError)) return false;
    bool inPlace = old.m_bExists && m_bKeepLinks && old.m_stat.st_nlink > 1;
    std::string made;
    // In place, the backup must be a file of its own: a link would be rewritten with the rest.
    if (backup && !MakeBackupCopy(!inPlace, made, pError)) return false;
    return inPlace ? RewriteInPlace(old, made, pError) : ReplaceTarget(made, pError);
}

bool CAtomicFile::ReplaceTarget(const std::string& made, CFileException* pError) {
    if (::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) {
        int err = errno;
        if (!made.empty()) ::unlink(made.c_str());
        return Fail(ReplaceCause(m_strTarget, err), err, pError);
    }
    m_strTemp.clear();
    if (!made.empty()) {
        if (::rename(made.c_str(), m_strBackup.c_str()) != 0) {
            int err = errno;
            // The old content goes back, so that a failed save has changed nothing.
            (void)::rename(made.c_str(), m_strTarget.c_str());
            return FailOn(m_strBackup, CFileException::backupNotCreated, err, pError);
        }
        m_bBackupMade = true;
    }
    // The renames are on the disk only when the folders are.
    SyncFolder(m_strTarget);
    if (m_bBackupMade && DirOf(m_strBackup) != DirOf(m_strTarget)) SyncFolder(m_strBackup);
    return true;
}

bool CAtomicFile::RewriteInPlace(const OldFile& old, const std::string& made,
                                 CFileException* pError) {
    // Rewritten in place, the file keeps everything it had.
    m_nLost = CFileMetadata::lostNothing;
    if (!made.empty()) {
        if (::rename(made.c_str(), m_strBackup.c_str()) != 0) {
            int err = errno;
            ::unlink(made.c_str());
            return FailOn(m_strBackup, CFileException::backupNotCreated, err, pError);
        }
        m_bBackupMade = true;
        SyncFolder(m_strBackup);
    }
    int out = ::open(m_strTarget.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (out < 0) return Fail(errno, pError);
    int in = ::open(m_strTemp.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat now, fresh;
    int err = in < 0 ? errno : 0;
    if (err == 0 && (::fstat(out, &now) != 0 || ::fstat(in, &fresh) != 0)) err = errno;
    // Replaced by another program since it was read: not the file to rewrite.
    if (err == 0 && (now.st_ino != old.m_stat.st_ino || now.st_dev != old.m_stat.st_dev))
        err = ESTALE;
    // Room for a longer content is taken before a byte changes, so a full disk stops here.
    if (err == 0 && fresh.st_size > now.st_size &&
        ::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, fresh.st_size) != 0 &&
        (errno == ENOSPC || errno == EDQUOT))
        err = errno;
    if (err == 0) err = CopyContent(in, out);
    if (err == 0 && ::ftruncate(out, fresh.st_size) != 0) err = errno;
    if (err == 0 && ::fsync(out) != 0) err = errno;
    if (in >= 0) ::close(in);
    if (::close(out) != 0 && err == 0) err = errno;
    if (err != 0) return Fail(err, pError);
    ::unlink(m_strTemp.c_str());
    m_strTemp.clear();
    return true;
}

void CAtomicFile::Abandon() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_strTemp.empty()) {
        ::unlink(m_strTemp.c_str());
        m_strTemp.clear();
    }
}
