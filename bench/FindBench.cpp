// Forward Find over 16 MiB whose only match is at the very end, against glibc memmem on the
// same bytes. Case-sensitive search should keep at least half of memmem's throughput and
// case-insensitive search at least a quarter.
#include <cstring>

#include "bench/BenchSupport.h"
#include "engine/BinData.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr int kSize = 16 << 20;
const char kPatternText[] = "Zenith08";
constexpr int kLength = 8;
const uint8_t* Pattern() {
    return reinterpret_cast<const uint8_t*>(kPatternText);
}

// Random filler without either case of the pattern's first byte, so no match can form in
// it under either search; the one match ends the data.
void Fill(uint8_t* p) {
    bench::FillRandom(p, kSize, 0xF1D, {'Z', 'z'});
    std::memcpy(p + kSize - kLength, kPatternText, kLength);
}

// Both sides scan their own copy of the same bytes.
void FindPair(benchmark::State& state, bool caseSensitive) {
    std::vector<uint8_t> buf(kSize);
    Fill(buf.data());
    CBinData d;
    d.SetSize(kSize);
    Fill(d.GetData());
    auto baseline = [&] {
        const void* hit = nullptr;
        double t = bench::Time([&] { hit = memmem(buf.data(), buf.size(), Pattern(), kLength); });
        benchmark::DoNotOptimize(hit);
        return hit == buf.data() + kSize - kLength ? t : -1;
    };
    auto subject = [&] {
        // Find leaves the caret behind the match and selects it.
        d.m_nCaret = 0;
        d.m_bSelection = false;
        int found = 0;
        double t = bench::Time(
            [&] { found = d.Find(true, kLength, Pattern(), true, caseSensitive, false); });
        return found == kSize - kLength ? t : -1;
    };
    bench::RunPair(state, baseline, subject);
}
} // namespace

int main(int argc, char** argv) {
    CHeadlessBackend backend;
    bench::RegisterPair("find_case_sensitive_vs_memmem", [](auto& s) { FindPair(s, true); });
    bench::RegisterPair("find_case_insensitive_vs_memmem", [](auto& s) { FindPair(s, false); });

    bench::RecordingReporter reporter;
    bench::RunAll(&argc, argv, reporter);

    bench::PairResult cs = reporter.Pair("find_case_sensitive_vs_memmem");
    bench::PairResult ci = reporter.Pair("find_case_insensitive_vs_memmem");
    char extra[48];
    auto show = [&](const char* label, double ns) {
        std::snprintf(extra, sizeof extra, "  (%.2f GB/s)", kSize / ns); // bytes per ns
        bench::PrintTime(label, ns, extra);
    };
    bench::PrintHeading("Find: 8-byte pattern, only match at the end of 16 MiB");
    show("glibc memmem (paired with case-sensitive)", cs.baselineNs);
    show("Find, case-sensitive", cs.subjectNs);
    show("glibc memmem (paired with case-insensitive)", ci.baselineNs);
    show("Find, case-insensitive", ci.subjectNs);
    // Same bytes scanned on both sides, so throughput ratio = time(memmem) / time(Find).
    bench::PrintVerdict("Find case-sensitive / memmem throughput", 1 / cs.ratio, false, 0.5);
    bench::PrintVerdict("Find case-insensitive / memmem throughput", 1 / ci.ratio, false, 0.25);
    return 0;
}
