#include "platform/base/CodePage932.h"

#include <cstdint>

namespace {

constexpr int kLeadCount = 60;
constexpr int kTrailFirst = 0x40;
constexpr int kTrailLast = 0xFC;
constexpr int kTrailCount = kTrailLast - kTrailFirst + 1;

const uint16_t kDoubleByte[kLeadCount][kTrailCount] = {
#include "Cp932Table.inc"
};

int LeadIndex(unsigned char lead) {
    return lead < 0xA0 ? lead - 0x81 : lead - 0xE0 + 31;
}

unsigned char LeadFromIndex(int index) {
    return static_cast<unsigned char>(index < 31 ? 0x81 + index : 0xE0 + index - 31);
}

// Single bytes outside ASCII and half-width katakana that Windows maps anyway.
struct SingleExtra {
    unsigned char byte;
    char16_t unit;
};
constexpr SingleExtra kSingleExtras[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
};

char16_t DecodeSingle(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xA1 && b <= 0xDF) return static_cast<char16_t>(0xFF61 + (b - 0xA1));
    for (const SingleExtra& e : kSingleExtras)
        if (e.byte == b) return e.unit;
    return 0;
}

// Windows prefers the IBM extension rows (0xFA-0xFC) over their NEC-selected
// copies (0xED-0xEE); otherwise the lowest code wins.
uint32_t EncodeRank(uint16_t code) {
    unsigned lead = code >> 8;
    return (lead == 0xED || lead == 0xEE) ? code + 0x10000u : code;
}

// Indexed by UTF-16 unit: 0 means unmappable, below 0x100 a single byte,
// otherwise lead << 8 | trail. ASCII is handled before the lookup, so the
// 0 sentinel never hides U+0000.
struct EncodeTable {
    uint16_t code[0x10000];

    EncodeTable() : code() {
        for (int li = 0; li < kLeadCount; ++li) {
            for (int ti = 0; ti < kTrailCount; ++ti) {
                uint16_t unit = kDoubleByte[li][ti];
                if (unit == 0) continue;
                auto candidate = static_cast<uint16_t>(LeadFromIndex(li) << 8 | (kTrailFirst + ti));
                uint16_t& slot = code[unit];
                if (slot == 0 || EncodeRank(candidate) < EncodeRank(slot)) slot = candidate;
            }
        }
        for (int b = 0xA1; b <= 0xDF; ++b)
            code[0xFF61 + (b - 0xA1)] = static_cast<uint16_t>(b);
        for (const SingleExtra& e : kSingleExtras)
            code[e.unit] = e.byte;
    }
};

const EncodeTable& Encoder() {
    static const EncodeTable table;
    return table;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr char32_t kBadUtf8 = 0xFFFFFFFF;

// Reads one code point at s[i] and advances i. Overlong forms, encoded
// surrogates and truncated sequences give kBadUtf8, skipping only the bytes
// that could have belonged to the sequence, so one bad byte costs one '?'.

char32_t NextCodePoint(const std::string& s, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i++);
    if (b < 0x80) return b;

    int extra;
    char32_t cp;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range for the first continuation
    if (b >= 0xC2 && b <= 0xDF) {
        extra = 1;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        extra = 2;
        cp = b & 0x0F;
        if (b == 0xE0)
            lo = 0xA0;
        else if (b == 0xED)
            hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        extra = 3;
        cp = b & 0x07;
        if (b == 0xF0)
            lo = 0x90;
        else if (b == 0xF4)
            hi = 0x8F;
    } else {
        return kBadUtf8;
    }

    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return kBadUtf8;
        unsigned char c = byte(i);
        if (c < lo || c > hi) return kBadUtf8;
        lo = 0x80;
        hi = 0xBF;
        cp = cp << 6 | (c & 0x3F);
        ++i;
    }
    return cp;
}

} // namespace

bool CCodePage932::IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

int CCodePage932::FromUnicode(char16_t u, unsigned char out[2]) {
    if (u < 0x80) {
        out[0] = static_cast<unsigned char>(u);
        return 1;
    }
    uint16_t code = Encoder().code[u];
    if (code == 0) {
        out[0] = '?';
        return 1;
    }
    if (code < 0x100) {
        out[0] = static_cast<unsigned char>(code);
        return 1;
    }
    out[0] = static_cast<unsigned char>(code >> 8);
    out[1] = static_cast<unsigned char>(code & 0xFF);
    return 2;
}

int CCodePage932::Decode(const unsigned char* p, size_t n, char16_t& unit) {
    unit = 0;
    if (n == 0) return 0;
    unsigned char lead = p[0];
    if (!IsLeadByte(lead)) {
        unit = DecodeSingle(lead);
        return 1;
    }
    if (n < 2) return 1;
    unsigned char trail = p[1];
    if (trail < kTrailFirst || trail > kTrailLast) return 1;
    // 0x7F is stored as 0 in the table, so it falls out here too.
    unit = kDoubleByte[LeadIndex(lead)][trail - kTrailFirst];
    return unit != 0 ? 2 : 1;
}

std::string CCodePage932::ToUtf8(const char* p, size_t n) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(p);
    std::string out;
    out.reserve(n);
    size_t i = 0;
    while (i < n) {
        char16_t unit;
        int used = Decode(bytes + i, n - i, unit);
        if (unit == 0 && bytes[i] != 0)
            AppendUtf8(out, 0xFFFD);
        else
            AppendUtf8(out, unit);
        i += static_cast<size_t>(used);
    }
    return out;
}

std::string CCodePage932::FromUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = NextCodePoint(utf8, i);
        unsigned char bytes[2];
        int len = 1;
        if (cp > 0xFFFF)
            bytes[0] = '?';
        else
            len = FromUnicode(static_cast<char16_t>(cp), bytes);
        out.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(len));
    }
    return out;
}

char32_t CCodePage932::ReadCodePoint(const std::string& utf8, size_t& i) {
    char32_t cp = NextCodePoint(utf8, i);
    return cp == kBadUtf8 ? 0xFFFD : cp;
}
