// Painting and opening on the Windows backend, under wine on a virtual display: each figure
// against a baseline timed in the same run, interleaved so that both see the same machine.
//
// A full repaint of a view of 60 rows against drawing the same 60 lines with one ExtTextOutW
// call each, in the view's font, into the view; a one-row scroll with its repaint against the
// full repaint; a 16 MiB file opened to a painted window against reading the file.
//
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/ViewBench.h"
#include "engine/KolvaDoc.h"
#include "platform/headless/MemoryClipboard.h"
#include "platform/headless/MemoryProfileStore.h"
#include "platform/win32/Win32Backend.h"
#include "platform/win32/Win32FontCache.h"
#include "platform/win32/Win32WindowPeer.h"

namespace {
constexpr int kRows = 60;
constexpr int kFrameWidth = 860;
constexpr int kFontHeight = -16;
constexpr int kRuns = 61; // per figure; the median is reported
constexpr int kOpenRuns = 7;
constexpr size_t kSmallFile = 64 << 10;
constexpr size_t kLargeFile = 16 << 20;

double Seconds(const std::function<void()>& f) {
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Percentile(std::vector<double> v, double share) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(share * double(v.size() - 1))];
}

std::vector<double> Ratios(const std::vector<double>& subject,
                           const std::vector<double>& baseline) {
    std::vector<double> ratios;
    for (size_t i = 0; i < subject.size() && i < baseline.size(); ++i)
        ratios.push_back(subject[i] / baseline[i]);
    return ratios;
}

// The median of the ratios of runs made side by side: a busy spell of the machine slows both
// sides of a ratio alike, where it would move one of two medians taken apart.
double MedianRatio(const std::vector<double>& subject, const std::vector<double>& baseline) {
    return Median(Ratios(subject, baseline));
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string TempPath(const char* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    char narrow[MAX_PATH * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, folder, -1, narrow, sizeof narrow, nullptr, nullptr);
    return std::string(narrow) + name;
}

std::string WriteFile(const char* name, size_t size) {
    std::vector<char> bytes(size);
    uint32_t x = 0x9E3779B9u;
    for (size_t i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        bytes[i] =
            i % 192 < 96 ? static_cast<char>('A' + (x >> 24) % 26) : static_cast<char>(x >> 24);
    }
    std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    return path;
}

class Program {
public:
    Program()
        : m_backend(std::make_unique<CMemoryProfileStore>(), std::make_unique<CMemoryClipboard>()),
          m_views(kFontHeight, kFrameWidth) {}
    ~Program() { m_views.Close(); }
    // The document opened as the program opens one, to its painted view.
    CountingView* Open(const std::string& path) {
        CountingView* view = m_views.Open(path);
        if (view) view->UpdateWindow();
        return view;
    }
    void CloseAll() { m_views.CloseAll(); }
    bool FitRows(CountingView* view) {
        m_views.GrowFor(view, kRows);
        Pump();
        if (view->m_nVisibleRows == kRows) return true;
        std::fprintf(stderr, "rows %d of %d pixels in %d\n", view->m_nVisibleRows,
                     view->m_nRowHeight, view->GetClientRect().Height());
        return false;
    }

private:
    CWin32Backend m_backend;
    CViewBench<CBenchChildFrame> m_views;
};

double FullRepaint(CountingView* view) {
    return Seconds([view] {
        view->Invalidate(false);
        view->UpdateWindow();
        GdiFlush();
    });
}

// Each visible row as the view formats it, drawn by one ExtTextOutW call in the view's font.
double PlainLines(CountingView* view, const std::vector<std::wstring>& lines) {
    HWND hwnd = CWin32WindowPeer::Of(view)->GetHwnd();
    HFONT font = CWin32FontCache::Get().Font(view->GetRowFont()->GetLogFont());
    return Seconds([&] {
        HDC dc = GetDC(hwnd);
        HGDIOBJ old = SelectObject(dc, font);
        for (size_t row = 0; row < lines.size(); ++row)
            ExtTextOutW(dc, 0, static_cast<int>(row) * view->m_nRowHeight, ETO_OPAQUE, nullptr,
                        lines[row].c_str(), static_cast<UINT>(lines[row].size()), nullptr);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        GdiFlush();
    });
}

std::vector<std::wstring> VisibleLines(CountingView* view) {
    std::vector<std::wstring> lines;
    for (const std::string& utf8 : VisibleRows(view, kRows)) {
        int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), n);
        wide.pop_back();
        lines.push_back(wide);
    }
    return lines;
}

double ScrollOneRow(CountingView* view, bool down) {
    return Seconds([view, down] {
        view->OnVScroll(down ? SB_LINEDOWN : SB_LINEUP, 0);
        view->UpdateWindow();
        GdiFlush();
    });
}

