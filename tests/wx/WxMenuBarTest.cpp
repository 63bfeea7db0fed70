#include "platform/wx/WxMenuBar.h"

#include <gtest/gtest.h>

#include "WxTestSupport.h"
#include "platform/framework/CmdUI.h"
#include "platform/framework/Wnd.h"

namespace {
using M = CMenuItemDef;
using Labels = std::vector<std::string>;
constexpr UINT kNew = 57600, kUndo = 57643, kMark = 32828, kCopy = 57634, kRecent = 57616,
               kExit = 57665;

// Decides the state of every command as a test wants it.
class StateOwner : public CWnd {
public:
    void OnUpdateFromUI(CCmdUI* pCmdUI) override {
        ++m_nAsked;
        pCmdUI->Enable(pCmdUI->m_nID != kUndo);
        if (pCmdUI->m_nID == kMark) pCmdUI->SetCheck(m_nMark);
        if (pCmdUI->m_nID == kNew && !m_strNewText.empty()) pCmdUI->SetText(m_strNewText);
    }
    int m_nMark = 1;
    int m_nAsked = 0;
    std::string m_strNewText;
};

CMenuDef TestMenu() {
    CMenuDef def;
    def.m_popups = {
        M::Sub("ﾌｧｲﾙ(&F)",
               {M::Item(kNew, "新規作成(&N)\tCtrl+N"), M::Sep(),
                M::Item(kRecent, "最新のﾌｧｲﾙ", true), M::Sep(), M::Item(kExit, "終了(&X)")}),
        M::Sub("編集(&E)", {M::Item(kUndo, "元に戻す(&U)\tCtrl+Z"), M::Item(kMark, "マーク"),
                            M::Sub("テキスト操作", {M::Item(kCopy, "コピー\tCtrl+Ins / Ctrl+C")})}),
    };
    return def;
}

class WxMenuBarTest : public testing::Test {
protected:
    CWxProbe::MenuItem Item(UINT id) { return CWxProbe::FindMenuItem(m_bar, id); }
    std::vector<UINT> FileIds() {
        std::vector<UINT> ids;
        for (const CWxProbe::MenuItem& item : CWxProbe::MenuItems(m_bar, 0))
            if (item.m_bVisible) ids.push_back(item.m_nID);
        return ids;
    }

    CWxMenuBar m_bar{TestMenu()};
};
} // namespace

TEST_F(WxMenuBarTest, KeyTextIsShownButNotBound) {
    EXPECT_EQ(Item(kNew).m_labels, (Labels{"新規作成(N)", "Ctrl+N"}));
    EXPECT_EQ(Item(kCopy).m_labels, (Labels{"コピー", "Ctrl+Ins / Ctrl+C"})); // in a submenu
    EXPECT_FALSE(Item(kNew).m_bBound);
    EXPECT_FALSE(Item(kCopy).m_bBound);
    EXPECT_EQ(Item(kExit).m_labels, Labels{"終了(X)"});
}

TEST_F(WxMenuBarTest, EveryItemFollowsTheOwnersCommandStates) {
    StateOwner owner;
    EXPECT_FALSE(Item(kRecent).m_bEnabled); // disabled in the resource
    m_bar.Update(&owner);
    EXPECT_TRUE(Item(kNew).m_bEnabled);
    EXPECT_FALSE(Item(kUndo).m_bEnabled);
    EXPECT_TRUE(Item(kCopy).m_bEnabled);
    EXPECT_TRUE(Item(kMark).m_bChecked);
    EXPECT_FALSE(Item(kNew).m_bChecked);
    EXPECT_EQ(owner.m_nAsked, 6);
    owner.m_nMark = 0;
    owner.m_strNewText = "新しく(&W)\tCtrl+N";
    m_bar.Update(&owner);
    EXPECT_FALSE(Item(kMark).m_bChecked);
    EXPECT_EQ(Item(kNew).m_labels, (Labels{"新しく(W)", "Ctrl+N"}));
}

TEST_F(WxMenuBarTest, RecentFilesTakeThePlaceOfTheFirstRecentItem) {
    EXPECT_EQ(FileIds(), (std::vector<UINT>{kNew, 0, kRecent, 0, kExit}));
    m_bar.SetRecentFiles({"/tmp/a.bin", "/home/利用者/R&D_1.bin"});
    EXPECT_EQ(FileIds(), (std::vector<UINT>{kNew, 0, kRecent, kRecent + 1, 0, kExit}));
    std::vector<CWxProbe::MenuItem> items = CWxProbe::MenuItems(m_bar, 0);
    EXPECT_FALSE(items[2].m_bVisible); // the placeholder
    EXPECT_EQ(items[3].m_labels, Labels{"1 /tmp/a.bin"});
    EXPECT_EQ(items[4].m_labels, Labels{"2 /home/利用者/R&D_1.bin"});
    m_bar.SetRecentFiles({"/tmp/b.bin"});
    EXPECT_EQ(FileIds(), (std::vector<UINT>{kNew, 0, kRecent, 0, kExit}));
    EXPECT_EQ(CWxProbe::MenuItems(m_bar, 0)[3].m_labels, Labels{"1 /tmp/b.bin"});
    m_bar.SetRecentFiles({});
    EXPECT_EQ(FileIds(), (std::vector<UINT>{kNew, 0, kRecent, 0, kExit}));
    EXPECT_EQ(CWxProbe::MenuItems(m_bar, 0)[2].m_labels, Labels{"最新のﾌｧｲﾙ"});
}

TEST(WxMenuTextTest, LabelsSplitAndConvert) {
    std::string label, keys;
    CWxMenuBar::SplitText("削除\tDel / BS", label, keys);
    EXPECT_EQ(label, "削除");
    EXPECT_EQ(keys, "Del / BS");
    CWxMenuBar::SplitText("閉じる(&C)", label, keys);
    EXPECT_EQ(label, "閉じる(&C)");
    EXPECT_EQ(keys, "");
    EXPECT_EQ(CWxMenuBar::GtkMnemonic("開く(&O)"), "開く(_O)");
    EXPECT_EQ(CWxMenuBar::GtkMnemonic("R&&D_x"), "R&D__x");
    EXPECT_EQ(CWxMenuBar::RecentFileLabel(0, "/a"), "&1 /a");
    EXPECT_EQ(CWxMenuBar::RecentFileLabel(9, "/a"), "1&0 /a");
    EXPECT_EQ(CWxMenuBar::RecentFileLabel(10, "/a&b"), "11 /a&&b");
}
