// Commands reach the active view, its document, its document window, the main frame and the
// application in that order; enabling follows the update handlers.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "platform/base/Afx.h"
#include "platform/base/File.h"
#include "platform/base/FileException.h"
#include "platform/base/ResourceSet.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/Document.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr UINT kViewCmd = 100, kDocCmd = 101, kChildCmd = 102, kFrameCmd = 103, kAppCmd = 104;
constexpr UINT kShared = 110, kDisabledByUpdate = 111, kUnhandled = 112, kUpdateElsewhere = 113;
constexpr UINT kThrowing = 114;
constexpr UINT kThrowingKey = 'T';

std::vector<std::string>* g_log = nullptr;

void Log(const std::string& s) {
    g_log->push_back(s);
}

bool g_bPaintFails = false;

// How many documents, document windows and views are alive.
std::map<std::string, int> g_alive;
struct Alive {
    explicit Alive(const char* kind) : m_kind(kind) { ++g_alive[m_kind]; }
    ~Alive() { --g_alive[m_kind]; }
    const char* m_kind;
};

class TestView : public CView {
public:
    TestView() {
        OnCommand(kViewCmd, [] { Log("view"); });
        OnCommand(kShared, [] { Log("view shared"); });
        OnCommand(kThrowing,
                  [] { throw CFileException(CFileException::fileChanged, 0, "big.bin"); });
    }
    void OnKeyDown(UINT nChar, UINT, UINT) override {
        if (nChar == kThrowingKey) throw std::runtime_error("no key");
        Log("key");
    }
    void OnDraw(CDC*) override {
        if (g_bPaintFails) throw std::bad_alloc();
    }
    Alive m_alive{"view"};
};
class TestDoc : public CDocument {
public:
    TestDoc() {
        OnCommand(kDocCmd, [] { Log("doc"); });
        OnCommand(kShared, [] { Log("doc shared"); });
        OnCommand(kUpdateElsewhere, [] { Log("doc elsewhere"); });
    }
    bool OnOpenDocument(const std::string& path) override {
        return path != CFile::GetFullPath("/refused.bin") && CDocument::OnOpenDocument(path);
    }
    Alive m_alive{"doc"};
};
class TestChild : public CMDIChildWnd {
public:
    TestChild() {
        OnCommand(kChildCmd, [] { Log("child"); });
    }
    Alive m_alive{"frame"};
};
class TestFrame : public CMDIFrameWnd {
public:
    TestFrame() {
        OnCommand(kFrameCmd, [] { Log("frame"); });
        OnCommand(kDisabledByUpdate, [] { Log("must not run"); });
        OnUpdate(kDisabledByUpdate, [](CCmdUI* ui) { ui->Enable(false); });
        OnUpdate(kUpdateElsewhere, [this](CCmdUI* ui) {
            ui->Enable(m_bAllow);
            ui->SetCheck(1);
        });
    }
    bool m_bAllow = false;
};
class TestApp : public CWinApp {
public:
    TestApp() {
        OnCommand(kAppCmd, [] { Log("app"); });
        OnCommand(kShared, [] { Log("app shared"); });
    }
};

CResourceSet MakeResources() {
    CResourceSet r;
    CMenuDef menu;
    menu.m_nID = 128;
    menu.m_popups.push_back(CMenuItemDef::Sub(
        "Test", {CMenuItemDef::Item(kViewCmd, "v"), CMenuItemDef::Sep(),
                 CMenuItemDef::Item(kUnhandled, "u"), CMenuItemDef::Item(kDisabledByUpdate, "d"),
                 CMenuItemDef::Sub("more", {CMenuItemDef::Item(kAppCmd, "a")})}));
    r.m_menus.push_back(menu);
    r.m_accelerators.push_back({128,
                                {{FVIRTKEY | FCONTROL, 'Q', kAppCmd},
                                 {FVIRTKEY | FSHIFT, VK_F3, kFrameCmd},
                                 {FVIRTKEY, VK_F3, kViewCmd}}});
    return r;
}

