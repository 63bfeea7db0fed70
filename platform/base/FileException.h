#pragma once
#include <string>

// A failed file operation: the cause, the system's error number and the file concerned.
class CFileException {
public:
    enum Cause {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
        fileTooLarge,
        fileChanged,
        readOnlyFile,     // the file to be replaced is read-only
        tempNotCreated,   // the folder takes no new file (the temporary file of a save)
        stickyFolder,     // the folder lets only a file's owner replace it
        backupNotCreated, // the backup of the file to be replaced cannot be made
        sizeUnknown,      // a file whose size is not known in advance outgrew what is read whole
        fileExists,       // a file that must be new already exists
        reservedName,     // a device name of Windows (CON, NUL, AUX.BIN...), never a file
    };

    CFileException() = default;
    CFileException(Cause cause, int osError, std::string fileName)
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    // The cause that matches a system error number: errno, or GetLastError() on Windows.
    static Cause CauseFromOsError(int err);
    // The text shown to the user; empty when the cause is none.
    std::string GetErrorMessage() const;

    Cause m_cause = none;
    int m_lOsError = 0;
    std::string m_strFileName;

private:
    // Why a backup could not be made, from the system's error number; empty when unknown.
    // The error numbers are the system's, so this and CauseFromOsError live in posix/ or win32/.
    std::string BackupProblem() const;
};
