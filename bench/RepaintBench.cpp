// Painting the hex view on the real window system (it needs a display; run_benchmarks.sh
// gives it a virtual one).
//
// A full repaint of a view of 60 rows, from the invalidation to the pixels on the screen,
// against one toolkit call that draws the same 60 lines as plain text into a picture of the
// same size in the same font. And scrolling the view by one row, with its repaint, against the
// full repaint.
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/ViewBench.h"
#include "platform/base/CodePage932.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/probe/WxOffscreen.h"
#include "platform/wx/probe/WxProbe.h"
#include "tests/TempDir.h"

namespace {
constexpr int kRows = 60;
constexpr int kFileSize = 64 << 10;
constexpr int kBlock = 320; // bytes of one kind of content before the next kind
constexpr int kFrameWidth = 860;
constexpr int kFontHeight = -19;
constexpr int kSettleMs = 300;

// Text, Shift-JIS text and binary bytes in turn, as a file with a header and strings has them.
std::vector<uint8_t> MixedContent() {
    const std::string ascii = "Offset 0x1F40: header checksum OK, 42 records, flags = {rw}\r\n";
    const std::string sjis =
        CCodePage932::FromUtf8("日本語のテキストと半角ｶﾀｶﾅ、全角ＡＢＣ１２３。\r\n");
    std::vector<uint8_t> out(kFileSize);
    bench::FillRandom(out.data(), out.size(), 0xD4A3);
    for (size_t at = 0; at + kBlock <= out.size(); at += 3 * kBlock)
        for (int i = 0; i < 2 * kBlock; ++i) {
            const std::string& text = i < kBlock ? ascii : sjis;
            out[at + size_t(i)] = static_cast<uint8_t>(text[size_t(i % kBlock) % text.size()]);
        }
    return out;
}

class Program {
public:
    Program() : m_backend(m_dir.Path("Quelm.conf")), m_views(kFontHeight, kFrameWidth) {}
    ~Program() {
        m_views.Close();
        CWxProbe::Pump(50);
    }

    // The document in a window tall enough for kRows whole rows, or null.
    CountingView* Open() {
        CountingView* view = m_views.Open(m_dir.Write("mixed.bin", MixedContent()));
        if (!view) return nullptr;
        CWxProbe::Pump(kSettleMs);
        m_views.GrowFor(view, kRows);
        CWxProbe::Pump(kSettleMs);
        return view->m_nVisibleRows == kRows ? view : nullptr;
    }

private:
    TempDir m_dir;
    CWxBackend m_backend;
    CViewBench<> m_views;
};

CountingView* g_view = nullptr;
std::unique_ptr<CWxOffscreen> g_plain;

// The visible rows as the view formats them, one line each.
std::string VisibleLines(CKolvaView* view) {
    std::string lines;
    for (const std::string& row : VisibleRows(view, kRows))
        lines += row + "\n";
    return lines;
}

// The time until the view's pixels are on the screen again; negative when it did not paint.
double Repaint(const std::function<void()>& invalidate) {
    int before = g_view->m_nDraws;
    double t = bench::Time([&] {
        invalidate();
        g_view->UpdateWindow();
    });
    return g_view->m_nDraws > before ? t : -1;
}

double FullRepaint() {
    return Repaint([] { g_view->Invalidate(false); });
}

// Down and back up in turn, so the view stays where it was.
double ScrollOneRow() {
    static bool down = true;
    UINT code = down ? SB_LINEDOWN : SB_LINEUP;
    down = !down;
    int first = g_view->m_nFirstRow;
    double t = Repaint([code] { g_view->OnVScroll(code, 0); });
    return g_view->m_nFirstRow == first ? -1 : t;
}

double PlainText() {
    return bench::Time([] { g_plain->DrawPlainText(); });
}

void RepaintPair(benchmark::State& state) {
    bench::RunPair(state, PlainText, FullRepaint);
}

void ScrollPair(benchmark::State& state) {
    bench::RunPair(state, FullRepaint, ScrollOneRow);
}
} // namespace

int main(int argc, char** argv) {
    if (!CWxProbe::Start(argc, argv)) {
        std::fputs("RepaintBench: no display; run it under xvfb-run\n", stderr);
        return 1;
    }
    int status = 0;
    {
        Program program;
        g_view = program.Open();
        if (!g_view) {
            std::fputs("RepaintBench: the view did not get its rows\n", stderr);
            status = 1;
        } else {
            CRect client = g_view->GetClientRect();
            g_plain = std::make_unique<CWxOffscreen>(client.Width(), client.Height());
            g_plain->SetPlainText(VisibleLines(g_view), g_view->GetRowFont()->GetLogFont());
            bench::RegisterPair("repaint_60_rows_vs_one_plain_text", RepaintPair);
            bench::RegisterPair("scroll_one_row_vs_full_repaint", ScrollPair);
            bench::RecordingReporter reporter;
            bench::RunAll(&argc, argv, reporter);
            bench::PairResult repaint = reporter.Pair("repaint_60_rows_vs_one_plain_text");
            bench::PairResult scroll = reporter.Pair("scroll_one_row_vs_full_repaint");
            bench::PrintHeading("Painting a view of 60 rows on the window system");
            std::printf("view: %d x %d pixels, rows of %d pixels, cells of %d\n", client.Width(),
                        client.Height(), g_view->m_nRowHeight, g_view->m_nCharWidth);
            bench::PrintTime("one plain DrawText of the 60 lines", repaint.baselineNs);
            bench::PrintTime("full repaint", repaint.subjectNs);
            bench::PrintTime("one-row scroll with its repaint", scroll.subjectNs);
            bench::PrintVerdict("full repaint / one plain text output", repaint.ratio, true, 4.0);
            bench::PrintVerdict("one-row scroll / full repaint", scroll.ratio, true, 0.2);
            g_plain.reset();
        }
    }
    CWxProbe::Stop();
    return status;
}
