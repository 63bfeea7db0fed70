// The program started on the recording backend, as a user would see it.
#include <gtest/gtest.h>

#include "platform/base/VirtualKeys.h"
#include "tests/shell/ShellFixture.h"

namespace {
class StartupTest : public ShellFixture {
protected:
    CHeadlessWindowPeer* MainFramePeer() {
        auto frames = m_backend.WindowsOfKind(CWindowRequest::MainFrame);
        return frames.empty() ? nullptr : frames[0];
    }
};
} // namespace

TEST_F(StartupTest, MainWindowShowsMenuAcceleratorsAndToolbar) {
    ASSERT_TRUE(m_app.InitInstance());
    CHeadlessWindowPeer* frame = MainFramePeer();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->m_bVisible);
    EXPECT_EQ(frame->m_strText, "Quelm");
    ASSERT_NE(frame->m_request.m_pMenu, nullptr);
    EXPECT_EQ(frame->m_request.m_pMenu->m_popups.size(), 6u);
    ASSERT_NE(frame->m_request.m_pAccel, nullptr);
    auto bars = m_backend.WindowsOfKind(CWindowRequest::ToolBar);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_TRUE(bars[0]->m_bVisible);
    EXPECT_EQ(bars[0]->m_buttons.size(), 25u);
    EXPECT_FALSE(bars[1]->m_bVisible); // the file-name bar waits for documents
}

TEST_F(StartupTest, CommandsNobodyHandlesYetAreDisabled) {
    ASSERT_TRUE(m_app.InitInstance());
    CHeadlessWindowPeer* frame = MainFramePeer();
    frame->UpdateCommandUI();
    EXPECT_TRUE(frame->m_commandStates.at(ID_APP_EXIT).m_bEnabled);
    EXPECT_FALSE(frame->m_commandStates.at(ID_EDIT_UNDO).m_bEnabled);
    EXPECT_FALSE(frame->m_commandStates.at(ID_WINDOW_CASCADE).m_bEnabled); // no document window
    EXPECT_TRUE(frame->m_commandStates.at(ID_VIEW_TOOLBAR).m_bEnabled);
    EXPECT_EQ(frame->m_commandStates.at(ID_VIEW_TOOLBAR).m_nCheck, 1);
    m_app.MainFrame()->SendCommand(ID_VIEW_TOOLBAR);
    frame->UpdateCommandUI();
    EXPECT_EQ(frame->m_commandStates.at(ID_VIEW_TOOLBAR).m_nCheck, 0);
}

TEST_F(StartupTest, StoredSizeIsUsedAndExitWritesTheSettings) {
    m_backend.m_profile.WriteInt("Settings", "FrameSizeX", 900);
    m_backend.m_profile.WriteInt("Settings", "FrameSizeY", 700);
    m_backend.m_profile.WriteString("Last Params", "File0", "/gone.bin");
    ASSERT_TRUE(m_app.InitInstance());
    EXPECT_EQ(MainFramePeer()->m_window, CRect(0, 0, 900, 700));
    EXPECT_FALSE(m_backend.m_profile.HasSection("Last Params")); // consumed at every start
    MainFramePeer()->MoveWindow(CRect(0, 0, 1000, 750));
    m_backend.PressKey(VK_F4, FALT); // not an accelerator: nothing happens
    EXPECT_FALSE(m_backend.m_bQuitPosted);
    m_app.MainFrame()->SendCommand(ID_APP_EXIT);
    EXPECT_TRUE(m_backend.m_bQuitPosted);
    EXPECT_EQ(m_backend.m_profile.GetInt("Settings", "FrameSizeX", 0), 1000);
    EXPECT_EQ(m_backend.m_profile.GetInt("Settings", "FrameSizeY", 0), 750);
    EXPECT_EQ(m_backend.m_profile.GetInt("Settings", "FontHeight", 0), -19);
}

TEST_F(StartupTest, TinyStoredSizeLeavesTheSizeToTheSystem) {
    m_backend.m_profile.WriteInt("Settings", "FrameSizeX", 99);
    m_backend.m_profile.WriteInt("Settings", "FrameSizeY", 700);
    ASSERT_TRUE(m_app.InitInstance());
    EXPECT_EQ(MainFramePeer()->m_window, CRect(0, 0, 640, 480));
}

TEST_F(StartupTest, HighlightedMenuItemsAndButtonsShowTheirPrompts) {
    ASSERT_TRUE(m_app.InitInstance());
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    auto* child = dynamic_cast<CChildFrame*>(m_app.MainFrame()->MDIGetActive());
    ASSERT_NE(child, nullptr);
    auto pane = [&] { return child->m_wndStatusBar.GetPaneText(CChildFrame::kPaneMessage); };
    EXPECT_EQ(pane(), "ﾚﾃﾞｨ");
    m_app.MainFrame()->OnMenuSelect(ID_FILE_NEW);
    EXPECT_EQ(pane(), "新規にﾌｧｲﾙを作成");
    m_app.MainFrame()->OnMenuSelect(0);
    EXPECT_EQ(pane(), "ﾚﾃﾞｨ");
    // The toolbar's buttons speak for the main frame.
    auto bars = m_backend.WindowsOfKind(CWindowRequest::ToolBar);
    ASSERT_FALSE(bars.empty());
    bars[0]->m_pOwner->OnMenuSelect(ID_FILE_SAVE_AS);
    EXPECT_EQ(pane(), "作業中のﾌｧｲﾙを新しい名前で保存");
    bars[0]->m_pOwner->OnMenuSelect(0);
    EXPECT_EQ(pane(), "ﾚﾃﾞｨ");
}
