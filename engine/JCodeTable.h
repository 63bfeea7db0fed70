#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "platform/base/Types.h"

// The character code of a view's character area. The values are also the stored setting's
// ("nJCode") and the places of the options page's radio buttons.
enum class JCode : int32_t { kShiftJis = 0, kUnicode = 1, kAscii = 2 };
constexpr int kJCodeCount = 3;

// What one character code brings to the program.
struct JCodeTraits {
    JCode m_code;
    const char* m_pszStatus; // the status bar's indicator
    UINT m_nMenuID;          // the command that shows the character area in this code
    UINT m_nRadioID;         // the options radio that makes it the code of new views
    // The 16 character columns of a row from its count (0 to 16) bytes; columns past them are
    // spaces.
    void (*m_pfnFormatChars)(const uint8_t* bytes, int count, char* out);
    // A Shift-JIS character (n = 1 or 2 bytes) from the input method or a search, replacement
    // or insert text, as the bytes it stands for in this code; returns their count (1 or 2).
    int (*m_pfnEncodeChar)(const uint8_t* sjis, int n, uint8_t out[2]);
    // A character of such a text that Shift-JIS lacks, appended to out; false when this code
    // cannot hold it either.
    bool (*m_pfnEncodeOther)(char32_t cp, std::vector<uint8_t>& out);
};

// One row per code, at its value. A new code is a value and kJCodeCount above, a row and its
// functions in the table, and its menu item, prompt and radio button in the resources.
class CJCodeTable {
public:
    CJCodeTable() = delete;

    static const std::array<JCodeTraits, kJCodeCount>& All();
    // A value the table lacks reads as 7-bit ASCII, which shows the fewest bytes as they are.
    static const JCodeTraits& Of(JCode code);
    // The code a stored setting names, with the same reading of a value the table lacks.
    static JCode FromSetting(int value);
};
