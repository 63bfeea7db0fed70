// Random texts through the pattern conversion, a fixed number of rounds: nothing may crash, the
// sizes stay within their bounds, and any bytes written as \xHH come back unchanged.
#include <cstdio>
#include <cstdlib>
#include <random>

#include "commands/PatternText.h"

namespace {
constexpr int kDefaultRounds = 20000;
constexpr size_t kMaxText = 300;

int Fail(const char* what, int round) {
    std::fprintf(stderr, "round %d: %s\n", round, what);
    return 1;
}

std::string Escaped(const std::vector<uint8_t>& bytes) {
    std::string text;
    char buf[5];
    for (uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "\\x%02X", b);
        text += buf;
    }
    return text;
}
} // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::atoi(argv[1]) : kDefaultRounds;
    std::mt19937 random(12345);
    // Backslashes, x and hex digits often, so escapes get cut at every point.
    const std::string alphabet = "\\\\\\x0aF9gq\x83\x5C\x81\xB1 ";
    for (int round = 0; round < rounds; ++round) {
        size_t length = random() % kMaxText;
        std::string text;
        bool pickAny = random() % 2 == 0;
        for (size_t i = 0; i < length; ++i)
            text +=
                pickAny ? static_cast<char>(random() & 0xFF) : alphabet[random() % alphabet.size()];
        for (bool unicode : {false, true}) {
            std::vector<uint8_t> bytes;
            if (!CPatternText::Convert(text, unicode, bytes)) return Fail("refused", round);
            if (bytes.size() > 2 * text.size()) return Fail("too long", round);
            if (!unicode && bytes.size() > text.size()) return Fail("grew", round);
            if (text.find('\\') == std::string::npos && unicode && bytes.size() % 2 != 0)
                return Fail("odd unit count", round);
            std::vector<uint8_t> again;
            CPatternText::Convert(Escaped(bytes), unicode, again);
            if (again != bytes) return Fail("escaped bytes changed", round);
        }
    }
    std::printf("%d rounds\n", rounds);
    return 0;
}
