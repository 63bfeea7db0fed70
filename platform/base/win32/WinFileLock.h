#pragma once

// The lock that marks a file held by an instance of the program: one byte far beyond any end
// of file, locked with LockFileEx, so that it never blocks reading or writing the content and
// is released by the system when the handle closes (or the program ends).
class CWinFileLock {
public:
    // Takes the lock on an open handle (a HANDLE) without waiting: shared or exclusive.
    static bool Take(void* handle, bool bExclusive);
    // Whether another handle holds the lock on the open file: an exclusive take fails.
    static bool HeldElsewhere(void* handle);
};
