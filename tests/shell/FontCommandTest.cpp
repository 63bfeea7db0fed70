// The screen font chosen by the user: what is kept of the choice, every open document window
// following it, and the choice remembered for the next start.
#include <gtest/gtest.h>

#include "tests/shell/ShellFixture.h"

namespace {
CLogFont BoldItalic12Points() {
    CLogFont lf;
    lf.m_strFaceName = "DejaVu Sans Mono";
    lf.m_nHeight = -16; // 12 points on a 96 dpi screen
    lf.m_nWeight = 700;
    lf.m_bItalic = true;
    lf.m_bUnderline = true;
    lf.m_nCharSet = 0;
    lf.m_bFixedPitch = false;
    return lf;
}

class FontCommandTest : public ShellFixture {};
} // namespace

TEST_F(FontCommandTest, KeepsOnlyHeightAndFaceOfTheChoice) {
    Start();
    // Start-up writes the font it made back into the settings.
    EXPECT_EQ(m_app.m_pOptions->FontFaceName, "FixedSys");
    EXPECT_EQ(m_app.m_pOptions->FontHeight, -19);
    m_backend.QueueFont(BoldItalic12Points());
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_FONT));

    ASSERT_EQ(m_backend.m_fontRequests.size(), 1u);
    EXPECT_EQ(m_backend.m_fontRequests[0].m_nMaxPoints, 16);
    EXPECT_EQ(m_backend.m_fontRequests[0].m_initial.m_strFaceName, "FixedSys");
    CLogFont expected;
    expected.m_strFaceName = "DejaVu Sans Mono";
    expected.m_nHeight = -16;
    EXPECT_EQ(m_app.m_pScreenFont->GetLogFont(), expected);
    EXPECT_EQ(m_app.m_pCurrentFont, m_app.m_pScreenFont.get());
    EXPECT_EQ(m_app.m_pOptions->FontFaceName, "DejaVu Sans Mono");
    EXPECT_EQ(m_app.m_pOptions->FontHeight, -16);

    // Saved at exit and used by the next start.
    m_app.m_pOptions->SaveSettings();
    AppSettings next;
    next.LoadSettings();
    EXPECT_EQ(next.FontFaceName, "DejaVu Sans Mono");
    EXPECT_EQ(next.FontHeight, -16);
}

TEST_F(FontCommandTest, CancelChangesNothing) {
    Start();
    CFont* before = m_app.m_pScreenFont.get();
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_FONT));
    EXPECT_EQ(m_app.m_pScreenFont.get(), before);
    EXPECT_EQ(m_app.m_pOptions->FontHeight, -19);
}

TEST_F(FontCommandTest, EveryOpenDocumentWindowTakesTheNewFont) {
    const size_t kDocs = 3;
    Start({m_dir.Write("a.bin", Str("aaaa")), m_dir.Write("b.bin", Str("bbbb")),
           m_dir.Write("c.bin", Str("cccc"))});
    for (size_t i = 0; i < kDocs; ++i)
        View(i)->CaretState().m_nNibble = 1;
    m_backend.QueueFont(BoldItalic12Points());
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_FONT));
    CFont* font = m_app.m_pScreenFont.get();
    for (size_t i = 0; i < kDocs; ++i) {
        EXPECT_EQ(View(i)->m_pMeasuredFont, font) << i;
        EXPECT_EQ(View(i)->m_wndRuler.GetRulerFont(), font) << i;
    }
    // The active one is laid out again as after a bar toggle: hex entry starts over there.
    auto* active = dynamic_cast<CKolvaView*>(m_app.MainFrame()->GetActiveView());
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->CaretState().m_nNibble, 0);
}

TEST_F(FontCommandTest, PrinterFontStartsAsTerminalAndTakesTheWholeChoice) {
    Start();
    CLogFont start = m_app.m_pPrinterFont->GetLogFont();
    EXPECT_EQ(start.m_strFaceName, "Terminal");
    EXPECT_EQ(start.m_nHeight, 360);
    EXPECT_EQ(start.m_nCharSet, 128);
    EXPECT_TRUE(start.m_bFixedPitch);
    EXPECT_NE(m_app.m_pPrinterFont.get(), m_app.m_pScreenFont.get());

    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_PRINTER_FONT)); // cancelled
    EXPECT_EQ(m_app.m_pPrinterFont->GetLogFont(), start);

    m_backend.QueueFont(BoldItalic12Points());
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_PRINTER_FONT));
    ASSERT_EQ(m_backend.m_fontRequests.size(), 2u);
    EXPECT_TRUE(m_backend.m_fontRequests[1].m_bPrinter);
    EXPECT_EQ(m_backend.m_fontRequests[1].m_nMaxPoints, 50);
    EXPECT_EQ(m_backend.m_fontRequests[1].m_initial, start);
    EXPECT_EQ(m_app.m_pPrinterFont->GetLogFont(), BoldItalic12Points());
    // The screen font and the remembered settings stay as they were.
    EXPECT_EQ(m_app.m_pCurrentFont, m_app.m_pScreenFont.get());
    EXPECT_EQ(m_app.m_pOptions->FontFaceName, "FixedSys");
}
