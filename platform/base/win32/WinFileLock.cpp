#include "platform/base/win32/WinFileLock.h"

#include <windows.h>

namespace {
// The highest offsets a lock may name; no file grows that far.
constexpr DWORD kLockOffsetLow = 0xFFFFFFFE;
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
constexpr DWORD kLockLength = 1;

OVERLAPPED LockPlace() {
    OVERLAPPED at{};
    at.Offset = kLockOffsetLow;
    at.OffsetHigh = kLockOffsetHigh;
    return at;
}
} // namespace

bool CWinFileLock::Take(void* handle, bool bExclusive) {
    OVERLAPPED at = LockPlace();
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (bExclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return LockFileEx(handle, flags, 0, kLockLength, 0, &at) != 0;
}

bool CWinFileLock::HeldElsewhere(void* handle) {
    if (!Take(handle, true)) return true;
    OVERLAPPED at = LockPlace();
    UnlockFileEx(handle, 0, kLockLength, 0, &at);
    return false;
}
