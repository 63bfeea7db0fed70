#include "platform/base/FileException.h"

#include <cerrno>

CFileException::Cause CFileException::CauseFromOsError(int err) {
    switch (err) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case EEXIST:
        return fileExists;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return accessDenied;
    case EISDIR:
    case ENODEV:
    case ENXIO:
        return invalidFile;
    case EWOULDBLOCK:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
        return diskFull;
    case EFBIG:
    case EOVERFLOW:
        return fileTooLarge;
    case EIO:
        return hardIO;
    case ESPIPE:
    case EINVAL:
        return badSeek;
    default:
        return genericException;
    }
}

std::string CFileException::BackupProblem() const {
    switch (m_lOsError) {
    case EACCES:
    case EROFS:
        return "フォルダーに書き込む権限がないため、";
    case EPERM:
        return "同じ名前のほかのユーザーのファイルを置き換えられないため、";
    case EISDIR:
        return "同じ名前のフォルダーがあるため、";
    case ENAMETOOLONG:
        return "名前が長すぎるため、";
    case ENOSPC:
    case EDQUOT:
        return "ディスクがいっぱいのため、";
    default:
        return std::string();
    }
}
