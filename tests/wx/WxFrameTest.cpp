// The main window, its document windows and its toolbars on the real window system.
#include <gtest/gtest.h>

#include "WxTestSupport.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/ToolBar.h"
#include "platform/wx/WxBackend.h"

namespace {
constexpr UINT kMain = 128, kNew = 57600, kSave = 57603, kMark = 32828;

class TestFrame : public CMDIFrameWnd {
public:
    TestFrame() {
        OnCommand(kNew, [this] { m_commands.push_back(kNew); });
        OnCommand(kMark, [this] { m_commands.push_back(kMark); });
        OnUpdate(kMark, [](CCmdUI* ui) { ui->SetCheck(1); });
    }
    void OnClose() override { ++m_nCloseRequests; }
    void OnDropFiles(const std::vector<std::string>& paths) override { m_dropped = paths; }
    std::vector<UINT> m_commands;
    std::vector<std::string> m_dropped;
    int m_nCloseRequests = 0;
};

class WxFrameTest : public testing::Test {
protected:
    WxFrameTest() : m_backend(m_dir.Path("Quelm.conf")) {
        CMenuDef menu;
        menu.m_nID = kMain;
        menu.m_popups = {CMenuItemDef::Sub("File", {CMenuItemDef::Item(kNew, "New\tCtrl+N")})};
        m_resources.m_menus = {menu};
        CToolBarDef bar;
        bar.m_nID = kMain;
        bar.m_buttons = {kNew, kSave, 0, kMark};
        m_resources.m_toolbars = {bar};
        CResourceSet::SetCurrent(&m_resources);
        EXPECT_TRUE(m_frame.LoadFrame(kMain, CSize(800, 600)));
        m_frame.ShowWindow(true);
    }
    ~WxFrameTest() override {
        for (auto& child : m_children)
            child->DestroyWindow();
        m_children.clear();
        m_frame.DestroyWindow();
        CWxProbe::Pump(50);
        CResourceSet::SetCurrent(nullptr);
    }
    CMDIChildWnd* AddChild(const std::string& title) {
        m_children.push_back(std::make_unique<CMDIChildWnd>());
        EXPECT_TRUE(m_children.back()->Create(&m_frame, title));
        return m_children.back().get();
    }

    TempDir m_dir;
    CWxBackend m_backend;
    CResourceSet m_resources;
    TestFrame m_frame;
    std::vector<std::unique_ptr<CMDIChildWnd>> m_children;
};
} // namespace

TEST_F(WxFrameTest, MenuAndAcceleratorCommandsReachTheOwnerWithTheirIds) {
    CWxProbe::MenuCommand(m_frame, kNew);
    EXPECT_EQ(m_frame.m_commands, std::vector<UINT>{kNew});
}

TEST_F(WxFrameTest, TheCloseBoxAsksTheOwner) {
    EXPECT_TRUE(CWxProbe::RequestClose(m_frame));
    EXPECT_EQ(m_frame.m_nCloseRequests, 1);
    EXPECT_TRUE(m_frame.IsWindowVisible());
}

TEST_F(WxFrameTest, FilesDroppedOnTheWindowReachTheOwner) {
    std::vector<std::string> paths = {"/tmp/a.bin", "/home/利用者/データ.bin"};
    EXPECT_TRUE(CWxProbe::DropFiles(m_frame, paths));
    EXPECT_EQ(m_frame.m_dropped, paths);
}

TEST_F(WxFrameTest, DocumentWindowsArePagesThatReportActivation) {
    CMDIChildWnd* a = AddChild("a.bin");
    CMDIChildWnd* b = AddChild("b.bin");
    CMDIChildWnd* c = AddChild("c.bin");
    ASSERT_EQ(CWxProbe::PageCount(m_frame), 3);
    m_frame.MDIActivate(b);
    EXPECT_EQ(CWxProbe::SelectedPage(m_frame), CWxProbe::PageIndex(m_frame, *b));
    // The user picks a tab: the frame learns which window is active.
    CWxProbe::ClickPage(m_frame, 0);
    EXPECT_EQ(m_frame.MDIGetActive(), a);
    c->SetWindowText("/data/c.bin");
    EXPECT_EQ(CWxProbe::PageText(m_frame, 2), "/data/c.bin");
    EXPECT_EQ(c->GetWindowText(), "/data/c.bin");
    b->DestroyWindow();
    EXPECT_EQ(CWxProbe::PageCount(m_frame), 2);
    EXPECT_EQ(CWxProbe::PageIndex(m_frame, *c), 1);
}

TEST_F(WxFrameTest, NamesThatAreNoUtf8ShowTheirBytesEscaped) {
    // A name in code page 932 beside UTF-8 text: only the stray bytes are escaped.
    CMDIChildWnd* child = AddChild("/\xE3\x83\x87/\x82\xA0\xFF.bin");
    EXPECT_EQ(CWxProbe::PageText(m_frame, 0), "/\xE3\x83\x87/\\x82\\xA0\\xFF.bin");
    // A truncated sequence at the end and an overlong form.
    child->SetWindowText("a\xE3\x83");
    EXPECT_EQ(CWxProbe::PageText(m_frame, 0), "a\\xE3\\x83");
    child->SetWindowText("\xC0\xAF");
    EXPECT_EQ(CWxProbe::PageText(m_frame, 0), "\\xC0\\xAF");
}

