// Command sets the shell attaches to the main frame and the application, and the one way a
// changed setting reaches the open document windows.
#include <gtest/gtest.h>

#include "commands/AppCommandSet.h"
#include "commands/FrameCommandSet.h"
#include "commands/SearchDialogs.h"
#include "platform/base/ResourceTypes.h"
#include "platform/base/VirtualKeys.h"
#include "tests/shell/ShellFixture.h"
#include "view/KolvaView.h"
#include "view/ViewCommandSet.h"

namespace {
// A second set after the program's own: records what reaches it, and takes over the link to
// the search dialogs.
class RecordingFrameSet : public CFrameCommandSet, public CSearchDialogs {
public:
    explicit RecordingFrameSet(CMDIFrameWnd& frame) : CFrameCommandSet(frame) {
        // The frame handles this itself; its own handler must keep it.
        OnCommand(ID_SYNC_ALL, [this] { m_bStoleSync = true; });
    }
    void RefreshFor(CView* pView) override { m_refreshed.push_back(pView); }
    void Hide() override { ++m_nHidden; }

    std::vector<CView*> m_refreshed;
    int m_nHidden = 0;
    bool m_bStoleSync = false;
};

class RecordingAppSet : public CAppCommandSet {
public:
    explicit RecordingAppSet(CWinApp& app) : CAppCommandSet(app) {
        OnCommand(ID_OPTION_SETTINGS, [this] { m_owners.push_back(MainWindow()); });
    }
    std::vector<CMDIFrameWnd*> m_owners;
};

// A set attached after the view's own: it must not take the view's commands, and it reaches
// the view's data.
class RecordingViewSet : public CViewCommandSet {
public:
    explicit RecordingViewSet(CKolvaView& view) : CViewCommandSet(view) {
        OnCommand(ID_JCODE_ASCII, [this] { m_bStoleJCode = true; });
        OnCommand(ID_OPTION_SETTINGS, [this] { m_pData = Data(); });
    }
    CBinData* m_pData = nullptr;
    bool m_bStoleJCode = false;
};

class AttachedCommandsTest : public ShellFixture {
protected:
    void Start(std::vector<std::string> args = {}) {
        ShellFixture::Start(std::move(args));
        auto set = std::make_unique<RecordingFrameSet>(*m_app.MainFrame());
        m_pSet = set.get();
        m_app.MainFrame()->AttachCommandSet(std::move(set));
    }

    RecordingFrameSet* m_pSet = nullptr; // owned by the main frame
};
} // namespace

TEST_F(AttachedCommandsTest, FrameSetAnswersThroughRoutingWhileADocumentWindowIsActive) {
    Start();
    // No dialog window is built before the user asks for one.
    EXPECT_TRUE(m_backend.WindowsOfKind(CWindowRequest::Dialog).empty());
    EXPECT_FALSE(m_app.MainFrame()->QueryCommand(ID_EDIT_FIND).m_bEnabled);
    EXPECT_FALSE(m_app.MainFrame()->SendCommand(ID_EDIT_FIND));
    m_backend.PressKey(VK_F3, FALT);
    EXPECT_TRUE(m_backend.WindowsOfKind(CWindowRequest::Dialog).empty());

    m_app.OpenDocumentPath(File("a.bin"));
    m_app.OpenDocumentPath(File("b.bin"));
    EXPECT_TRUE(m_app.MainFrame()->QueryCommand(ID_EDIT_FIND).m_bEnabled);
    m_backend.PressKey(VK_F3, FALT);
    CHeadlessWindowPeer* find = nullptr;
    for (CHeadlessWindowPeer* peer : m_backend.WindowsOfKind(CWindowRequest::Dialog))
        if (peer->m_request.m_nID == IDD_FIND) find = peer;
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->m_bVisible);
    EXPECT_EQ(find->m_strText, "検索 - [" + Doc(1)->GetTitle() + "]");
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST));
    EXPECT_TRUE(m_app.MainFrame()->SendCommand(ID_EDIT_FIND));
    EXPECT_EQ(find->m_strText, "検索 - [" + Doc(0)->GetTitle() + "]");

    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_SYNC_ALL));
    EXPECT_FALSE(m_pSet->m_bStoleSync);
    EXPECT_EQ(m_app.MainFrame()->m_arrSyncViews.size(), 2u);
}

