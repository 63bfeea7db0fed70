#pragma once
// Shared pieces of the benchmark programs: paired timing of a subject against its baseline, a
// reporter that keeps the results for the verdict lines, and test data.
//
// A target is a ratio of two times, and this machine is shared, so the two are not timed as
// separate benchmarks seconds apart: each iteration runs both, in alternating order, and a
// repetition's ratio is its subject total over its baseline total. A busy spell then slows
// both sides alike. The verdict uses the median over the repetitions.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace bench {

constexpr int kRepetitions = 9;

using Clock = std::chrono::steady_clock;
inline double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Runs f and gives its wall-clock time in seconds.
template <class F> double Time(F&& f) {
    auto t0 = Clock::now();
    f();
    return Seconds(t0, Clock::now());
}

// One side of a pair: does its untimed preparation, times its work and returns the seconds
// measured; a negative value reports that the work went wrong.
using Side = std::function<double()>;

inline void RunPair(benchmark::State& state, const Side& baseline, const Side& subject) {
    double base = 0, subj = 0;
    bool subjectFirst = false;
    for (auto _ : state) {
        double b, s;
        if (subjectFirst) {
            s = subject();
            b = baseline();
        } else {
            b = baseline();
            s = subject();
        }
        subjectFirst = !subjectFirst;
        if (b < 0 || s < 0) {
            state.SkipWithError(b < 0 ? "baseline gave a wrong result" : "wrong result");
            return;
        }
        base += b;
        subj += s;
        state.SetIterationTime(b + s);
    }
    using benchmark::Counter;
    state.counters["baseline_us"] = Counter(base * 1e6, Counter::kAvgIterations);
    state.counters["subject_us"] = Counter(subj * 1e6, Counter::kAvgIterations);
    state.counters["ratio"] = Counter(base > 0 ? subj / base : std::nan(""));
}

// Registers a pair; shown time is baseline plus subject per iteration.
inline void RegisterPair(const char* name, std::function<void(benchmark::State&)> fn,
                         double minTime = 0.1) {
    benchmark::RegisterBenchmark(name, [fn](benchmark::State& state) { fn(state); })
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->MinTime(minTime)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

struct PairResult {
    double baselineNs = std::nan("");
    double subjectNs = std::nan("");
    double ratio = std::nan(""); // subject / baseline
};

// Prints as the console reporter does and keeps each pair's medians over the repetitions.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    RecordingReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Aggregate ||
                run.aggregate_name != "median")
                continue;
            PairResult& r = m_results[run.run_name.function_name];
            r.baselineNs = Get(run, "baseline_us") * 1e3;
            r.subjectNs = Get(run, "subject_us") * 1e3;
            r.ratio = Get(run, "ratio");
        }
    }

    // All NaN when the pair did not run (filtered out or failed).
    PairResult Pair(const std::string& name) const {
        auto it = m_results.find(name);
        return it == m_results.end() ? PairResult() : it->second;
    }

private:
    static double Get(const Run& run, const char* counter) {
        auto it = run.counters.find(counter);
        return it == run.counters.end() ? std::nan("") : it->second.value;
    }

    std::map<std::string, PairResult> m_results;
};

// Runs the registered pairs. Repetitions of different pairs are interleaved in random order as
// well; flags given on the command line come later and win.
inline void RunAll(int* argc, char** argv, RecordingReporter& reporter) {
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args(argv, argv + *argc);
    args.insert(args.begin() + (*argc > 0 ? 1 : 0), interleave);
    args.push_back(nullptr);
    int n = static_cast<int>(args.size()) - 1;
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

// Deterministic filler; bytes listed in exclude never occur, so they cannot start a match.
inline void FillRandom(uint8_t* p, size_t n, uint64_t seed,
                       std::initializer_list<uint8_t> exclude = {}) {
    uint8_t map[256];
    int allowed = 0;
    for (int b = 0; b < 256; ++b) {
        bool skip = false;
        for (uint8_t e : exclude)
            skip = skip || e == b;
        if (!skip) map[allowed++] = static_cast<uint8_t>(b);
    }
    uint64_t x = seed | 1;
    for (size_t i = 0; i < n; ++i) {
        x ^= x >> 12;
        x ^= x << 25;
        x ^= x >> 27;
        uint64_t r = (x * 0x2545F4914F6CDD1DULL) >> 32;
        p[i] = map[r % static_cast<uint64_t>(allowed)];
    }
}

// A quick content fingerprint for checking that a run restored the data.
inline uint64_t Fingerprint(const uint8_t* p, size_t n) {
    uint64_t h = 0xCBF29CE484222325ULL;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, p + i, 8);
        h = (h ^ w) * 0x100000001B3ULL;
        h ^= h >> 29;
    }
    for (; i < n; ++i)
        h = (h ^ p[i]) * 0x100000001B3ULL;
    return h ^ n;
}

inline void PrintHeading(const char* text) {
    std::printf("\n== %s\n   (medians over %d repetitions; wall-clock time per run)\n", text,
                kRepetitions);
}

inline void PrintTime(const char* label, double ns, const char* extra = "") {
    std::printf("%-46s %11.1f us%s\n", label, ns / 1e3, extra);
}

// One verdict line: "RESULT <what>: <ratio>x (target <= 3x) PASS".
inline bool PrintVerdict(const char* what, double ratio, bool atMost, double target) {
    bool pass = std::isfinite(ratio) && (atMost ? ratio <= target : ratio >= target);
    std::printf("RESULT %s: %.3fx (target %s %gx) %s\n", what, ratio, atMost ? "<=" : ">=", target,
                pass ? "PASS" : "FAIL");
    return pass;
}

} // namespace bench
