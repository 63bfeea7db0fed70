#pragma once

#include <cstddef>
#include <string>

// Windows code page 932 (Shift-JIS with the NEC and IBM extensions and the
// user-defined area) to and from UTF-16. Lenient: nothing here throws or fails;
// bad input turns into a 0 unit, U+FFFD or '?' depending on the direction.
class CCodePage932 {
public:
    CCodePage932() = delete;

    static bool IsLeadByte(unsigned char b);

    // Writes one or two bytes to out and returns the count. Units with no
    // code (including lone surrogates) come out as a single '?'.
    static int FromUnicode(char16_t u, unsigned char out[2]);

    // Decodes the character at p (n bytes available) and returns the bytes
    // consumed. An undecodable byte or pair consumes one byte and sets unit to
    // 0; since byte 0x00 also decodes to 0, check *p to tell them apart.
    // Returns 0 only when n is 0.
    static int Decode(const unsigned char* p, size_t n, char16_t& unit);

    // For text crossing to the window system; undecodable bytes become U+FFFD.
    static std::string ToUtf8(const char* p, size_t n);

    // Code points above U+FFFF and malformed UTF-8 become '?'.
    static std::string FromUtf8(const std::string& utf8);

    // The code point at utf8[i], advancing i past it; a malformed sequence gives U+FFFD.
    static char32_t ReadCodePoint(const std::string& utf8, size_t& i);
};