class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_log = &m_log;
        CResourceSet::SetCurrent(&m_resources);
        m_frame = std::make_unique<TestFrame>();
        ASSERT_TRUE(m_frame->LoadFrame(128));
        m_app.m_pMainWnd = m_frame.get();
        m_app.AddDocTemplate(MakeTemplate());
    }
    static std::unique_ptr<CMultiDocTemplate> MakeTemplate() {
        return std::make_unique<CMultiDocTemplate>([] { return std::make_unique<TestDoc>(); },
                                                   [] { return std::make_unique<TestChild>(); },
                                                   [] { return std::make_unique<TestView>(); });
    }
    void TearDown() override {
        m_app.GetDocTemplate()->CloseAllDocuments();
        m_frame.reset();
        CResourceSet::SetCurrent(nullptr);
        g_log = nullptr;
    }
    bool Enabled(UINT id) { return m_frame->QueryCommand(id).m_bEnabled; }

    CHeadlessBackend m_backend;
    CResourceSet m_resources = MakeResources();
    TestApp m_app;
    std::unique_ptr<TestFrame> m_frame;
    std::vector<std::string> m_log;
};
} // namespace

TEST_F(RoutingTest, WithoutDocumentsOnlyFrameAndApplicationAnswer) {
    EXPECT_FALSE(Enabled(kViewCmd));
    EXPECT_FALSE(m_frame->SendCommand(kViewCmd));
    EXPECT_TRUE(m_frame->SendCommand(kShared));
    EXPECT_TRUE(m_frame->SendCommand(kFrameCmd));
    EXPECT_EQ(m_log, (std::vector<std::string>{"app shared", "frame"}));
}

TEST_F(RoutingTest, EachLevelReceivesItsCommandsAndTheFirstHandlerWins) {
    ASSERT_NE(m_app.OpenDocumentFile(""), nullptr);
    for (UINT id : {kViewCmd, kDocCmd, kChildCmd, kFrameCmd, kAppCmd, kShared})
        EXPECT_TRUE(m_frame->SendCommand(id)) << id;
    EXPECT_EQ(m_log,
              (std::vector<std::string>{"view", "doc", "child", "frame", "app", "view shared"}));
}

TEST_F(RoutingTest, EnablingFollowsUpdateHandlersAndHandlers) {
    ASSERT_NE(m_app.OpenDocumentFile(""), nullptr);
    EXPECT_TRUE(Enabled(kDocCmd)); // handled, no update handler
    EXPECT_FALSE(Enabled(kUnhandled));
    EXPECT_FALSE(m_frame->SendCommand(kUnhandled));
    EXPECT_FALSE(Enabled(kDisabledByUpdate));
    EXPECT_FALSE(m_frame->SendCommand(kDisabledByUpdate));
    // An update handler further along the chain still decides for the document's command.
    CCmdUI state = m_frame->QueryCommand(kUpdateElsewhere);
    EXPECT_FALSE(state.m_bEnabled);
    EXPECT_EQ(state.m_nCheck, 1);
    EXPECT_FALSE(m_frame->SendCommand(kUpdateElsewhere));
    m_frame->m_bAllow = true;
    EXPECT_TRUE(m_frame->SendCommand(kUpdateElsewhere));
    EXPECT_EQ(m_log, (std::vector<std::string>{"doc elsewhere"}));
}

TEST_F(RoutingTest, MenuStatesComeFromTheRouting) {
    m_frame->GetMainFramePeer()->UpdateCommandUI();
    auto& states = m_backend.PeerOf(m_frame.get())->m_commandStates;
    ASSERT_EQ(states.size(), 4u);
    EXPECT_FALSE(states.at(kViewCmd).m_bEnabled);
    EXPECT_FALSE(states.at(kUnhandled).m_bEnabled);
    EXPECT_FALSE(states.at(kDisabledByUpdate).m_bEnabled);
    EXPECT_TRUE(states.at(kAppCmd).m_bEnabled); // inside a submenu
}

