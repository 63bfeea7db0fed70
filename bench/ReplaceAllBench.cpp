// ReplaceAll of 100,000 two-byte matches by three bytes in 16 MiB, against building the same
// output in one pass without undo: a byte loop from one vector into another. The undo group
// and the gap moves may cost a few times that, not more. Two rebuilds that search with
// memmem and memchr are timed as well, to show how much of the cost is the search itself.
//
// The baselines write into an output vector allocated once before timing: a fresh 16 MiB
// block per iteration would mostly measure page faults. The document likewise keeps the room
// and log capacity of an untimed warm-up run; each timed run starts with the original data,
// empty logs and the gap at the end.
#include <cstring>

#include "bench/BenchSupport.h"
#include "engine/BinData.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr int kSize = 16 << 20;
constexpr int kMatches = 100000;
constexpr size_t kOutSize = size_t(kSize) + kMatches;
const uint8_t kPattern[2] = {0xAB, 0xCD};
const uint8_t kNew[3] = {'<', '=', '>'};

// Random bytes without the pattern's first byte, and the matches spaced evenly.
const std::vector<uint8_t>& Source() {
    static const std::vector<uint8_t> source = [] {
        std::vector<uint8_t> v(kSize);
        bench::FillRandom(v.data(), v.size(), 0xA11, {kPattern[0]});
        for (int k = 0; k < kMatches; ++k) {
            size_t pos = size_t(int64_t(k) * kSize / kMatches) + 40;
            v[pos] = kPattern[0];
            v[pos + 1] = kPattern[1];
        }
        return v;
    }();
    return source;
}

// Finds each match with memmem, as ReplaceAll does, and copies the run before it and the
// new bytes.
size_t RebuildMemmem(const std::vector<uint8_t>& src, uint8_t* out) {
    const uint8_t* s = src.data();
    size_t n = src.size(), i = 0;
    uint8_t* o = out;
    for (;;) {
        auto* hit = static_cast<const uint8_t*>(memmem(s + i, n - i, kPattern, 2));
        size_t j = hit ? size_t(hit - s) : n;
        std::memcpy(o, s + i, j - i);
        o += j - i;
        if (!hit) break;
        std::memcpy(o, kNew, 3);
        o += 3;
        i = j + 2;
    }
    return size_t(o - out);
}

// The same, looking for the first byte with memchr, which glibc vectorises.
size_t RebuildMemchr(const std::vector<uint8_t>& src, uint8_t* out) {
    const uint8_t* s = src.data();
    size_t n = src.size(), copied = 0, from = 0;
    uint8_t* o = out;
    while (const void* hit = std::memchr(s + from, kPattern[0], n - from)) {
        size_t j = size_t(static_cast<const uint8_t*>(hit) - s);
        if (j + 1 < n && s[j + 1] == kPattern[1]) {
            std::memcpy(o, s + copied, j - copied);
            o += j - copied;
            std::memcpy(o, kNew, 3);
            o += 3;
            copied = from = j + 2;
        } else {
            from = j + 1;
        }
    }
    std::memcpy(o, s + copied, n - copied);
    return size_t(o - out) + n - copied;
}

// The same output a byte at a time.
size_t RebuildBytewise(const std::vector<uint8_t>& src, uint8_t* out) {
    const uint8_t* s = src.data();
    size_t n = src.size();
    uint8_t* o = out;
    for (size_t i = 0; i < n;) {
        if (s[i] == kPattern[0] && i + 1 < n && s[i + 1] == kPattern[1]) {
            o[0] = kNew[0];
            o[1] = kNew[1];
            o[2] = kNew[2];
            o += 3;
            i += 2;
        } else {
            *o++ = s[i++];
        }
    }
    return size_t(o - out);
}

void ParkGapAtEnd(CBinData& d) {
    int n = d.GetSize();
    d.InsertAt(n, static_cast<uint8_t>(0));
    d.RemoveAt(n);
}

int ReplaceAllOnce(CBinData& d) {
    d.m_nCaret = 0;
    d.m_bSelection = false;
    return d.ReplaceAll(2, kPattern, 3, kNew, true, false);
}

