// The help pages beside the program, the about box and the test keys Ctrl+0 to Ctrl+5.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"
#include "shell/AboutDlg.h"
#include "tests/shell/ShellFixture.h"

namespace {
class HelpAndTestCommandsTest : public ShellFixture {
protected:
    HelpAndTestCommandsTest() { m_backend.m_strProgramFolder = m_dir.Path(""); }
    void Activate(size_t i) { ASSERT_TRUE(m_app.MainFrame()->SendCommand(MainFrameFileButton(i))); }
    static UINT MainFrameFileButton(size_t i) {
        return CMainFrame::FileButtonCommand(static_cast<int>(i));
    }
};
} // namespace

TEST_F(HelpAndTestCommandsTest, HelpOpensTheManualOrSaysItIsMissing) {
    Start();
    m_backend.PressKey('H', FCONTROL);
    EXPECT_TRUE(m_backend.m_shellOpened.empty());
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, "ヘルプファイルが見つかりません");
    EXPECT_NE(m_backend.m_messages[0].m_nType & MB_ICONEXCLAMATION, 0u);

    std::filesystem::create_directories(m_dir.Path("html"));
    m_dir.Write("html/index.htm", Str("<html></html>"));
    m_backend.PressKey('H', FCONTROL);
    EXPECT_EQ(m_backend.m_shellOpened, std::vector<std::string>{m_dir.Path("html/index.htm")});
    EXPECT_EQ(m_backend.m_messages.size(), 1u);

    // A page that is there but no browser to show it: that is what the user is told.
    m_backend.m_bShellOpenWorks = false;
    m_backend.PressKey('H', FCONTROL);
    ASSERT_EQ(m_backend.m_messages.size(), 2u);
    EXPECT_EQ(m_backend.m_messages[1].m_strText,
              "ブラウザを起動できません。\n" + m_dir.Path("html/index.htm"));
}

TEST_F(HelpAndTestCommandsTest, AboutBoxShowsTheBuildAndIgnoresEscape) {
    Start();
    m_backend.QueueDialog([this](CHeadlessWindowPeer& peer) {
        EXPECT_EQ(peer.GetItemText(IDC_ABOUT_VERSION),
                  CAboutDlg::VersionText() + CAboutDlg::BuildStamp());
        peer.m_pOwner->OnCommandFromUI(IDCANCEL); // Escape
        EXPECT_TRUE(peer.m_bModal);
        peer.m_pOwner->OnCommandFromUI(IDC_README);
        EXPECT_EQ(m_backend.m_messages.back().m_strText, "Readme.htm が見つかりません");
        m_dir.Write("Readme.htm", Str("<html></html>"));
        peer.m_pOwner->OnCommandFromUI(IDC_README);
        peer.m_pOwner->OnCommandFromUI(IDC_SUPPORT_PAGE);
        EXPECT_TRUE(peer.m_bModal);
        peer.m_pOwner->OnClose();
        EXPECT_FALSE(peer.m_bModal);
    });
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_APP_ABOUT));
    EXPECT_EQ(CAboutDlg::VersionText(), "Quelm Version 1.0");
    ASSERT_EQ(m_backend.m_shellOpened.size(), 2u);
    EXPECT_EQ(m_backend.m_shellOpened[0], m_dir.Path("Readme.htm"));
    EXPECT_EQ(m_backend.m_shellOpened[1].rfind("https://", 0), 0u);
    // " (Mmm dd yyyy/hh:mm:ss)"
    EXPECT_EQ(CAboutDlg::BuildStamp().size(), 23u);
}

TEST_F(HelpAndTestCommandsTest, CtrlOneSwitchesTheAddressColumnOfTheActiveDocumentOnly) {
    Start({File("a.bin"), File("b.bin")});
    Activate(1);
    const int hexStart = Data(1)->m_layout.HexStart();
    ASSERT_GT(hexStart, 0);
    View(1)->CaretState().m_bCharArea = 1;
    m_backend.PressKey('1', FCONTROL);
    EXPECT_FALSE(Data(1)->m_bShowAddress);
    EXPECT_EQ(Data(1)->m_layout.HexStart(), 0);
    EXPECT_EQ(View(1)->CaretState().m_bCharArea, 0);
    EXPECT_EQ(View(1)->m_wndRuler.GetWindowText(), Data(1)->FormatHeader());
    EXPECT_TRUE(Data(0)->m_bShowAddress);
    m_backend.PressKey('1', FCONTROL);
    EXPECT_TRUE(Data(1)->m_bShowAddress);
    EXPECT_EQ(Data(1)->m_layout.HexStart(), hexStart);

    const int charStart = Data(1)->m_layout.CharAreaStart();
    const std::string header = View(1)->m_wndRuler.GetWindowText();
    m_backend.PressKey('2', FCONTROL);
    EXPECT_FALSE(Data(1)->m_bShowChars);
    EXPECT_NE(View(1)->m_wndRuler.GetWindowText(), header);
    m_backend.PressKey('2', FCONTROL);
    EXPECT_TRUE(Data(1)->m_bShowChars);
    EXPECT_EQ(Data(1)->m_layout.CharAreaStart(), charStart);
}

TEST_F(HelpAndTestCommandsTest, CtrlZeroCopiesOneProgramWideToggleIntoTheActiveView) {
    Start({File("a.bin"), File("b.bin")});
    Activate(0);
    m_backend.PressKey('0', FCONTROL);
    EXPECT_TRUE(View(0)->m_bScrollLocked);
    Activate(1);
    m_backend.PressKey('0', FCONTROL);
    // The toggle flipped back: B takes "unlocked" although it was never locked.
    EXPECT_FALSE(View(1)->m_bScrollLocked);
    EXPECT_TRUE(View(0)->m_bScrollLocked);
    m_backend.PressKey('0', FCONTROL);
    EXPECT_TRUE(View(1)->m_bScrollLocked);

    // Ctrl+3 to Ctrl+5 are taken and do nothing.
    for (char key : {'3', '4', '5'}) {
        EXPECT_TRUE(m_app.MainFrame()->QueryCommand(ID_TEST_3 + (key - '3')).m_bEnabled);
        m_backend.PressKey(key, FCONTROL);
    }
    EXPECT_TRUE(View(1)->m_bScrollLocked);
    EXPECT_TRUE(m_backend.m_messages.empty());
}
