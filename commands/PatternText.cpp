#include "commands/PatternText.h"

#include "platform/base/CodePage932.h"

namespace {
constexpr size_t kHexEscapeLength = 4; // \xHH
constexpr size_t kShortEscapeLength = 2;
constexpr int kDigitsBase = 16;

uint8_t NamedEscape(char c) {
    switch (c) {
    case '0':
        return 0x00;
    case 'a':
        return 0x07;
    case 'b':
        return 0x08;
    case 'f':
        return 0x0C;
    case 'n':
        return 0x0A;
    case 'r':
        return 0x0D;
    case 't':
        return 0x09;
    case 'v':
        return 0x0B;
    default:
        return static_cast<uint8_t>(c);
    }
}
} // namespace

int CPatternText::HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0; // lenient: a stray character counts as 0
}

size_t CPatternText::ReadEscape(const std::string& text, size_t i, uint8_t& value) {
    size_t n = text.size();
    if (i + 1 >= n) {
        value = 0; // a trailing backslash
        return 1;
    }
    char next = text[i + 1];
    if (next != 'x') {
        value = NamedEscape(next);
        return kShortEscapeLength;
    }
    int high = i + 2 < n ? HexValue(text[i + 2]) : 0;
    int low = i + 3 < n ? HexValue(text[i + 3]) : 0;
    value = static_cast<uint8_t>(high * kDigitsBase + low);
    return kHexEscapeLength;
}

bool CPatternText::Convert(const std::string& text, bool bUnicode, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (text.size() > kMaxLength) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        if (p[i] == '\\') {
            uint8_t value = 0;
            i += ReadEscape(text, i, value);
            bytes.push_back(value);
            continue;
        }
        size_t width = CCodePage932::IsLeadByte(p[i]) && i + 1 < n ? 2 : 1;
        if (bUnicode) {
            char16_t unit = 0;
            CCodePage932::Decode(p + i, width, unit);
            bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<uint8_t>(unit >> 8));
        } else {
            bytes.insert(bytes.end(), p + i, p + i + width);
        }
        i += width;
    }
    if (bytes.size() <= kMaxLength) return true;
    bytes.clear();
    return false;
}