TEST_F(WxFrameTest, WindowsTileSideBySideOrStackedAndReturnToTabs) {
    std::vector<CMDIChildWnd*> children = {AddChild("a"), AddChild("b"), AddChild("c")};
    CWxProbe::Pump(100);
    m_frame.MDITile(false); // side by side
    CWxProbe::Pump(100);
    EXPECT_EQ(CWxProbe::PaneCount(m_frame), 3);
    CRect r0 = children[0]->GetWindowRect(), r1 = children[1]->GetWindowRect(),
          r2 = children[2]->GetWindowRect();
    EXPECT_LE(r0.right, r1.left);
    EXPECT_LE(r1.right, r2.left);
    EXPECT_EQ(r0.top, r2.top);
    EXPECT_NEAR(r0.Width(), r2.Width(), 30); // shares of about the same size
    m_frame.MDITile(true);                   // one above the other
    CWxProbe::Pump(100);
    EXPECT_EQ(CWxProbe::PaneCount(m_frame), 3);
    r0 = children[0]->GetWindowRect();
    r2 = children[2]->GetWindowRect();
    EXPECT_LE(r0.bottom, r2.top);
    EXPECT_EQ(r0.left, r2.left);
    m_frame.GetMainFramePeer()->MaximizeChild(children[1]);
    EXPECT_EQ(CWxProbe::PaneCount(m_frame), 1);
    for (size_t i = 0; i < children.size(); ++i) // in their order again
        EXPECT_EQ(CWxProbe::PageIndex(m_frame, *children[i]), static_cast<int>(i));
    EXPECT_EQ(m_frame.MDIGetActive(), children[1]);
}

TEST_F(WxFrameTest, ToolbarButtonsFollowTheRoutingAndSendCommands) {
    CToolBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, 59392, m_resources.FindToolBar(kMain)));
    CWxProbe::Pump(100);
    EXPECT_EQ(CWxProbe::ToolCount(bar), 4);
    EXPECT_TRUE(CWxProbe::ToolState(bar, kNew).m_bEnabled);
    EXPECT_FALSE(CWxProbe::ToolState(bar, kSave).m_bEnabled); // nothing handles it
    EXPECT_TRUE(CWxProbe::ToolState(bar, kMark).m_bChecked);
    EXPECT_FALSE(CWxProbe::ToolState(bar, kNew).m_bChecked);
    CWxProbe::ClickTool(bar, kNew);
    CWxProbe::Pump(50);
    EXPECT_EQ(m_frame.m_commands, std::vector<UINT>{kNew});
    EXPECT_FALSE(CWxProbe::ToolState(bar, kNew).m_bChecked); // the click does not latch it
    bar.DestroyWindow();
}

TEST_F(WxFrameTest, FileBarButtonsShowLabelsAndMarkers) {
    CToolBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, 59392, nullptr));
    bar.SetButtons({{32843, "a.bin", 0, true}, {0, "", -1, false}, {32844, "b.bin", 1, true}});
    ASSERT_EQ(CWxProbe::ToolCount(bar), 3);
    CWxProbe::Tool a = CWxProbe::ToolState(bar, 32843);
    EXPECT_EQ(a.m_strLabel, "a.bin");
    EXPECT_TRUE(a.m_bCheckStyle);
    EXPECT_FALSE(a.m_bMarkerShown);
    EXPECT_TRUE(CWxProbe::ToolState(bar, 32844).m_bMarkerShown);
    bar.GetToolBarPeer()->SetButtonImage(0, 1);
    EXPECT_TRUE(CWxProbe::ToolState(bar, 32843).m_bMarkerShown);
    bar.GetToolBarPeer()->SetButtonImage(2, 0);
    EXPECT_FALSE(CWxProbe::ToolState(bar, 32844).m_bMarkerShown);
    bar.DestroyWindow();
}

TEST_F(WxFrameTest, FileBarButtonsBeyondTheWindowAreInTheOverflowMenu) {
    CToolBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, 59392, nullptr));
    CWxProbe::Pump(50);
    std::vector<CToolBarPeer::Button> buttons;
    for (UINT id = 32843; id <= 32852; ++id) {
        buttons.push_back({id, "document" + std::to_string(id - 32842) + ".bin", 0, true});
        buttons.push_back({0, "", -1, false});
        // One more document at a time, the bar hidden while it is rebuilt.
        bar.ShowWindow(false);
        bar.SetButtons(buttons);
        bar.ShowWindow(true);
        CWxProbe::Pump(20);
    }
    CWxProbe::Pump(100);
    for (UINT id = 32843; id <= 32852; ++id)
        EXPECT_TRUE(CWxProbe::ToolReachable(bar, id)) << id;
    bar.DestroyWindow();
}