// The system's part of a scroll: the pixels moved and the uncovered row left unpainted.
double SystemScroll(CountingView* view, bool down) {
    HWND hwnd = CWin32WindowPeer::Of(view)->GetHwnd();
    int dy = down ? -view->m_nRowHeight : view->m_nRowHeight;
    return Seconds([hwnd, dy] {
        ScrollWindowEx(hwnd, 0, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
        ValidateRect(hwnd, nullptr);
        GdiFlush();
    });
}

// The window updated from a picture of it, as a scroll or a repaint of the view ends.
double PictureToWindow(CountingView* view, HDC picture) {
    HWND hwnd = CWin32WindowPeer::Of(view)->GetHwnd();
    CRect client = view->GetClientRect();
    return Seconds([&] {
        HDC dc = GetDC(hwnd);
        BitBlt(dc, 0, 0, client.Width(), client.Height(), picture, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
        GdiFlush();
    });
}

// The system's redraw of the scroll bar when its position changes.
double ScrollBarOnly(CountingView* view, bool down) {
    HWND hwnd = CWin32WindowPeer::Of(view)->GetHwnd();
    return Seconds([hwnd, down] {
        tagSCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_POS;
        si.nPos = down ? 1 : 0;
        SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
        GdiFlush();
    });
}

// The engine's part of an open: the document loaded, no window.
double LoadAlone(const std::string& path) {
    return Seconds([&] {
        CKolvaDoc doc;
        if (!doc.OnOpenDocument(path)) std::fputs("Win32PaintBench: load failed\n", stderr);
    });
}

double ReadWhole(const std::string& path) {
    return Seconds([&] {
        std::ifstream in(path, std::ios::binary);
        std::vector<char> bytes(kLargeFile);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
}

void Verdict(const char* what, double ratio, double target) {
    std::printf("%-44s %6.2fx  (target <= %.2fx: %s)\n", what, ratio, target,
                ratio <= target ? "met" : "MISSED");
}
} // namespace

int main() {
    Program program;
    CountingView* view = program.Open(WriteFile("quelm-bench-small.bin", kSmallFile));
    if (!view || !program.FitRows(view)) {
        std::fputs("Win32PaintBench: the view did not get its rows\n", stderr);
        return 1;
    }
    std::vector<std::wstring> lines = VisibleLines(view);
    HWND hwnd = CWin32WindowPeer::Of(view)->GetHwnd();
    HDC screen = GetDC(hwnd);
    HDC picture = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, view->GetClientRect().Width(),
                                            view->GetClientRect().Height());
    ReleaseDC(hwnd, screen);
    HGDIOBJ oldBitmap = SelectObject(picture, bitmap);
    std::vector<double> repaint, plain, scrollBase, scroll, floorBase, systemScroll, blit, sbar;
    for (int i = 0; i < kRuns; ++i) {
        plain.push_back(PlainLines(view, lines));
        repaint.push_back(FullRepaint(view));
    }
    // Down through the file a row at a time, as a held arrow key scrolls: the bar's thumb moves
    // by a pixel every few rows of this file.
    for (int i = 0; i < kRuns; ++i) {
        scrollBase.push_back(FullRepaint(view));
        scroll.push_back(ScrollOneRow(view, true));
    }
    for (int i = 0; i < kRuns; ++i) {
        systemScroll.push_back(SystemScroll(view, i % 2 == 0));
        blit.push_back(PictureToWindow(view, picture));
        sbar.push_back(ScrollBarOnly(view, i % 2 == 0));
        floorBase.push_back(FullRepaint(view));
    }
    SelectObject(picture, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(picture);
    view->Invalidate(false);
    view->UpdateWindow();
    program.CloseAll();

    std::string large = WriteFile("quelm-bench-large.bin", kLargeFile);
    std::vector<double> open, read, load;
    for (int i = 0; i < kOpenRuns; ++i) {
        read.push_back(ReadWhole(large));
        load.push_back(LoadAlone(large));
        open.push_back(Seconds([&] {
            if (!program.Open(large)) std::fputs("Win32PaintBench: open failed\n", stderr);
            GdiFlush();
        }));
        program.CloseAll();
    }

    std::printf("Painting and opening on the Windows backend (medians of %d and %d runs; a "
                "ratio is the median of the ratios of runs made side by side)\n",
                kRuns, kOpenRuns);
    std::printf("  60 lines, one ExtTextOutW each   %9.1f us\n", Median(plain) * 1e6);
    std::printf("  full repaint of 60 rows          %9.1f us\n", Median(repaint) * 1e6);
    std::printf("  one-row scroll with its repaint  %9.1f us\n", Median(scroll) * 1e6);
    std::printf("  floor: ScrollWindowEx alone      %9.1f us\n", Median(systemScroll) * 1e6);
    std::printf("  floor: view copied to the window %9.1f us\n", Median(blit) * 1e6);
    std::printf("  floor: scroll bar moved alone    %9.1f us\n", Median(sbar) * 1e6);
    std::printf("  reading 16 MiB                   %9.1f ms\n", Median(read) * 1e3);
    std::printf("  floor: loading the document      %9.1f ms\n", Median(load) * 1e3);
    std::printf("  opening 16 MiB to a painted view %9.1f ms\n", Median(open) * 1e3);
    Verdict("full repaint / ExtTextOutW of the lines", MedianRatio(repaint, plain), 4.0);
    Verdict("one-row scroll / full repaint", MedianRatio(scroll, scrollBase), 0.2);
    Verdict("16 MiB open to painted window / read", MedianRatio(open, read), 1.5);
    std::printf("floors / full repaint: ScrollWindowEx %.2fx, view copied to the window %.2fx, "
                "scroll bar moved %.2fx (drawn only when its thumb moves); document load / read "
                "%.2fx\n",
                MedianRatio(systemScroll, floorBase), MedianRatio(blit, floorBase),
                MedianRatio(sbar, floorBase), MedianRatio(load, read));
    std::printf("one-row scrolls: nine in ten within %.2fx of a full repaint (the rest draw the "
                "bar's moved thumb)\n",
                Percentile(Ratios(scroll, scrollBase), 0.9));
    return 0;
}
