// Single-byte inserts and their undo in the middle of a 16 MiB document against the same at
// its end. The gap buffer should make a run of inserts at one place cost about what appends
// cost, the one move of the gap to that place included.
//
// Each document starts every run from the same state: its data unchanged, empty logs, and the
// store either as loading a file leaves it (exactly the file's size, so the first insert grows
// it, wherever it is) or with the gap at the end and spare room (as after an earlier append,
// the hardest case for inserts elsewhere). Only the inserts, or only the undo, are timed;
// putting the state back is not.
#include <cstring>
#include <vector>

#include "bench/BenchSupport.h"
#include "engine/BinData.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr int kSize = 16 << 20;
constexpr int kInserts = 10000;
constexpr int kEnd = kSize, kMiddle = kSize / 2;

class Doc {
public:
    // parkGap: put the gap back at the end after each run; otherwise it stays at `at`.
    // loaded: start every run from a store of exactly the file's size.
    Doc(int at, bool parkGap, bool loaded = false) : m_at(at), m_park(parkGap), m_loaded(loaded) {
        m_data.SetSize(kSize);
        bench::FillRandom(m_data.GetData(), kSize, 0x51);
        m_bytes.assign(m_data.GetData(), m_data.GetData() + kSize);
        // Without this the first insert would also grow the store, wherever it is.
        ParkGapAtEnd();
        m_original = bench::Fingerprint(m_data.GetData(), kSize);
        if (!m_park) {
            Inserts();
            Undo();
            m_data.ClearRedo();
        }
    }

    double TimedInserts() {
        double t = bench::Time([this] { Inserts(); });
        bool ok = m_data.GetSize() == kSize + kInserts;
        Undo();
        Restore();
        return ok ? t : -1;
    }

    double TimedUndo() {
        Inserts();
        double t = bench::Time([this] { Undo(); });
        bool ok = m_data.GetSize() == kSize && m_data.m_undo.IsEmpty();
        Restore();
        return ok ? t : -1;
    }

    bool Intact() { return bench::Fingerprint(m_data.GetData(), kSize) == m_original; }

private:
    void ParkGapAtEnd() {
        m_data.InsertAt(kSize, static_cast<uint8_t>(0x5A));
        m_data.RemoveAt(kSize);
    }

    void Inserts() {
        m_data.m_nCaret = m_at;
        for (int i = 0; i < kInserts; ++i) {
            m_data.InsertAtCaret(static_cast<uint8_t>(i));
            ++m_data.m_nCaret;
        }
    }

    void Undo() {
        for (int i = 0; i < kInserts; ++i)
            m_data.ApplyUndoStep(true);
    }

    void Restore() {
        m_data.ClearRedo();
        if (m_loaded) {
            // As LoadFile leaves the store.
            m_data.SetSize(0);
            std::memcpy(m_data.AppendUninitialized(kSize), m_bytes.data(), kSize);
        } else if (m_park) {
            ParkGapAtEnd();
        }
    }

    CBinData m_data;
    int m_at;
    bool m_park;
    bool m_loaded;
    std::vector<uint8_t> m_bytes;
    uint64_t m_original = 0;
};

void LoadedInsertPair(benchmark::State& state) {
    Doc end(kEnd, true, true), middle(kMiddle, true, true);
    bench::RunPair(
        state, [&] { return end.TimedInserts(); }, [&] { return middle.TimedInserts(); });
    if (!end.Intact() || !middle.Intact()) state.SkipWithError("undo did not restore the data");
}

void InsertPair(benchmark::State& state, bool gapThere) {
    Doc end(kEnd, true), middle(kMiddle, !gapThere);
    bench::RunPair(
        state, [&] { return end.TimedInserts(); }, [&] { return middle.TimedInserts(); });
    if (!end.Intact() || !middle.Intact()) state.SkipWithError("undo did not restore the data");
}

void UndoPair(benchmark::State& state) {
    Doc end(kEnd, true), middle(kMiddle, true);
    bench::RunPair(
        state, [&] { return end.TimedUndo(); }, [&] { return middle.TimedUndo(); });
    if (!end.Intact() || !middle.Intact()) state.SkipWithError("undo did not restore the data");
}
} // namespace

int main(int argc, char** argv) {
    CHeadlessBackend backend;
    bench::RegisterPair("insert_middle_vs_end_loaded", LoadedInsertPair);
    bench::RegisterPair("insert_middle_vs_end", [](auto& s) { InsertPair(s, false); });
    bench::RegisterPair("insert_middle_gap_there_vs_end", [](auto& s) { InsertPair(s, true); });
    bench::RegisterPair("undo_middle_vs_end", UndoPair);

    bench::RecordingReporter reporter;
    bench::RunAll(&argc, argv, reporter);

    bench::PairResult loaded = reporter.Pair("insert_middle_vs_end_loaded");
    bench::PairResult ins = reporter.Pair("insert_middle_vs_end");
    bench::PairResult there = reporter.Pair("insert_middle_gap_there_vs_end");
    bench::PairResult undo = reporter.Pair("undo_middle_vs_end");
    bench::PrintHeading("byte store: 10,000 single-byte steps at the caret in 16 MiB");
    char extra[48];
    auto show = [&](const char* label, double ns) {
        std::snprintf(extra, sizeof extra, "  (%.1f ns per step)", ns / kInserts);
        bench::PrintTime(label, ns, extra);
    };
    show("inserts at the end of a loaded file", loaded.baselineNs);
    show("inserts in the middle of a loaded file", loaded.subjectNs);
    show("inserts at the end, gap parked there", ins.baselineNs);
    show("inserts in the middle, gap moved there", ins.subjectNs);
    show("inserts at the end (second pair)", there.baselineNs);
    show("inserts in the middle, gap already there", there.subjectNs);
    show("undo of the inserts at the end", undo.baselineNs);
    show("undo of the inserts in the middle", undo.subjectNs);
    std::printf("info: inserts in the middle with the gap already there / end: %.3fx\n",
                there.ratio);
    std::printf("info: inserts in the middle / end with spare room parked at the end: %.3fx\n",
                ins.ratio);
    bench::PrintVerdict("insert middle/end (loaded file)", loaded.ratio, true, 3.0);
    bench::PrintVerdict("undo middle/end", undo.ratio, true, 3.0);
    return 0;
}
