#include "platform/base/File.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

CFile::~CFile() {
    Close();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* pError) {
    Close();
    int oflags = O_CLOEXEC;
    if (flags & modeReadWrite)
        oflags |= O_RDWR;
    else if (flags & modeWrite)
        oflags |= O_WRONLY;
    else
        oflags |= O_RDONLY;
    if (flags & modeCreate) oflags |= O_CREAT;
    auto fail = [&](int err) {
        if (pError) *pError = CFileException(CFileException::CauseFromOsError(err), err, path);
        return false;
    };
    // Non-blocking until fstat has shown a regular file: opening a FIFO would wait for a writer.
    int fd = ::open(path.c_str(), oflags | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0) return fail(errno);
    struct stat st;
    int err = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (err == 0 && !S_ISREG(st.st_mode)) err = ENODEV;
    if (err == 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) err = errno;
    if (err != 0) {
        ::close(fd);
        return fail(err);
    }
    // Lock before truncating, so a refused open leaves the other holder's file intact.
    if (flags & (shareExclusive | shareDenyWrite)) {
        int op = (flags & shareExclusive) || (oflags & (O_WRONLY | O_RDWR)) ? LOCK_EX : LOCK_SH;
        if (::flock(fd, op | LOCK_NB) != 0) {
            int err = errno;
            ::close(fd);
            return fail(err == EWOULDBLOCK ? EWOULDBLOCK : err);
        }
    }
    if ((flags & modeCreate) && ::ftruncate(fd, 0) != 0) {
        int err = errno;
        ::close(fd);
        return fail(err);
    }
    m_fd = fd;
    m_strPath = path;
    return true;
}

void CFile::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void CFile::Throw(int err) const {
    throw CFileException(CFileException::CauseFromOsError(err), err, m_strPath);
}

namespace {
// Reads until n bytes, the end of the file or an error; a signal does not cut a read short.
template <typename ReadFn> ssize_t ReadFully(ReadFn readSome, char* buffer, unsigned n) {
    unsigned done = 0;
    while (done < n) {
        ssize_t got = readSome(buffer + done, n - done, done);
        if (got < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (got == 0) break;
        done += static_cast<unsigned>(got);
    }
    return static_cast<ssize_t>(done);
}
} // namespace

unsigned CFile::Read(void* buffer, unsigned n) {
    ssize_t done = ReadFully([this](char* p, unsigned k, unsigned) { return ::read(m_fd, p, k); },
                             static_cast<char*>(buffer), n);
    if (done < 0) Throw(errno);
    return static_cast<unsigned>(done);
}

unsigned CFile::ReadAt(int64_t pos, void* buffer, unsigned n) {
    ssize_t done = ReadFully(
        [this, pos](char* p, unsigned k, unsigned at) { return ::pread(m_fd, p, k, pos + at); },
        static_cast<char*>(buffer), n);
    if (done < 0) Throw(errno);
    return static_cast<unsigned>(done);
}

void CFile::Write(const void* buffer, unsigned n) {
    unsigned done = 0;
    while (done < n) {
        ssize_t put = ::write(m_fd, static_cast<const char*>(buffer) + done, n - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            Throw(errno);
        }
        done += static_cast<unsigned>(put);
    }
}

int64_t CFile::GetLength() const {
    struct stat st;
    if (::fstat(m_fd, &st) != 0) Throw(errno);
    return st.st_size;
}

void CFile::Flush() {
    if (::fsync(m_fd) != 0) Throw(errno);
}

bool CFile::GetStatus(const std::string& path, CFileStatus& status, CFileException* pError) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        int err = errno;
        if (pError) *pError = CFileException(CFileException::CauseFromOsError(err), err, path);
        return false;
    }
    status.m_size = st.st_size;
    status.m_mtime = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    status.m_ino = st.st_ino;
    status.m_dev = st.st_dev;
    status.m_nLinks = st.st_nlink;
    // No write bit at all is the read-only attribute; the superuser ignores access(W_OK).
    status.m_bReadOnly =
        (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
    return true;
}

bool CFile::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool CFile::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool CFile::CopyToNew(const std::string& from, const std::string& to, CFileException* pError) {
    CFile in;
    if (!in.Open(from, modeRead | shareDenyNone, pError)) return false;
    int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        int err = errno;
        if (pError) *pError = CFileException(CFileException::CauseFromOsError(err), err, to);
        return false;
    }
    CFile out;
    out.m_fd = fd;
    out.m_strPath = to;
    try {
        char buffer[65536];
        while (unsigned n = in.Read(buffer, sizeof buffer))
            out.Write(buffer, n);
        out.Flush();
    } catch (const CFileException& e) {
        if (pError) *pError = e;
        out.Close();
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

std::string CFile::GetFullPath(const std::string& path) {
    if (path.empty()) return path;
    std::string full = path;
    if (full[0] != '/') {
        std::string cwd(PATH_MAX, '\0');
        if (!::getcwd(&cwd[0], cwd.size())) return path;
        full = cwd.c_str() + std::string("/") + path;
    }
    std::vector<std::string> parts;
    std::string::size_type start = 1;
    while (start <= full.size()) {
        std::string::size_type slash = full.find('/', start);
        if (slash == std::string::npos) slash = full.size();
        std::string part = full.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(std::move(part));
        }
        start = slash + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    return result.empty() ? "/" : result;
}

std::string CFile::GetFileName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

bool CFile::IsSameFile(const std::string& a, const std::string& b) {
    if (GetFullPath(a) == GetFullPath(b)) return true;
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}
