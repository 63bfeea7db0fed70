// The half of the atomic save that is the same on every system.
#include "platform/base/AtomicFile.h"

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
