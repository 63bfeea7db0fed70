#include "platform/base/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
std::string DirOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
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

// Copies from's content, owner (where permitted) and mode to a new file to, flushed to disk.
// 0, or the errno of the failure; a partial copy is removed.
int CopyWithOwnerAndMode(const std::string& from, const std::string& to) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) return errno;
    struct stat st;
    ::fstat(in, &st);
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777);
    if (out < 0) {
        int err = errno;
        ::close(in);
        return err;
    }
    TakeOwner(out, st.st_uid, st.st_gid);
    (void)::fchmod(out, st.st_mode & 07777);
    int err = CopyContent(in, out);
    if (err == 0 && ::fsync(out) != 0) err = errno;
    if (::close(out) != 0 && err == 0) err = errno;
    ::close(in);
    if (err != 0) ::unlink(to.c_str());
    return err;
}
} // namespace

CAtomicFile::~CAtomicFile() {
    Abandon();
}

bool CAtomicFile::Fail(int err, CFileException* pError) {
    return Fail(CFileException::CauseFromErrno(err), err, pError);
}

bool CAtomicFile::Fail(CFileException::Cause cause, int err, CFileException* pError) {
    if (pError) *pError = CFileException(cause, err, m_strPath);
    Abandon();
    return false;
}

bool CAtomicFile::Open(const std::string& path, CFileException* pError) {
    Abandon();
    m_strPath = path;
    m_bBackupMade = false;
    // Saving through a symbolic link must replace the file it points at, not the link.
    m_strTarget = Resolve(path);
    struct stat st;
    m_bExists = ::stat(m_strTarget.c_str(), &st) == 0;
    if (m_bExists) {
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
    } else if (errno != ENOENT) {
        return Fail(errno, pError);
    }
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

bool CAtomicFile::Write(const void* buffer, size_t n, CFileException* pError) {
    if (m_fd < 0) return Fail(EBADF, pError);
    if (!WriteAll(m_fd, static_cast<const char*>(buffer), n)) return Fail(errno, pError);
    return true;
}

bool CAtomicFile::MakeBackup(CFileException* pError) {
    const std::string& bak = m_strBackup;
    auto failBackup = [&](int err) {
        if (pError) *pError = CFileException(CFileException::CauseFromErrno(err), err, bak);
        Abandon();
        return false;
    };
    struct stat old;
    if (::stat(bak.c_str(), &old) == 0 && S_ISDIR(old.st_mode)) {
        if (pError) *pError = CFileException(CFileException::invalidFile, EISDIR, bak);
        Abandon();
        return false;
    }
    if (::unlink(bak.c_str()) != 0 && errno != ENOENT) {
        // A name longer than the system allows cannot hold a backup: save without one.
        if (errno == ENAMETOOLONG) return true;
        return failBackup(errno);
    }
    if (::link(m_strTarget.c_str(), bak.c_str()) == 0) {
        m_bBackupMade = true;
        return true;
    }
    if (errno == ENAMETOOLONG) return true;
    if (errno != EXDEV && errno != EPERM && errno != EMLINK && errno != ENOTSUP &&
        errno != EOPNOTSUPP)
        return failBackup(errno);
    // No hard link possible (another file system, or none supported): copy the old content.
    if (int err = CopyWithOwnerAndMode(m_strTarget, bak); err != 0) return failBackup(err);
    m_bBackupMade = true;
    return true;
}

bool CAtomicFile::Commit(CFileException* pError) {
    if (m_fd < 0) return Fail(EBADF, pError);
    mode_t mode = 0666;
    uid_t uid = ::geteuid();
    gid_t gid = ::getegid();
    bool exists = false;
    int old = ::open(m_strTarget.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (old >= 0) {
        // Another instance viewing the file holds it exclusively: do not pull it from under it.
        bool locked = ::flock(old, LOCK_EX | LOCK_NB) != 0;
        struct stat st;
        bool ok = ::fstat(old, &st) == 0;
        ::close(old);
        if (locked) return Fail(EWOULDBLOCK, pError);
        if (ok) {
            if (!S_ISREG(st.st_mode)) return Fail(CFileException::invalidFile, EINVAL, pError);
            mode = st.st_mode & 07777;
            uid = st.st_uid;
            gid = st.st_gid;
            exists = true;
        }
    } else if (errno != ENOENT) {
        return Fail(errno, pError);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    // The owner first: a change of owner clears the set-user and set-group bits.
    if (exists) TakeOwner(m_fd, uid, gid);
    if (::fchmod(m_fd, mode) != 0 || ::fsync(m_fd) != 0) return Fail(errno, pError);
    if (::close(m_fd) != 0) {
        m_fd = -1;
        return Fail(errno, pError);
    }
    m_fd = -1;
    if (exists && !m_strBackup.empty() && !MakeBackup(pError)) return false;
    if (::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) return Fail(errno, pError);
    m_strTemp.clear();
    // The rename is on the disk only when the folder is.
    std::string dir = DirOf(m_strTarget);
    int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        (void)::fsync(dfd);
        ::close(dfd);
    }
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