TEST_F(AttachedCommandsTest, SearchDialogsFollowTheActiveViewAndHideWithTheLastWindow) {
    Start({File("a.bin"), File("b.bin")});
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST));
    ASSERT_FALSE(m_pSet->m_refreshed.empty());
    EXPECT_EQ(m_pSet->m_refreshed.back(), View(0));

    Doc(0)->OnCloseDocument();
    EXPECT_EQ(m_pSet->m_refreshed.back(), View(0)); // b, now the only one, took over
    EXPECT_EQ(m_pSet->m_nHidden, 0);
    Doc(0)->OnCloseDocument();
    EXPECT_EQ(m_pSet->m_nHidden, 1);
}

TEST_F(AttachedCommandsTest, AppSetAnswersWithOrWithoutDocuments) {
    auto set = std::make_unique<RecordingAppSet>(m_app);
    RecordingAppSet* appSet = set.get();
    m_app.AttachCommandSet(std::move(set));
    Start();
    EXPECT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_SETTINGS));
    m_app.OpenDocumentPath(File("a.bin"));
    EXPECT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_SETTINGS));
    EXPECT_EQ(appSet->m_owners, (std::vector<CMDIFrameWnd*>(2, m_app.MainFrame())));
    // The application's own commands are untouched.
    EXPECT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
}

TEST_F(AttachedCommandsTest, ViewSetAnswersForItsViewBeforeTheApplication) {
    Start({File("a.bin")});
    auto set = std::make_unique<RecordingViewSet>(*View(0));
    RecordingViewSet* viewSet = set.get();
    View(0)->AttachCommandSet(std::move(set));
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_JCODE_ASCII));
    EXPECT_EQ(View(0)->m_nJCode, JCode::kAscii);
    EXPECT_FALSE(viewSet->m_bStoleJCode);
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_OPTION_SETTINGS));
    EXPECT_EQ(viewSet->m_pData, Doc(0)->m_pData.get());
}

TEST_F(AttachedCommandsTest, ChangedSettingReachesEveryDocumentWindow) {
    Start({File("a.bin"), File("b.bin"), File("c.bin")});
    const size_t kDocs = 3;
    for (size_t i = 0; i < kDocs; ++i) {
        ASSERT_TRUE(Frame(i)->m_wndStatusBar.IsWindowVisible());
        ASSERT_TRUE(Frame(i)->m_wndRulerBar.IsWindowVisible());
        View(i)->CaretState().m_nNibble = 1; // a half-typed byte in every window
    }
    m_app.m_pOptions->bStatusBarVisible = 0;
    m_app.NotifySettingsChanged(SettingChange::kStatusBar);
    for (size_t i = 0; i < kDocs; ++i) {
        EXPECT_FALSE(Frame(i)->m_wndStatusBar.IsWindowVisible()) << i;
        EXPECT_TRUE(Frame(i)->m_wndRulerBar.IsWindowVisible()) << i;
        EXPECT_EQ(View(i)->CaretState().m_nNibble, 0) << i;
    }
    m_app.m_pOptions->bIndicatorVisible = 0;
    m_app.NotifySettingsChanged(SettingChange::kRulerBar);
    for (size_t i = 0; i < kDocs; ++i) {
        EXPECT_FALSE(Frame(i)->m_wndRulerBar.IsWindowVisible()) << i;
        EXPECT_FALSE(Frame(i)->m_wndStatusBar.IsWindowVisible()) << i;
    }
}
