// FormatRowText over every row of 1 MiB of mixed text (ASCII, Shift-JIS and UTF-16LE
// Japanese) in each character code. The Unicode view decodes pairs through the code page
// table and may cost up to three times the ASCII view. Formatting must not allocate: the
// global operator new is replaced to count calls made while rows are formatted.
#include <string>

#include "bench/BenchSupport.h"
#include "bench/CountingNew.h"
#include "engine/BinData.h"
#include "platform/base/CodePage932.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr int kSize = 1 << 20;
constexpr int kRows = kSize / 16;

// operator new calls seen inside the row loops, and the rows formatted there.
uint64_t g_newInLoops = 0;
uint64_t g_rowsInLoops = 0;

void Append(std::string& out, const std::u16string& text) {
    if (out.size() % 2)
        out += ' '; // keep UTF-16 units on even positions, as a real UTF-16 file has them
    for (char16_t u : text) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
}

// Paragraphs of each kind in turn, a few lines each, cut at 1 MiB.
std::string MixedText() {
    const std::string ascii[] = {
        "The quick brown fox jumps over the lazy dog; 0123456789 <tag attr=\"v\"/>\r\n",
        "Offset 0x1F40: header checksum OK, 42 records, flags = {read, write}\r\n",
    };
    const std::string sjis[] = {
        CCodePage932::FromUtf8("日本語のテキストです。漢字、ひらがな、カタカナを含みます。\r\n"),
        CCodePage932::FromUtf8("半角ｶﾀｶﾅと全角英数字ＡＢＣ１２３、記号【】※も混在。\r\n"),
    };
    const std::u16string utf16[] = {
        u"ユニコードの日本語文字列です。改行までが一行です。\r\n",
        u"表示確認：ＵＴＦ－１６、English words, ｶﾀｶﾅ and 数字 2024。\r\n",
    };
    std::string out;
    for (int block = 0; out.size() < size_t(kSize); ++block) {
        for (int line = 0; line < 6; ++line) {
            switch (block % 3) {
            case 0:
                out += ascii[line % 2];
                break;
            case 1:
                out += sjis[line % 2];
                break;
            default:
                Append(out, utf16[line % 2]);
                break;
            }
        }
    }
    out.resize(kSize);
    return out;
}

// Formats every row in one code; the calls to operator new made meanwhile are added up.
double FormatAll(CBinData& d, JCode code) {
    uint64_t before = g_newCalls.load(std::memory_order_relaxed);
    double t = bench::Time([&] {
        for (int row = 0; row < kRows; ++row)
            benchmark::DoNotOptimize(d.FormatRowText(row, code));
    });
    g_newInLoops += g_newCalls.load(std::memory_order_relaxed) - before;
    g_rowsInLoops += kRows;
    return t;
}

// ASCII is the baseline of both pairs.
void FormatPair(benchmark::State& state, JCode code) {
    CBinData d;
    std::string text = MixedText();
    d.InsertAt(0, reinterpret_cast<const uint8_t*>(text.data()), kSize);
    d.FormatRowText(0, code); // first use builds the code page table
    bench::RunPair(
        state, [&] { return FormatAll(d, JCode::kAscii); }, [&] { return FormatAll(d, code); });
}
} // namespace

int main(int argc, char** argv) {
    CHeadlessBackend backend;
    bench::RegisterPair("format_unicode_vs_ascii", [](auto& s) { FormatPair(s, JCode::kUnicode); });
    bench::RegisterPair("format_shift_jis_vs_ascii",
                        [](auto& s) { FormatPair(s, JCode::kShiftJis); });

    bench::RecordingReporter reporter;
    bench::RunAll(&argc, argv, reporter);

    bench::PairResult unicode = reporter.Pair("format_unicode_vs_ascii");
    bench::PairResult sjis = reporter.Pair("format_shift_jis_vs_ascii");
    bench::PrintHeading("FormatRowText over all 65,536 rows of 1 MiB mixed text");
    std::printf("%-46s %8.1f ns per row\n", "Shift-JIS", sjis.subjectNs / kRows);
    std::printf("%-46s %8.1f ns per row\n", "Unicode", unicode.subjectNs / kRows);
    std::printf("%-46s %8.1f ns per row\n", "ASCII (paired with Unicode)",
                unicode.baselineNs / kRows);
    std::printf("%-46s %8.1f ns per row\n", "ASCII (paired with Shift-JIS)",
                sjis.baselineNs / kRows);
    std::printf("info: Shift-JIS / ASCII: %.3fx\n", sjis.ratio);
    // The whole run allocates (the benchmark library does), which shows the count is live.
    std::printf("operator new calls: %llu while formatting %llu rows, %llu in the whole run\n",
                static_cast<unsigned long long>(g_newInLoops),
                static_cast<unsigned long long>(g_rowsInLoops),
                static_cast<unsigned long long>(g_newCalls.load()));
    bench::PrintVerdict("FormatRowText Unicode/ASCII per row", unicode.ratio, true, 3.0);
    std::printf("RESULT operator new calls while formatting: %llu (target 0) %s\n",
                static_cast<unsigned long long>(g_newInLoops),
                g_newInLoops == 0 && g_rowsInLoops > 0 ? "PASS" : "FAIL");
    return 0;
}
