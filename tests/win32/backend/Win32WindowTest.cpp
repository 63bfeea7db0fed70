#include "platform/win32/Win32MainFramePeer.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/base/FrameworkIds.h"
#include "platform/framework/CmdUI.h"
#include "platform/framework/Wnd.h"
#include "platform/win32/Win32MenuBar.h"
#include "platform/win32/Win32ViewPeer.h"

namespace {
// A window of any kind, made by the backend from a request.
class CTestWnd : public CWnd {
public:
    std::vector<UINT> m_commands;
    int m_nPaints = 0;
    void OnCommandFromUI(UINT id) override { m_commands.push_back(id); }
    void OnPaint(CDC*) override { ++m_nPaints; }
};

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

RECT ScreenRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

class Win32WindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.CreatePeer(Request(CWindowRequest::MainFrame, nullptr)));
        m_frame.ShowWindow(true);
    }
    CMainFramePeer& Frame() { return *dynamic_cast<CMainFramePeer*>(m_frame.GetPeer()); }

    CTestBackend m_backend;
    CTestWnd m_frame;
};
} // namespace

// Document windows are MDI children of the frame's MDICLIENT, and each kind of bar is the
// system's common control.
TEST_F(Win32WindowTest, KindsAreTheSystemsWindows) {
    CTestWnd doc, view, toolBar, statusBar;
    ASSERT_TRUE(doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(view.CreatePeer(Request(CWindowRequest::View, &doc)));
    ASSERT_TRUE(toolBar.CreatePeer(Request(CWindowRequest::ToolBar, &m_frame)));
    ASSERT_TRUE(statusBar.CreatePeer(Request(CWindowRequest::StatusBar, &doc)));

    EXPECT_EQ(ClassOf(GetParent(Hwnd(doc))), L"MDIClient");
    EXPECT_TRUE(GetWindowLongW(Hwnd(doc), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(GetParent(Hwnd(view)), Hwnd(doc));
    EXPECT_EQ(ClassOf(Hwnd(toolBar)), std::wstring(TOOLBARCLASSNAMEW));
    EXPECT_EQ(ClassOf(Hwnd(statusBar)), std::wstring(STATUSCLASSNAMEW));
}

// The frame lays its bars out: the toolbar across the top, the status bar along the bottom
// of the document window, the view between them.
TEST_F(Win32WindowTest, BarsFrameTheView) {
    CTestWnd doc, view, statusBar, toolBar;
    ASSERT_TRUE(toolBar.CreatePeer(Request(CWindowRequest::ToolBar, &m_frame)));
    ASSERT_TRUE(doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(view.CreatePeer(Request(CWindowRequest::View, &doc)));
    ASSERT_TRUE(statusBar.CreatePeer(Request(CWindowRequest::StatusBar, &doc)));
    Frame().MaximizeChild(&doc);

    RECT bar = ScreenRect(Hwnd(toolBar)),
         client = ScreenRect(dynamic_cast<CWin32MainFramePeer*>(m_frame.GetPeer())->GetClient());
    EXPECT_LE(bar.bottom, client.top);
    RECT v = ScreenRect(Hwnd(view)), status = ScreenRect(Hwnd(statusBar));
    EXPECT_EQ(v.bottom, status.top);
    EXPECT_GT(v.bottom - v.top, 0);
}

// The window commands are the system's: side by side splits the width, one above the other
// the height.
TEST_F(Win32WindowTest, TilingArrangesTheDocuments) {
    CTestWnd a, b;
    ASSERT_TRUE(a.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(b.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    Frame().ArrangeChildren(CMainFramePeer::Columns);
    RECT ra = ScreenRect(Hwnd(a)), rb = ScreenRect(Hwnd(b));
    EXPECT_EQ(ra.top, rb.top);
    EXPECT_TRUE(ra.right <= rb.left || rb.right <= ra.left);

    Frame().ArrangeChildren(CMainFramePeer::Rows);
    ra = ScreenRect(Hwnd(a));
    rb = ScreenRect(Hwnd(b));
    EXPECT_EQ(ra.left, rb.left);
    EXPECT_TRUE(ra.bottom <= rb.top || rb.bottom <= ra.top);
}

// A menu command reaches the frame's owner; a view paints through the owner when asked.
TEST_F(Win32WindowTest, MessagesReachTheOwners) {
    SendMessageW(Hwnd(m_frame), WM_COMMAND, MAKEWPARAM(FrameworkIds::kFileOpen, 0), 0);
    EXPECT_EQ(m_frame.m_commands, std::vector<UINT>{FrameworkIds::kFileOpen});

    CTestWnd doc, view;
    ASSERT_TRUE(doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(view.CreatePeer(Request(CWindowRequest::View, &doc)));
    Frame().MaximizeChild(&doc);
    view.Invalidate(false);
    view.UpdateWindow();
    EXPECT_GE(view.m_nPaints, 1);
}

// The view's scroll bars are the window's own: what is set is read back.
TEST_F(Win32WindowTest, ViewScrollBarsKeepTheirState) {
    CTestWnd doc, view;
    ASSERT_TRUE(doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(view.CreatePeer(Request(CWindowRequest::View, &doc)));
    auto* peer = dynamic_cast<CViewPeer*>(view.GetPeer());
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = 1000;
    si.nPage = 50;
    si.nPos = 400;
    peer->SetScrollInfo(SB_VERT, si, false);
    SCROLLINFO back;
    back.fMask = SIF_ALL;
    ASSERT_TRUE(peer->GetScrollInfo(SB_VERT, back));
    EXPECT_EQ(back.nMax, 1000);
    EXPECT_EQ(back.nPage, 50u);
    EXPECT_EQ(back.nPos, 400);
}

// The recent files replace the placeholder, numbered with their mnemonics, and an empty list
// brings the placeholder back.
TEST(Win32MenuBarTest, RecentFilesTakeThePlaceholdersPlace) {
    CMenuDef def;
    def.m_popups.push_back(CMenuItemDef::Sub(
        "File", {CMenuItemDef::Item(1, "Open"),
                 CMenuItemDef::Item(FrameworkIds::kFirstRecentFile, "Recent", true),
                 CMenuItemDef::Sep(), CMenuItemDef::Item(2, "Exit")}));
    CWin32MenuBar bar(def);
    HMENU file = GetSubMenu(bar.GetMenu(), 0);
    bar.SetRecentFiles({"C:\\a&b.bin", "D:\\c.bin"});
    ASSERT_EQ(GetMenuItemCount(file), 5);
    EXPECT_EQ(GetMenuItemID(file, 1), FrameworkIds::kFirstRecentFile);
    EXPECT_EQ(GetMenuItemID(file, 2), FrameworkIds::kFirstRecentFile + 1);
    wchar_t text[64] = {};
    GetMenuStringW(file, 1, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"&1 C:\\a&&b.bin");
    bar.SetRecentFiles({});
    ASSERT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(GetMenuState(file, FrameworkIds::kFirstRecentFile, MF_BYCOMMAND) & MF_GRAYED,
              static_cast<UINT>(MF_GRAYED));
}

// Accelerators come over as the resource gives them.
TEST(Win32MenuBarTest, AcceleratorsKeepKeysAndCommands) {
    CAccelTableDef def;
    def.m_entries = {{FVIRTKEY | FCONTROL, 'S', 100}, {FVIRTKEY, VK_F3, 101}};
    HACCEL table = CWin32MenuBar::Accelerators(def);
    ACCEL keys[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, keys, 4), 2);
    EXPECT_EQ(keys[0].key, 'S');
    EXPECT_EQ(keys[0].cmd, 100);
    EXPECT_EQ(keys[1].key, VK_F3);
    DestroyAcceleratorTable(table);
}

namespace {
// Records the input and menu messages a window gets.
class CInputLog : public CTestWnd {
public:
    std::vector<UINT> m_chars, m_imeChars;
    CPoint m_wheelAt;
    int m_nWheel = 0;
    void OnChar(UINT nChar, UINT, UINT) override { m_chars.push_back(nChar); }
    void OnImeChar(UINT nChar, UINT) override { m_imeChars.push_back(nChar); }
    void OnMouseWheel(UINT, int zDelta, CPoint pt) override {
        m_nWheel = zDelta;
        m_wheelAt = pt;
    }
    void OnUpdateFromUI(CCmdUI* pCmdUI) override {
        if (pCmdUI->m_nID == 2) pCmdUI->Enable(false);
        if (pCmdUI->m_nID == 3) pCmdUI->SetCheck(1);
        if (pCmdUI->m_nID == 4) pCmdUI->SetText("新しい名前");
    }
};
} // namespace

// Typed and composed characters reach the view in the program's code page: ASCII as
// characters, the rest as one byte or a lead and trail pair; a character the code page lacks
// is dropped rather than turned into a question mark.
TEST_F(Win32WindowTest, CharactersArriveInCodePage932) {
    CTestWnd doc;
    CInputLog view;
    ASSERT_TRUE(doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(view.CreatePeer(Request(CWindowRequest::View, &doc)));
    HWND hwnd = Hwnd(view);
    SendMessageW(hwnd, WM_CHAR, 'A', 1);
    SendMessageW(hwnd, WM_CHAR, 0x3042, 1);     // あ, typed
    SendMessageW(hwnd, WM_IME_CHAR, 0x6F22, 1); // 漢, composed
    SendMessageW(hwnd, WM_IME_CHAR, 0xFF71, 1); // half-width ｱ
    SendMessageW(hwnd, WM_CHAR, 0x0E01, 1);     // Thai: not in the code page
    EXPECT_EQ(view.m_chars, std::vector<UINT>{'A'});
    EXPECT_EQ(view.m_imeChars, (std::vector<UINT>{0x82A0, 0x8ABF, 0xB1}));
}

// The wheel's position comes in screen coordinates and reaches the view in its own.
TEST_F(Win32WindowTest, WheelPositionIsTheViewsOwn) {
    CTestWnd doc;
    CInputLog view;
    ASSERT_TRUE(doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(view.CreatePeer(Request(CWindowRequest::View, &doc)));
    Frame().MaximizeChild(&doc);
    POINT origin{0, 0};
    ClientToScreen(Hwnd(view), &origin);
    SendMessageW(Hwnd(view), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                 MAKELPARAM(origin.x + 5, origin.y + 7));
    EXPECT_EQ(view.m_nWheel, -WHEEL_DELTA);
    EXPECT_EQ(view.m_wheelAt, CPoint(5, 7));
}

// A hidden status bar gives its room to the view; shown again, it takes it back.
TEST_F(Win32WindowTest, HiddenBarGivesItsRoomToTheView) {
    CTestWnd doc, view, statusBar;
    ASSERT_TRUE(doc.CreatePeer(Request(CWindowRequest::ChildFrame, &m_frame)));
    ASSERT_TRUE(view.CreatePeer(Request(CWindowRequest::View, &doc)));
    ASSERT_TRUE(statusBar.CreatePeer(Request(CWindowRequest::StatusBar, &doc)));
    Frame().MaximizeChild(&doc);
    int withBar = view.GetClientRect().Height();
    int bar = statusBar.GetWindowRect().Height();
    ASSERT_GT(bar, 0);
    statusBar.ShowWindow(false);
    EXPECT_EQ(view.GetClientRect().Height(), withBar + bar);
    statusBar.ShowWindow(true);
    EXPECT_EQ(view.GetClientRect().Height(), withBar);
}

// The system adds a maximized document's title to the frame's caption itself: the program's
// "Quelm - [name]" must not come out twice.
TEST_F(Win32WindowTest, CaptionNamesTheMaximizedDocumentOnce) {
    CTestWnd doc;
    CWindowRequest r = Request(CWindowRequest::ChildFrame, &m_frame);
    r.m_strTitle = "a.bin";
    ASSERT_TRUE(doc.CreatePeer(r));
    Frame().MaximizeChild(&doc);
    m_frame.SetWindowText("Quelm - [a.bin]");
    wchar_t caption[128] = {};
    GetWindowTextW(Hwnd(m_frame), caption, 128);
    EXPECT_EQ(std::wstring(caption), L"Quelm - [a.bin]");
}

// A menu about to open takes its items' states from the owner: enabled, checked and text.
TEST(Win32MenuBarTest, OpeningMenuTakesTheOwnersStates) {
    CMenuDef def;
    def.m_popups.push_back(
        CMenuItemDef::Sub("Edit", {CMenuItemDef::Item(1, "One"), CMenuItemDef::Item(2, "Two"),
                                   CMenuItemDef::Item(3, "Three"), CMenuItemDef::Item(4, "Four")}));
    CWin32MenuBar bar(def);
    HMENU edit = GetSubMenu(bar.GetMenu(), 0);
    CInputLog owner;
    bar.Update(edit, &owner);
    EXPECT_EQ(GetMenuState(edit, 1, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), 0u);
    EXPECT_EQ(GetMenuState(edit, 2, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(edit, 3, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    wchar_t text[32] = {};
    GetMenuStringW(edit, 4, text, 32, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"新しい名前");
}
