// The half of the atomic save that is the same on every system.
#include "platform/base/AtomicFile.h"

#include <random>

CAtomicFile::~CAtomicFile() {
    Abandon();
}

bool CAtomicFile::Fail(int err, CFileException* pError) {
    return Fail(CFileException::CauseFromOsError(err), err, pError);
}

bool CAtomicFile::Fail(CFileException::Cause cause, int err, CFileException* pError) {
    return FailOn(m_strPath, cause, err, pError);
}

bool CAtomicFile::FailOn(const std::string& file, CFileException::Cause cause, int err,
                         CFileException* pError) {
    if (pError) *pError = CFileException(cause, err, file);
    Abandon();
    return false;
}

void CAtomicFile::Restart(const std::string& path, bool bFollowLinks) {
    Abandon();
    m_strPath = path;
    m_bFollowLinks = bFollowLinks;
    m_bBackupMade = false;
    m_nLost = 0;
}

std::string CAtomicFile::TemporaryName(const std::string& dir) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const int kLength = 6;
    static std::mt19937 random{std::random_device{}()};
    std::string name = dir + ".quelm-";
    for (int i = 0; i < kLength; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}
