#include "platform/win32/Win32PrintService.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/framework/PrintInfo.h"
#include "platform/framework/PrintJob.h"
#include "platform/framework/View.h"
#include "res/Resources.h"

namespace {
// Answers every message box at once and keeps what it said.
class CSilentBackend : public CWin32Backend {
public:
    CSilentBackend()
        : CWin32Backend(std::make_unique<CMemoryProfileStore>(),
                        std::make_unique<CMemoryClipboard>()) {}
    int MessageBox(const std::string& text, const std::string&, unsigned) override {
        m_messages.push_back(text);
        return IDOK;
    }
    std::vector<std::string> m_messages;
};

class CCountingView : public CView {
public:
    void OnBeginPrinting(CDC*, CPrintInfo*) override { ++m_nBegun; }
    void OnPrint(CDC*, CPrintInfo*) override { ++m_nPages; }
    void OnEndPrinting(CDC*, CPrintInfo*) override { ++m_nEnded; }
    int m_nBegun = 0, m_nPages = 0, m_nEnded = 0;
};

bool HasPrinter() {
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

class Win32PrintServiceWithoutPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        if (HasPrinter()) GTEST_SKIP() << "this machine has a printer";
        CResourceSet::SetCurrent(&QuelmResources());
    }
    void TearDown() override { CResourceSet::SetCurrent(nullptr); }
    // What the user is told.
    static bool SaysNoPrinter(const std::vector<std::string>& messages) {
        return messages.size() == 1 && messages[0].find("ﾌﾟﾘﾝﾀがありません") == 0;
    }
    CSilentBackend m_backend;
    CCountingView m_view;
};
} // namespace

TEST_F(Win32PrintServiceWithoutPrinter, DirectPrintingSaysSoAndRunsNoPage) {
    CPrintJob job(m_view, CPrintInfo());
    EXPECT_FALSE(m_backend.Printing().Print(job, false));
    EXPECT_TRUE(SaysNoPrinter(m_backend.m_messages));
    EXPECT_FALSE(job.HasBegun());
    EXPECT_EQ(m_view.m_nBegun + m_view.m_nPages + m_view.m_nEnded, 0);
}

TEST_F(Win32PrintServiceWithoutPrinter, PrintDialogSaysSoInsteadOfOpening) {
    CPrintJob job(m_view, CPrintInfo());
    EXPECT_FALSE(m_backend.Printing().Print(job, true));
    EXPECT_TRUE(SaysNoPrinter(m_backend.m_messages));
    EXPECT_EQ(m_view.m_nBegun, 0);
}

TEST_F(Win32PrintServiceWithoutPrinter, PageSetupSaysSo) {
    EXPECT_FALSE(m_backend.Printing().PageSetup());
    EXPECT_TRUE(SaysNoPrinter(m_backend.m_messages));
}
