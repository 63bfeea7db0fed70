#include "platform/base/FileException.h"

#include <windows.h>

CFileException::Cause CFileException::CauseFromOsError(int err) {
    switch (DWORD(err)) {
    case ERROR_SUCCESS:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return fileExists;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_PRIVILEGE_NOT_HELD:
        return accessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_FILE_TOO_LARGE:
        return fileTooLarge;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK:
        return badSeek;
    default:
        return genericException;
    }
}

std::string CFileException::BackupProblem() const {
    switch (DWORD(m_lOsError)) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return "フォルダーに書き込む権限がないため、";
    case ERROR_SHARING_VIOLATION:
        return "同じ名前のファイルがほかで使用中のため、";
    case ERROR_DIRECTORY:
        return "同じ名前のフォルダーがあるため、";
    case ERROR_FILENAME_EXCED_RANGE:
        return "名前が長すぎるため、";
    case ERROR_INVALID_NAME:
        return "装置の名前のため、";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "ディスクがいっぱいのため、";
    default:
        return std::string();
    }
}