TEST_F(RoutingTest, AcceleratorsReachCommandsWithTheirModifiers) {
    ASSERT_NE(m_app.OpenDocumentFile(""), nullptr);
    m_backend.PressKey('Q', FCONTROL);
    m_backend.PressKey(VK_F3, FSHIFT);
    m_backend.PressKey(VK_F3);
    m_backend.PressKey('Q'); // no accelerator without Ctrl
    EXPECT_EQ(m_log, (std::vector<std::string>{"app", "frame", "view"}));
}

TEST_F(RoutingTest, FailuresInHandlersAndPaintingBecomeMessages) {
    CDocument* doc = m_app.OpenDocumentFile("");
    ASSERT_NE(doc, nullptr);
    CView* view = doc->GetViews()[0];
    view->SetFocus();
    m_frame->OnCommandFromUI(kThrowing);
    m_backend.PressKey(kThrowingKey);
    view->Invalidate();
    g_bPaintFails = true;
    m_backend.PaintAll();
    g_bPaintFails = false;
    ASSERT_EQ(m_backend.m_messages.size(), 3u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText,
              CFileException(CFileException::fileChanged, 0, "big.bin").GetErrorMessage());
    EXPECT_NE(m_backend.m_messages[1].m_strText.find("no key"), std::string::npos);
    EXPECT_EQ(m_backend.m_messages[2].m_strText, "メモリが足りません。");
    // The program goes on.
    m_backend.PressKey(VK_F3);
    m_backend.PressKey('K');
    EXPECT_EQ(m_log, (std::vector<std::string>{"view", "key"}));
}

TEST_F(RoutingTest, ActiveDocumentWindowDecidesWhereCommandsGo) {
    CDocument* first = m_app.OpenDocumentFile("");
    CDocument* second = m_app.OpenDocumentFile("");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(m_frame->GetActiveDocument(), second);
    auto* firstFrame = dynamic_cast<CMDIChildWnd*>(first->GetViews()[0]->GetParentFrame());
    m_frame->OnChildActivated(firstFrame);
    EXPECT_EQ(m_frame->GetActiveDocument(), first);
    first->OnCloseDocument();
    EXPECT_EQ(m_frame->GetActiveDocument(), second);
    EXPECT_EQ(m_app.GetDocTemplate()->GetDocuments().size(), 1u);
    EXPECT_EQ(m_frame->GetChildren().size(), 1u);
}

TEST_F(RoutingTest, DocumentsWindowsAndViewsLiveAsLongAsTheirOwners) {
    auto alive = [] { return std::vector<int>{g_alive["doc"], g_alive["frame"], g_alive["view"]}; };
    CDocument* first = m_app.OpenDocumentFile("");
    ASSERT_NE(m_app.OpenDocumentFile(""), nullptr);
    EXPECT_EQ(alive(), (std::vector<int>{2, 2, 2}));
    first->OnCloseDocument();
    EXPECT_EQ(alive(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(m_app.OpenDocumentFile("/refused.bin"), nullptr);
    EXPECT_EQ(alive(), (std::vector<int>{1, 1, 1}));
    // A template that goes while documents are open takes their windows and views with it.
    m_app.AddDocTemplate(MakeTemplate());
    EXPECT_EQ(alive(), (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(m_frame->GetChildren().empty());
}

TEST_F(RoutingTest, ModifiedDocumentAsksBeforeClosing) {
    CDocument* doc = m_app.OpenDocumentFile("");
    doc->SetModifiedFlag();
    m_backend.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(m_app.GetDocTemplate()->SaveAllModified());
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_nType, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    m_backend.QueueAnswer(IDNO);
    EXPECT_TRUE(m_app.GetDocTemplate()->SaveAllModified());
}
