// Records which of the program's functions run while the real program, on the recording
// backend, takes a typed hex digit, a paste and a save. Built by run.sh against libraries made
// with -finstrument-functions; each scenario writes its calls to a file that count.py reads.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "engine/KolvaDoc.h"
#include "engine/QXClipboard.h"
#include "platform/framework/DocTemplate.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resource.h"
#include "shell/KolvaApp.h"
#include "shell/MainFrame.h"
#include "tests/TestSupport.h"
#include "view/KolvaView.h"

namespace {
bool g_bRecording = false;
int g_nDepth = 0;
std::vector<std::pair<int, void*>> g_calls;
} // namespace

extern "C" {
__attribute__((no_instrument_function)) void __cyg_profile_func_enter(void* fn, void*) {
    if (g_bRecording) g_calls.emplace_back(g_nDepth, fn);
    ++g_nDepth;
}
__attribute__((no_instrument_function)) void __cyg_profile_func_exit(void*, void*) {
    --g_nDepth;
}
}

namespace {
// Runs action with the calls recorded, and writes them as "depth offset" lines to name.
template <typename Action> void Record(const char* name, Action action) {
    g_calls.clear();
    g_bRecording = true;
    action();
    g_bRecording = false;
    FILE* out = std::fopen(name, "w");
    for (auto [depth, fn] : g_calls) {
        Dl_info info{};
        dladdr(fn, &info);
        auto offset =
            static_cast<unsigned long>(static_cast<char*>(fn) - static_cast<char*>(info.dli_fbase));
        std::fprintf(out, "%d %lx\n", depth, offset);
    }
    std::fclose(out);
}

class CallCount : public ::testing::Test {
protected:
    // The program with one 64-byte file open in mode, its window active.
    CKolvaView* Start(int mode) {
        m_app.m_argv = {m_dir.Write("f.bin", Bytes(64))};
        EXPECT_TRUE(m_app.InitInstance());
        auto* doc = dynamic_cast<CKolvaDoc*>(m_app.GetDocTemplate()->GetDocuments().at(0));
        auto* view = dynamic_cast<CKolvaView*>(doc->GetViews().at(0));
        m_backend.PeerOf(view)->Resize(80 * 8, 30 * 16);
        m_app.MainFrame()->SendCommand(mode == 1 ? ID_MODE_OVERWRITE : ID_MODE_INSERT);
        return view;
    }

    CHeadlessBackend m_backend;
    TempDir m_dir;
    CKolvaApp m_app;
};
} // namespace

TEST_F(CallCount, HexDigitInOverwriteMode) {
    CKolvaView* view = Start(1);
    Record("digit-high.calls", [&] { m_backend.TypeChar('A'); });
    Record("digit-low.calls", [&] { m_backend.TypeChar('B'); });
    EXPECT_EQ(view->GetData()->GetByte(0), 0xAB);
}

TEST_F(CallCount, HexDigitInInsertMode) {
    CKolvaView* view = Start(2);
    Record("digit-insert.calls", [&] { m_backend.TypeChar('A'); });
    EXPECT_EQ(view->GetData()->GetDataLength(), 65);
}

TEST_F(CallCount, PasteThenSave) {
    CKolvaView* view = Start(2);
    const uint8_t block[] = {1, 2, 3};
    PutQXClipboard(3, block);
    Record("paste.calls", [&] { m_app.MainFrame()->SendCommand(ID_EDIT_PASTE); });
    EXPECT_EQ(view->GetData()->GetDataLength(), 67);
    Record("save.calls", [&] { m_app.MainFrame()->SendCommand(ID_FILE_SAVE); });
    EXPECT_FALSE(view->GetDocument()->IsModified());
}
