#include "platform/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

CAtomicFile::~CAtomicFile() {
    Abandon();
}

bool CAtomicFile::Fail(int err, CFileException* pError) {
    if (pError) *pError = CFileException(CFileException::CauseFromErrno(err), err, m_strTarget);
    Abandon();
    return false;
}

bool CAtomicFile::Open(const std::string& path, CFileException* pError) {
    Abandon();
    m_strTarget = path;
    // Saving through a symbolic link must replace the file it points at, not the link.
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) m_strTarget = resolved;
    struct stat st;
    if (::stat(m_strTarget.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return Fail(EISDIR, pError);
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(m_strTarget.c_str(), W_OK) != 0)
            return Fail(EACCES, pError);
    }
    std::string::size_type slash = m_strTarget.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : m_strTarget.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? m_strTarget : m_strTarget.substr(slash + 1);
    std::string pattern = dir + "." + name + ".XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    int fd = ::mkstemp(buf.data());
    if (fd < 0) return Fail(errno, pError);
    m_fd = fd;
    m_strTemp = buf.data();
    return true;
}

bool CAtomicFile::Write(const void* buffer, size_t n, CFileException* pError) {
    const char* p = static_cast<const char*>(buffer);
    while (n > 0) {
        ssize_t put = ::write(m_fd, p, n);
        if (put < 0) {
            if (errno == EINTR) continue;
            return Fail(errno, pError);
        }
        p += put;
        n -= static_cast<size_t>(put);
    }
    return true;
}

bool CAtomicFile::Commit(CFileException* pError) {
    struct stat st;
    mode_t mode = 0666;
    int old = ::open(m_strTarget.c_str(), O_RDONLY | O_CLOEXEC);
    if (old >= 0) {
        // Another instance viewing the file holds it exclusively: do not pull it from under it.
        bool locked = ::flock(old, LOCK_EX | LOCK_NB) != 0;
        if (::fstat(old, &st) == 0) mode = st.st_mode & 07777;
        ::close(old);
        if (locked) return Fail(EWOULDBLOCK, pError);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(m_fd, mode) != 0 || ::fsync(m_fd) != 0) return Fail(errno, pError);
    if (::close(m_fd) != 0) {
        m_fd = -1;
        return Fail(errno, pError);
    }
    m_fd = -1;
    if (::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) return Fail(errno, pError);
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