void Restore(CBinData& d) {
    d.ApplyUndoStep(true); // the whole group
    d.ClearRedo();
    ParkGapAtEnd(d);
}

using Rebuild = size_t (*)(const std::vector<uint8_t>&, uint8_t*);

void ReplaceAllPair(benchmark::State& state, Rebuild rebuild) {
    const std::vector<uint8_t>& src = Source();
    std::vector<uint8_t> out(kOutSize);
    CBinData d;
    d.SetSize(kSize);
    std::memcpy(d.GetData(), src.data(), src.size());
    ReplaceAllOnce(d);
    Restore(d);
    auto baseline = [&] {
        size_t n = 0;
        double t = bench::Time([&] { n = rebuild(src, out.data()); });
        benchmark::DoNotOptimize(out.data());
        return n == kOutSize ? t : -1;
    };
    auto subject = [&] {
        int count = 0;
        double t = bench::Time([&] { count = ReplaceAllOnce(d); });
        bool ok = count == kMatches && d.GetSize() == int(kOutSize);
        Restore(d);
        return ok ? t : -1;
    };
    bench::RunPair(state, baseline, subject);
    if (d.GetSize() != kSize ||
        bench::Fingerprint(d.GetData(), kSize) != bench::Fingerprint(src.data(), src.size()))
        state.SkipWithError("undo did not restore the data");
}

// The engine's result must be every baseline's, byte for byte.
bool CheckSameOutput() {
    const std::vector<uint8_t>& src = Source();
    std::vector<uint8_t> expected(kOutSize), other(kOutSize);
    if (RebuildBytewise(src, expected.data()) != kOutSize) return false;
    for (auto rebuild : {RebuildMemmem, RebuildMemchr}) {
        if (rebuild(src, other.data()) != kOutSize || other != expected) return false;
    }
    CBinData d;
    d.SetSize(kSize);
    std::memcpy(d.GetData(), src.data(), src.size());
    int count = ReplaceAllOnce(d);
    if (count != kMatches || d.GetSize() != int(kOutSize)) return false;
    d.CopyOut(0, d.GetSize(), other.data());
    return other == expected;
}
} // namespace

int main(int argc, char** argv) {
    CHeadlessBackend backend;
    bool same = CheckSameOutput();
    std::printf("check: ReplaceAll output equals the rebuilt output: %s\n", same ? "yes" : "NO");

    bench::RegisterPair("replace_all_vs_bytewise",
                        [](auto& s) { ReplaceAllPair(s, RebuildBytewise); });
    bench::RegisterPair("replace_all_vs_memmem", [](auto& s) { ReplaceAllPair(s, RebuildMemmem); });
    bench::RegisterPair("replace_all_vs_memchr", [](auto& s) { ReplaceAllPair(s, RebuildMemchr); });

    bench::RecordingReporter reporter;
    bench::RunAll(&argc, argv, reporter);

    bench::PairResult bytewise = reporter.Pair("replace_all_vs_bytewise");
    bench::PairResult memmemPair = reporter.Pair("replace_all_vs_memmem");
    bench::PairResult memchrPair = reporter.Pair("replace_all_vs_memchr");
    bench::PrintHeading("ReplaceAll: 100,000 2-byte matches -> 3 bytes in 16 MiB");
    char extra[48];
    std::snprintf(extra, sizeof extra, "  (%.1f ns per match)", bytewise.subjectNs / kMatches);
    bench::PrintTime("CBinData::ReplaceAll (with undo)", bytewise.subjectNs, extra);
    bench::PrintTime("rebuild, byte by byte", bytewise.baselineNs);
    bench::PrintTime("rebuild, memmem + memcpy", memmemPair.baselineNs);
    bench::PrintTime("rebuild, memchr + memcpy", memchrPair.baselineNs);
    std::printf("info: ReplaceAll / memmem rebuild: %.3fx\n", memmemPair.ratio);
    std::printf("info: ReplaceAll / memchr rebuild: %.3fx\n", memchrPair.ratio);
    bench::PrintVerdict("ReplaceAll / bytewise rebuild", same ? bytewise.ratio : std::nan(""), true,
                        5.0);
    return 0;
}
