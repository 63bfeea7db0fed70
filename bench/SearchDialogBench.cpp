// The find and replace dialogs driven as a user drives them, in the whole program on the
// recording backend, against the engine's calls alone on the same document:
// - a find from the Find dialog in 16 MiB with the only match at the end, against Find;
// - F3: a thousand F3 after nine thousand done, against the first thousand;
// - replace all of 100,000 matches from the Replace dialog, against ReplaceAll. The repaints it
//   asks for are counted as well.
#include <cstdio>
#include <fstream>

#include "bench/BenchSupport.h"
#include "engine/BinData.h"
#include "engine/KolvaDoc.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resource.h"
#include "shell/KolvaApp.h"
#include "shell/MainFrame.h"
#include "view/KolvaView.h"

namespace {
constexpr int kFindSize = 16 << 20;
constexpr int kAgainMatches = 10000;
constexpr int kAgainSpacing = 64;
constexpr int kAgainMeasured = 1000;
constexpr int kReplaceSize = 16 << 20;
constexpr int kReplaceMatches = 100000;
const uint8_t kPattern[2] = {0xAB, 0xCD};
const char kPatternText[] = "\\xAB\\xCD";
const uint8_t kNew[3] = {'<', '=', '>'};
const char kNewText[] = "<=>";

std::string WriteFile(const char* name, const std::vector<uint8_t>& bytes) {
    std::string path = std::string("/tmp/quelm-bench-") + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

std::vector<uint8_t> WithMatchesEvery(int size, int matches) {
    std::vector<uint8_t> v(static_cast<size_t>(size));
    bench::FillRandom(v.data(), v.size(), 0x5EA, {kPattern[0]});
    for (int k = 0; k < matches; ++k) {
        size_t pos = size_t(int64_t(k) * size / matches) + 8;
        v[pos] = kPattern[0];
        v[pos + 1] = kPattern[1];
    }
    return v;
}

// The program with the test documents open, and its dialogs reached through their windows.
class Program {
public:
    Program() {
        m_app.InitInstance();
        m_pFind = DialogPeer(IDD_FIND);
        m_pReplace = DialogPeer(IDD_REPLACE);
    }
    ~Program() { m_app.GetDocTemplate()->CloseAllDocuments(); }
    CKolvaView* Open(const std::string& path) {
        m_app.OpenDocumentFile(path);
        return dynamic_cast<CKolvaView*>(m_app.MainFrame()->GetActiveView());
    }
    bool Ready() const { return m_pFind && m_pReplace; }
    // Makes view's window the active one and puts its caret at the start.
    CBinData& Home(CKolvaView* view) {
        m_app.MainFrame()->MDIActivate(dynamic_cast<CMDIChildWnd*>(view->GetParentFrame()));
        CBinData& data = *view->GetData();
        data.m_nCaret = 0;
        data.m_bSelection = false;
        return data;
    }
    void Type(CHeadlessWindowPeer* dlg, UINT id, const char* text) { dlg->SetItemText(id, text); }
    void Press(CHeadlessWindowPeer* dlg, UINT id) { dlg->m_pOwner->OnCommandFromUI(id); }

    CHeadlessBackend m_backend;
    CKolvaApp m_app;
    CHeadlessWindowPeer* m_pFind = nullptr;
    CHeadlessWindowPeer* m_pReplace = nullptr;

private:
    CHeadlessWindowPeer* DialogPeer(UINT id) {
        for (CHeadlessWindowPeer* peer : m_backend.WindowsOfKind(CWindowRequest::Dialog))
            if (peer->m_request.m_nID == id) return peer;
        return nullptr;
    }
};

void FindPair(benchmark::State& state, Program& p, CKolvaView* view) {
    const int expected = kFindSize - 2;
    auto baseline = [&] {
        CBinData& data = p.Home(view);
        int found = -1;
        double t = bench::Time([&] { found = data.Find(true, 2, kPattern, true, true, false); });
        return found == expected ? t : -1;
    };
    auto subject = [&] {
        CBinData& data = p.Home(view);
        p.m_pFind->m_bVisible = true;
        p.Type(p.m_pFind, IDC_FIND_TEXT, kPatternText);
        double t = bench::Time([&] { p.Press(p.m_pFind, IDC_FIND_DOWN); });
        return data.m_nSelStart == expected && !p.m_pFind->m_bVisible ? t : -1;
    };
    bench::RunPair(state, baseline, subject);
}

// Times kAgainMeasured F3 presses after skip untimed ones, from the start of the data.
double TimeFindAgain(Program& p, CKolvaView* view, int skip) {
    CBinData& data = p.Home(view);
    // F3 repeats the Find dialog's search: make it this one.
    p.Type(p.m_pFind, IDC_FIND_TEXT, kPatternText);
    p.Press(p.m_pFind, IDC_FIND_DOWN);
    p.m_backend.m_messages.clear();
    data.m_nCaret = 0;
    for (int i = 0; i < skip; ++i)
        p.m_backend.PressKey(VK_F3);
    int before = data.m_nSelStart;
    double t = bench::Time([&] {
        for (int i = 0; i < kAgainMeasured; ++i)
            p.m_backend.PressKey(VK_F3);
    });
    bool moved = data.m_nSelStart > before || skip + kAgainMeasured > kAgainMatches;
    return moved && p.m_backend.m_messages.empty() ? t : -1;
}

void FindAgainPair(benchmark::State& state, Program& p, CKolvaView* view) {
    bench::RunPair(
        state, [&] { return TimeFindAgain(p, view, 0); },
        [&] { return TimeFindAgain(p, view, kAgainMatches - kAgainMeasured); });
}

void Undo(CBinData& data) {
    data.ApplyUndoStep(true);
    data.ClearRedo();
}

int g_invalidatesPerReplaceAll = -1;

void ReplaceAllPair(benchmark::State& state, Program& p, CKolvaView* view) {
    const int grownSize = kReplaceSize + kReplaceMatches;
    auto baseline = [&] {
        CBinData& data = p.Home(view);
        int count = 0;
        double t = bench::Time([&] { count = data.ReplaceAll(2, kPattern, 3, kNew, true, false); });
        bool ok = count == kReplaceMatches && data.GetSize() == grownSize;
        Undo(data);
        return ok ? t : -1;
    };
    auto subject = [&] {
        CBinData& data = p.Home(view);
        p.Type(p.m_pReplace, IDC_FIND_TEXT, kPatternText);
        p.Type(p.m_pReplace, IDC_REPLACE_TEXT, kNewText);
        p.m_backend.m_messages.clear();
        CHeadlessWindowPeer* viewPeer = p.m_backend.PeerOf(view);
        size_t invalidates = viewPeer->m_invalidRects.size();
        double t = bench::Time([&] { p.Press(p.m_pReplace, IDC_REPLACE_ALL); });
        g_invalidatesPerReplaceAll = int(viewPeer->m_invalidRects.size() - invalidates);
        bool ok = data.GetSize() == grownSize && p.m_backend.m_messages.size() == 1;
        Undo(data);
        return ok ? t : -1;
    };
    bench::RunPair(state, baseline, subject);
}
} // namespace

int main(int argc, char** argv) {
    std::vector<uint8_t> lastOnly = WithMatchesEvery(kFindSize, 0);
    lastOnly[kFindSize - 2] = kPattern[0];
    lastOnly[kFindSize - 1] = kPattern[1];
    std::string findPath = WriteFile("find.bin", lastOnly);
    std::string againPath =
        WriteFile("again.bin", WithMatchesEvery(kAgainMatches * kAgainSpacing, kAgainMatches));
    std::string replacePath =
        WriteFile("replace.bin", WithMatchesEvery(kReplaceSize, kReplaceMatches));

    bench::RecordingReporter reporter;
    {
        Program p;
        CKolvaView* find = p.Open(findPath);
        CKolvaView* again = p.Open(againPath);
        CKolvaView* replace = p.Open(replacePath);
        if (!p.Ready() || !find || !again || !replace) {
            std::printf("the program did not open the test files\n");
            return 1;
        }
        bench::RegisterPair("find_dialog_vs_find", [&](auto& s) { FindPair(s, p, find); });
        bench::RegisterPair("late_f3_vs_early_f3", [&](auto& s) { FindAgainPair(s, p, again); });
        bench::RegisterPair("replace_dialog_vs_replace_all",
                            [&](auto& s) { ReplaceAllPair(s, p, replace); });
        bench::RunAll(&argc, argv, reporter);
    }
    for (const std::string& path : {findPath, againPath, replacePath})
        std::remove(path.c_str());

    bench::PairResult find = reporter.Pair("find_dialog_vs_find");
    bench::PairResult again = reporter.Pair("late_f3_vs_early_f3");
    bench::PairResult replace = reporter.Pair("replace_dialog_vs_replace_all");
    bench::PrintHeading("Find and replace from the dialogs");
    bench::PrintTime("find from the dialog, match at 16 MiB", find.subjectNs);
    bench::PrintTime("CBinData::Find alone", find.baselineNs);
    bench::PrintTime("F3 x1000 after 9000", again.subjectNs);
    bench::PrintTime("F3 x1000 from the start", again.baselineNs);
    bench::PrintTime("replace all from the dialog, 100,000", replace.subjectNs);
    bench::PrintTime("CBinData::ReplaceAll alone", replace.baselineNs);
    std::printf("info: view invalidations per replace all: %d\n", g_invalidatesPerReplaceAll);
    bench::PrintVerdict("find from the dialog / Find", find.ratio, true, 1.2);
    bench::PrintVerdict("late F3 / early F3", again.ratio, true, 1.2);
    bench::PrintVerdict("replace all from the dialog / ReplaceAll", replace.ratio, true, 1.3);
    return 0;
}
