#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Turns a typed search, replacement or insert text (Shift-JIS bytes) into the bytes it stands
// for. A backslash escapes one byte: \xHH, \0 \a \b \f \n \r \t \v, or the next character
// itself. Plain characters are copied, or with the Unicode option become one UTF-16LE unit each.
struct JCodeTraits;

class CPatternText {
public:
    CPatternText() = delete;

    // Pattern lengths are 16-bit; a longer text or result is refused, never cut.
    static constexpr size_t kMaxLength = 0xFFFF;

    // False when the text or its bytes would be longer than kMaxLength; bytes is then empty.
    static bool Convert(const std::string& text, bool bUnicode, std::vector<uint8_t>& bytes);
    // The same from a text as typed in a dialog (UTF-8). A character that Shift-JIS lacks never
    // becomes '?': without bUnicode it is refused (false, and refused is the character), with
    // it the character gives its own UTF-16 units. An escape cannot reach into such a
    // character. False with refused empty: too long.
    static bool ConvertTyped(const std::string& utf8, bool bUnicode, std::vector<uint8_t>& bytes,
                             std::string& refused);
    // The stop message naming a refused character (UTF-8).
    static std::string RefusalText(const std::string& refused);

private:
    // The dialogs' Unicode option takes the text as UTF-16LE, else as Shift-JIS.
    static const JCodeTraits& CodeOf(bool bUnicode);
    // Reads the escape starting at text[i] (a backslash); returns the characters it used.
    static size_t ReadEscape(const std::string& text, size_t i, uint8_t& value);
    static int HexValue(char c);
};
