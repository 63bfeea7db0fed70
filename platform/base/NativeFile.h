#pragma once

// What the system calls an open file, and the value that is none.
namespace NativeFile {
#ifdef _WIN32
using Handle = void*;                                     // a HANDLE
inline const Handle kNone = reinterpret_cast<Handle>(-1); // INVALID_HANDLE_VALUE
#else
using Handle = int; // a file descriptor
inline constexpr Handle kNone = -1;
#endif
} // namespace NativeFile
