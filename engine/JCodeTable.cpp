#include "engine/JCodeTable.h"

#include "engine/RowLayout.h"
#include "platform/base/CodePage932.h"
#include "res/Resource.h"

namespace {
constexpr int kColumns = CRowLayout::kBytesPerRow;

struct SubstitutionTables {
    char sjis[256];  // Shift-JIS: control bytes, 0x7F, 0xA0 and 0xFF shown as '.'
    char ascii[256]; // 7-bit: everything from 0x80 as well
    SubstitutionTables() {
        for (int b = 0; b < 256; ++b) {
            bool dot = b < 0x20 || b == 0x7F || b == 0xA0 || b == 0xFF;
            sjis[b] = dot ? '.' : static_cast<char>(b);
            ascii[b] = dot || b >= 0x80 ? '.' : static_cast<char>(b);
        }
    }
};
const SubstitutionTables kSub;

bool IsDoubleByte(const uint8_t* p) {
    if (!CCodePage932::IsLeadByte(p[0])) return false;
    char16_t unit = 0;
    return CCodePage932::Decode(p, 2, unit) == 2 && unit != 0;
}

void FormatShiftJisChars(const uint8_t* bytes, int count, char* out) {
    for (int j = 0; j < kColumns; ++j) {
        // 0xA0 is a trail byte as well (0x82 0xA0 is a hiragana); a pair keeps both bytes.
        if (j + 1 < count && IsDoubleByte(bytes + j)) {
            *out++ = static_cast<char>(bytes[j]);
            *out++ = static_cast<char>(bytes[j + 1]);
            ++j;
            continue;
        }
        *out++ = j < count ? kSub.sjis[bytes[j]] : ' ';
    }
}

void FormatAsciiChars(const uint8_t* bytes, int count, char* out) {
    for (int j = 0; j < kColumns; ++j)
        out[j] = j < count ? kSub.ascii[bytes[j]] : ' ';
}

// Each UTF-16LE unit takes two columns, as its Shift-JIS form where it has one.
void FormatUnicodeChars(const uint8_t* bytes, int count, char* out) {
    for (int pos = 0; pos < kColumns; pos += 2, out += 2) {
        if (pos >= count) {
            out[0] = out[1] = ' ';
            continue;
        }
        // An odd last byte stands alone: its missing high byte counts as 0.
        uint8_t b0 = bytes[pos], b1 = pos + 1 < count ? bytes[pos + 1] : 0;
        unsigned char c[2] = {0, 0};
        int n = CCodePage932::FromUnicode(static_cast<char16_t>(b0 | b1 << 8), c);
        if (c[0] == '?') {
            out[0] = '?';
            out[1] = ' ';
        } else if (b1 == 0xFF && (b0 == 0 || (b0 >= 0x5F && b0 <= 0xDF) || b0 >= 0xE6)) {
            out[0] = static_cast<char>(c[0]);
            out[1] = ' ';
        } else if (n == 2) {
            // Also for units below 0x100 whose Shift-JIS form has two bytes (U+00A7, U+00D7).
            out[0] = static_cast<char>(c[0]);
            out[1] = static_cast<char>(c[1]);
        } else if (b1 == 0) {
            out[0] = kSub.sjis[c[0]];
            out[1] = ' ';
        } else {
            out[0] = kSub.sjis[b0];
            out[1] = kSub.sjis[b1];
        }
    }
}

int CopyShiftJis(const uint8_t* sjis, int n, uint8_t out[2]) {
    out[0] = sjis[0];
    if (n > 1) out[1] = sjis[1];
    return n > 1 ? 2 : 1;
}

// Even a one-byte character becomes a whole unit, low byte first.
int ShiftJisToUnit(const uint8_t* sjis, int n, uint8_t out[2]) {
    char16_t unit = 0;
    CCodePage932::Decode(sjis, static_cast<size_t>(n), unit);
    out[0] = static_cast<uint8_t>(unit & 0xFF);
    out[1] = static_cast<uint8_t>(unit >> 8);
    return 2;
}

bool NoOtherCharacters(char32_t, std::vector<uint8_t>&) {
    return false;
}

void AppendUnit(std::vector<uint8_t>& out, char32_t unit) {
    out.push_back(static_cast<uint8_t>(unit & 0xFF));
    out.push_back(static_cast<uint8_t>(unit >> 8 & 0xFF));
}

bool AppendUtf16(char32_t cp, std::vector<uint8_t>& out) {
    constexpr char32_t kPlaneBase = 0x10000;
    if (cp < kPlaneBase) {
        AppendUnit(out, cp);
        return true;
    }
    cp -= kPlaneBase;
    AppendUnit(out, 0xD800 + (cp >> 10));
    AppendUnit(out, 0xDC00 + (cp & 0x3FF));
    return true;
}

constexpr std::array<JCodeTraits, kJCodeCount> kTable = {{
    {JCode::kShiftJis, "SJIS", ID_JCODE_SJIS, IDC_JCODE_SJIS, FormatShiftJisChars, CopyShiftJis,
     NoOtherCharacters},
    {JCode::kUnicode, "Uni", ID_JCODE_UNICODE, IDC_JCODE_UNICODE, FormatUnicodeChars,
     ShiftJisToUnit, AppendUtf16},
    {JCode::kAscii, "ASCII", ID_JCODE_ASCII, IDC_JCODE_ASCII, FormatAsciiChars, CopyShiftJis,
     NoOtherCharacters},
}};

constexpr bool InValueOrder() {
    for (int i = 0; i < kJCodeCount; ++i)
        if (kTable[i].m_code != static_cast<JCode>(i)) return false;
    return true;
}
static_assert(InValueOrder(), "every code has its row, at its value");
} // namespace

const std::array<JCodeTraits, kJCodeCount>& CJCodeTable::All() {
    return kTable;
}

const JCodeTraits& CJCodeTable::Of(JCode code) {
    return kTable[static_cast<size_t>(FromSetting(static_cast<int>(code)))];
}

JCode CJCodeTable::FromSetting(int value) {
    return value >= 0 && value < kJCodeCount ? static_cast<JCode>(value) : JCode::kAscii;
}
