#pragma once
// Helpers shared by the tests: data built from byte lists and files in a temporary folder.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/BinData.h"
#include "tests/TempDir.h"

using Bytes = std::vector<uint8_t>;

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
