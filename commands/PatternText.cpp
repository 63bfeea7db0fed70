#include "commands/PatternText.h"

#include <cstdio>

#include "engine/JCodeTable.h"
#include "platform/base/CodePage932.h"
#include "platform/base/ResourceSet.h"
#include "res/Resource.h"

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

const JCodeTraits& CPatternText::CodeOf(bool bUnicode) {
    return CJCodeTable::Of(bUnicode ? JCode::kUnicode : JCode::kShiftJis);
}

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
    const JCodeTraits& code = CodeOf(bUnicode);
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
        int width = CCodePage932::IsLeadByte(p[i]) && i + 1 < n ? 2 : 1;
        uint8_t stored[2] = {};
        int count = code.m_pfnEncodeChar(p + i, width, stored);
        bytes.insert(bytes.end(), stored, stored + count);
        i += static_cast<size_t>(width);
    }
    if (bytes.size() <= kMaxLength) return true;
    bytes.clear();
    return false;
}

namespace {
// The character's Shift-JIS bytes, or false when it has none.
bool EncodeShiftJis(char32_t cp, std::string& out) {
    if (cp > 0xFFFF) return false;
    unsigned char code[2];
    int n = CCodePage932::FromUnicode(static_cast<char16_t>(cp), code);
    if (n == 1 && code[0] == '?' && cp != '?') return false;
    out.append(reinterpret_cast<const char*>(code), static_cast<size_t>(n));
    return true;
}
} // namespace

bool CPatternText::ConvertTyped(const std::string& utf8, bool bUnicode, std::vector<uint8_t>& bytes,
                                std::string& refused) {
    const JCodeTraits& code = CodeOf(bUnicode);
    bytes.clear();
    refused.clear();
    std::string run; // Shift-JIS text up to the next character it cannot hold
    size_t textLength = 0;
    std::vector<uint8_t> part, other;
    auto flush = [&] {
        bool ok = Convert(run, bUnicode, part);
        bytes.insert(bytes.end(), part.begin(), part.end());
        run.clear();
        return ok;
    };
    for (size_t i = 0; i < utf8.size();) {
        size_t start = i;
        char32_t cp = CCodePage932::ReadCodePoint(utf8, i);
        size_t before = run.size();
        if (EncodeShiftJis(cp, run)) {
            textLength += run.size() - before;
            continue;
        }
        other.clear();
        if (!code.m_pfnEncodeOther(cp, other)) {
            bytes.clear();
            refused = utf8.substr(start, i - start);
            return false;
        }
        if (!flush()) break;
        bytes.insert(bytes.end(), other.begin(), other.end());
        textLength += other.size();
    }
    if (textLength <= kMaxLength && flush() && bytes.size() <= kMaxLength) return true;
    bytes.clear();
    return false;
}

std::string CPatternText::RefusalText(const std::string& refused) {
    size_t i = 0;
    char32_t cp = CCodePage932::ReadCodePoint(refused, i);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    std::string text = CResourceSet::Current().LoadString(IDS_CHAR_NOT_IN_CP932);
    auto put = [&text](const char* field, const std::string& value) {
        if (size_t at = text.find(field); at != std::string::npos) text.replace(at, 2, value);
    };
    put("%2", code);
    // A malformed sequence is named by the replacement character, never passed on.
    put("%1", cp == 0xFFFD ? "\xEF\xBF\xBD" : refused);
    return text;
}
