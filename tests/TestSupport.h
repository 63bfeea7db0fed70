#pragma once
// Helpers shared by the tests: data built from byte lists and files in a temporary folder.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "engine/BinData.h"
#include "tests/TempDir.h"

using Bytes = std::vector<uint8_t>;

// What separates the parts of a path: a slash, and on Windows also a backslash.
#ifdef _WIN32
inline constexpr const char* kSeparators = "/\\";
#else
inline constexpr const char* kSeparators = "/";
#endif

// A second name for the file: a symbolic link, or on Windows (where links need privileges) a
// hard link.
inline bool MakeSecondName(const std::string& target, const std::string& name) {
    std::error_code error;
#ifdef _WIN32
    std::filesystem::create_hard_link(std::filesystem::u8path(target),
                                      std::filesystem::u8path(name), error);
#else
    std::filesystem::create_symlink(target, name, error);
#endif
    return !error;
}

inline void Fill(CBinData& data, const Bytes& bytes) {
    data.SetSize(0);
    data.InsertAt(0, bytes.data(), static_cast<int>(bytes.size()));
}

inline Bytes Content(CBinData& data) {
    Bytes out(static_cast<size_t>(data.GetSize()));
    data.CopyOut(0, data.GetSize(), out.data());
    return out;
}

inline Bytes Str(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

// Bytes whose value tells their position, so a wrong window shows as a wrong value.
inline Bytes PositionPattern(size_t n) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i)
        b[i] = static_cast<uint8_t>((i * 7 + i / 251) & 0xFF);
    return b;
}
