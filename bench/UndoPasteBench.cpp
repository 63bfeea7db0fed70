// The paste and undo commands on a headless view.
//
// Paste of a 64 KiB block into the middle of a 16 MiB document and its undo, against the same
// at the end. Each side has its own document, so, as for a user pasting where they work, the
// gap of the byte store stays at that place between runs. The first paste after loading grows
// the store wherever it goes, and a paste at a new place moves the gap there; those one-time
// costs are shown apart.
//
// Back to the initial state: the time per undone step after 100,000 typed bytes against after
// 1,000. The steps are put back by redo between runs, untimed.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/HeadlessProgram.h"
#include "engine/KolvaDoc.h"
#include "engine/QXClipboard.h"
#include "res/Resource.h"
#include "view/KolvaView.h"
#include "view/UpdateHint.h"

namespace {
constexpr int kSize = 16 << 20;
constexpr int kBlock = 64 << 10;
constexpr int kFewEdits = 1000;
constexpr int kManyEdits = 100000;
constexpr int kTypedDocSize = 1 << 20;

using Program = bench::HeadlessProgram;

Program* g_program = nullptr;
CKolvaView* g_atEnd = nullptr;
CKolvaView* g_inMiddle = nullptr;
CKolvaView* g_fewEdits = nullptr;
CKolvaView* g_manyEdits = nullptr;

// Paste at pos and undo it, through the commands; negative when the data did not come back.
double PasteAndUndo(CKolvaView* view, int pos) {
    CBinData* data = view->GetData();
    data->m_nCaret = pos;
    double t = bench::Time([&] {
        g_program->Send(view, ID_EDIT_PASTE);
        g_program->Send(view, ID_EDIT_UNDO);
    });
    bool ok =
        data->GetDataLength() == kSize && data->m_undo.IsEmpty() && data->m_redo.GetCount() == 1;
    data->ClearRedo();
    return ok ? t : -1;
}

void PastePair(benchmark::State& state) {
    bench::RunPair(
        state, [] { return PasteAndUndo(g_atEnd, kSize); },
        [] { return PasteAndUndo(g_inMiddle, kSize / 2); });
}

// Bytes typed one after another in insert mode, as the undo history holds them.
void Type(CKolvaView* view, int count) {
    CBinData* data = view->GetData();
    data->m_nCaret = kTypedDocSize / 2;
    for (int i = 0; i < count; ++i) {
        data->InsertAtCaret(static_cast<uint8_t>(i));
        ++data->m_nCaret;
    }
    view->GetDocument()->UpdateAllViews(nullptr, UpdateHint::kAfterChange);
}

// The time of one back-to-initial command per undone step, scaled to 100,000 steps so that
// both sides of the pair take similar time; the steps are redone afterwards.
double BackToInitialPerStep(CKolvaView* view, int steps) {
    CBinData* data = view->GetData();
    double t = bench::Time([&] { g_program->Send(view, ID_EDIT_UNDO_ALL); });
    bool ok = data->GetDataLength() == kTypedDocSize && data->m_redo.GetCount() == steps;
    while (!data->m_redo.IsEmpty())
        data->ApplyUndoStep(false);
    return ok ? t / steps * kManyEdits : -1;
}

void BackToInitialPair(benchmark::State& state) {
    bench::RunPair(
        state, [] { return BackToInitialPerStep(g_fewEdits, kFewEdits); },
        [] { return BackToInitialPerStep(g_manyEdits, kManyEdits); });
}

// The first paste at pos in a new document, whose store is exactly full as after loading, so
// this paste grows it; the median of a few, each in a document of its own.
double FirstPaste(int pos) {
    constexpr int kRuns = 5;
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        CKolvaView* view = g_program->NewDocument(kSize, 0xC01D + uint64_t(i));
        view->GetData()->m_nCaret = pos;
        g_program->Activate(view);
        times.push_back(bench::Time([&] { g_program->Send(view, ID_EDIT_PASTE); }));
        if (view->GetData()->GetDataLength() != kSize + kBlock) return -1;
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

// What moving the gap costs by itself: 8 MiB moved within a 16 MiB block, once touched.
double MemmoveHalf() {
    std::vector<uint8_t> buffer(size_t(kSize) + kBlock, 1);
    return bench::Time([&] {
        std::memmove(buffer.data() + kSize / 2 + kBlock, buffer.data() + kSize / 2, kSize / 2);
    });
}
} // namespace

int main(int argc, char** argv) {
    Program program;
    g_program = &program;
    std::vector<uint8_t> block(kBlock);
    bench::FillRandom(block.data(), block.size(), 0xB10C);
    PutQXClipboard(kBlock, block.data());

    g_atEnd = program.NewDocument(kSize, 0xE4D);
    g_inMiddle = program.NewDocument(kSize, 0x41D);
    // One untimed paste puts the middle document's gap where its pastes go.
    PasteAndUndo(g_inMiddle, kSize / 2);
    g_fewEdits = program.NewDocument(kTypedDocSize, 0xFE3);
    Type(g_fewEdits, kFewEdits);
    g_manyEdits = program.NewDocument(kTypedDocSize, 0x3A4);
    Type(g_manyEdits, kManyEdits);

    bench::RegisterPair("paste_undo_middle_vs_end", PastePair);
    bench::RegisterPair("back_to_initial_100000_vs_1000", BackToInitialPair);
    bench::RecordingReporter reporter;
    bench::RunAll(&argc, argv, reporter);

    bench::PairResult paste = reporter.Pair("paste_undo_middle_vs_end");
    bench::PairResult undo = reporter.Pair("back_to_initial_100000_vs_1000");
    bench::PrintHeading("Paste of 64 KiB and its undo in a 16 MiB document");
    bench::PrintTime("paste + undo in the middle", paste.subjectNs);
    bench::PrintTime("paste + undo at the end", paste.baselineNs);
    double firstMiddle = FirstPaste(kSize / 2), firstEnd = FirstPaste(kSize);
    std::printf("info: first paste after loading, in the middle: %.1f us, at the end: %.1f us\n",
                firstMiddle * 1e6, firstEnd * 1e6);
    std::printf("info: memmove of 8 MiB alone: %.1f us\n", MemmoveHalf() * 1e6);
    bench::PrintHeading("Back to the initial state after typed bytes, per 100,000 steps");
    char line[64];
    std::snprintf(line, sizeof line, "  (%.1f ns per step)", undo.subjectNs / kManyEdits);
    bench::PrintTime("after 100,000 edits", undo.subjectNs, line);
    std::snprintf(line, sizeof line, "  (%.1f ns per step)", undo.baselineNs / kManyEdits);
    bench::PrintTime("after 1,000 edits, x 100", undo.baselineNs, line);
    bench::PrintVerdict("paste + undo, middle / end", paste.ratio, true, 3.0);
    bench::PrintVerdict("back to initial per step, 100,000 / 1,000 edits", undo.ratio, true, 1.5);
    return 0;
}
