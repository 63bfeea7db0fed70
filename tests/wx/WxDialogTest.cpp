// Dialogs built from templates: controls, their values and the commands they send.
#include <gtest/gtest.h>

#include <cstdlib>

#include "WxTestSupport.h"
#include "platform/base/Afx.h"
#include "platform/base/ResourceSet.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/PropertySheet.h"
#include "platform/wx/WxBackend.h"

namespace {
using C = CControlDef;
constexpr UINT kDialog = 300, kEdit = 1001, kCombo = 1002, kList = 1003, kCheck = 1004,
               kRadio1 = 1005, kRadio2 = 1006, kNumber = 1007, kSpin = 1008, kFind = 1009;

C Control(C::Kind kind, UINT id, const char* text, int x, int y, int cx, int cy, unsigned s = 0) {
    C c;
    c.m_kind = kind;
    c.m_nID = id;
    c.m_text = text;
    c.m_rect = CRect(x, y, x + cx, y + cy);
    c.m_style = s;
    return c;
}

CDialogDef Template() {
    CDialogDef d;
    d.m_nID = kDialog;
    d.m_caption = "検索";
    d.m_size = CSize(200, 120);
    d.m_controls = {
        Control(C::Static, 0xFFFF, "文字列", 5, 5, 40, 8),
        Control(C::Edit, kEdit, "", 50, 5, 100, 12),
        Control(C::ComboBox, kCombo, "", 50, 20, 100, 12),
        Control(C::DropList, kList, "", 50, 35, 100, 12),
        Control(C::CheckBox, kCheck, "大文字/小文字を区別する", 5, 50, 120, 10),
        Control(C::RadioButton, kRadio1, "登録範囲", 5, 62, 60, 10, C::kGroup),
        Control(C::RadioButton, kRadio2, "ﾌｧｲﾙ全体", 70, 62, 60, 10),
        Control(C::Edit, kNumber, "", 5, 76, 30, 12, C::kNumber),
        Control(C::Spin, kSpin, "", 35, 76, 10, 12),
        Control(C::PushButton, kFind, "上方向検索", 5, 100, 50, 14, C::kDisabled),
        Control(C::DefPushButton, IDOK, "下方向検索", 60, 100, 50, 14),
        Control(C::PushButton, IDCANCEL, "ｷｬﾝｾﾙ", 115, 100, 50, 14),
    };
    return d;
}

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(kDialog, nullptr) {
        OnCommand(kFind, [this] { m_commands.push_back(kFind); });
        OnCommand(kCheck, [this] { m_commands.push_back(kCheck); });
    }
    void OnOK() override { m_commands.push_back(IDOK); }
    void OnDropDown(UINT id) override { m_commands.push_back(id); }
    void OnShowWindow(bool bShow) override { m_shown.push_back(bShow); }
    void OnCancel() override {
        m_commands.push_back(IDCANCEL);
        CDialog::OnCancel();
    }
    std::vector<UINT> m_commands;
    std::vector<bool> m_shown;
};

class WxDialogTest : public testing::Test {
protected:
    WxDialogTest() : m_backend(m_dir.Path("Quelm.conf")) {
        m_resources.m_dialogs = {Template()};
        CResourceSet::SetCurrent(&m_resources);
    }
    ~WxDialogTest() override {
        m_dialog.DestroyWindow();
        CWxProbe::Pump(30);
        CResourceSet::SetCurrent(nullptr);
    }

    TempDir m_dir;
    CWxBackend m_backend;
    CResourceSet m_resources;
    TestDialog m_dialog;
};
} // namespace

TEST_F(WxDialogTest, ControlsAreMadeWhereTheTemplateSaysInDialogUnits) {
    ASSERT_TRUE(m_dialog.Create());
    m_dialog.ShowWindow(true);
    CSize base = CWxProbe::DialogBaseUnits(m_dialog);
    ASSERT_GT(base.cx, 3);
    EXPECT_EQ(m_dialog.GetClientRect(), CRect(0, 0, 200 * base.cx / 4, 120 * base.cy / 8));
    CRect edit = CWxProbe::ItemRect(m_dialog, kEdit);
    EXPECT_EQ(edit.left, 50 * base.cx / 4);
    EXPECT_EQ(edit.top, 5 * base.cy / 8);
    EXPECT_EQ(edit.Width(), 100 * base.cx / 4);
    CRect button = CWxProbe::ItemRect(m_dialog, kFind);
    EXPECT_EQ(button.Width(), 50 * base.cx / 4);
    // GTK may make a control taller than the template wants, never lower.
    EXPECT_GE(button.Height(), 14 * base.cy / 8);
    EXPECT_FALSE(CWxProbe::ItemEnabled(m_dialog, kFind));
    EXPECT_EQ(m_dialog.GetWindowText(), "検索");
}

TEST_F(WxDialogTest, ItemsKeepTextsChecksAndLists) {
    ASSERT_TRUE(m_dialog.Create());
    m_dialog.ShowWindow(true);
    m_dialog.SetDlgItemText(kEdit, "\\x0A日本語");
    EXPECT_EQ(m_dialog.GetDlgItemText(kEdit), "\\x0A日本語");
    m_dialog.SetDlgItemText(kCombo, "typed");
    m_dialog.SetComboItems(kCombo, {"ABC", "ｶﾀｶﾅ"});
    EXPECT_EQ(m_dialog.GetDlgItemText(kCombo), "typed"); // a new list keeps the edit part
    m_dialog.SetComboItems(kList, {"SJIS", "Unicode"});
    m_dialog.SetDlgItemText(kList, "Unicode");
    EXPECT_EQ(m_dialog.GetDlgItemText(kList), "Unicode");
    m_dialog.CheckDlgButton(kCheck, 1);
    EXPECT_EQ(m_dialog.IsDlgButtonChecked(kCheck), 1);
    m_dialog.CheckDlgButton(kRadio2, 1);
    EXPECT_EQ(m_dialog.IsDlgButtonChecked(kRadio1), 0);
    EXPECT_EQ(m_dialog.IsDlgButtonChecked(kRadio2), 1);
    m_dialog.CheckDlgButton(kRadio1, 1);
    EXPECT_EQ(m_dialog.IsDlgButtonChecked(kRadio2), 0);
    m_dialog.EnableDlgItem(kFind, true);
    EXPECT_TRUE(CWxProbe::ItemEnabled(m_dialog, kFind));
}

TEST_F(WxDialogTest, TheSpinButtonSetsTheNumberBeforeItWithinItsRange) {
    ASSERT_TRUE(m_dialog.Create());
    m_dialog.ShowWindow(true);
    m_dialog.GetDialogPeer()->SetSpinRange(kSpin, 1, 256);
    m_dialog.SetDlgItemText(kNumber, "255");
    EXPECT_TRUE(CWxProbe::StepSpin(m_dialog, kSpin, 1));
    EXPECT_EQ(m_dialog.GetDlgItemText(kNumber), "256");
    EXPECT_FALSE(CWxProbe::StepSpin(m_dialog, kSpin, 1));
    EXPECT_EQ(m_dialog.GetDlgItemText(kNumber), "256");
    m_dialog.SetDlgItemText(kNumber, "2");
    CWxProbe::StepSpin(m_dialog, kSpin, -1);
    CWxProbe::StepSpin(m_dialog, kSpin, -1);
    EXPECT_EQ(m_dialog.GetDlgItemText(kNumber), "1");
    // The arrow keys in the edit box work the spin button.
    CWxProbe::ItemKeyDown(m_dialog, kNumber, VK_UP);
    EXPECT_EQ(m_dialog.GetDlgItemText(kNumber), "2");
}

TEST_F(WxDialogTest, ButtonsEscapeAndEnterSendCommands) {
    ASSERT_TRUE(m_dialog.Create());
    m_dialog.ShowWindow(true);
    m_dialog.EnableDlgItem(kFind, true);
    CWxProbe::ClickItem(m_dialog, kFind);
    CWxProbe::ClickItem(m_dialog, kCheck);
    CWxProbe::ClickItem(m_dialog, IDOK);
    CWxProbe::DialogKey(m_dialog, VK_RETURN); // the default button's command
    CWxProbe::DialogKey(m_dialog, VK_ESCAPE);
    EXPECT_EQ(m_dialog.m_commands, (std::vector<UINT>{kFind, kCheck, IDOK, IDOK, IDCANCEL}));
    EXPECT_FALSE(m_dialog.IsWindowVisible()); // a modeless dialog hides on cancel
}

TEST_F(WxDialogTest, PostedCommandsComeAfterTheCurrentMessage) {
    ASSERT_TRUE(m_dialog.Create());
    m_dialog.ShowWindow(true);
    m_dialog.EnableDlgItem(kFind, true);
    m_dialog.PostCommand(kFind);
    CWxProbe::DropDownItem(m_dialog, kCombo);
    EXPECT_EQ(m_dialog.m_commands, std::vector<UINT>{kCombo});
    CWxProbe::Pump(30);
    EXPECT_EQ(m_dialog.m_commands, (std::vector<UINT>{kCombo, kFind}));
    // Cancel hides through the same hook as ShowWindow.
    CWxProbe::DialogKey(m_dialog, VK_ESCAPE);
    EXPECT_EQ(m_dialog.m_shown, (std::vector<bool>{true, false}));
}

// A dialog whose edit box and radios follow its fields.
class FieldDialog : public TestDialog {
public:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kEdit, m_strText);
        DDX_Radio(pDX, kRadio1, m_nRadio);
    }
    std::string m_strText;
    int m_nRadio = 0;
};

TEST_F(WxDialogTest, ModelessWindowIsBuiltWhenShownFromWhatWasSetBefore) {
    FieldDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(dialog.IsCreated());
    dialog.m_strText = "前に設定";
    dialog.m_nRadio = 1;
    dialog.ShowWindow(true);
    ASSERT_TRUE(dialog.IsCreated());
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.GetDlgItemText(kEdit), "前に設定");
    EXPECT_EQ(dialog.IsDlgButtonChecked(kRadio2), 1);
    EXPECT_EQ(dialog.m_shown, std::vector<bool>{true});
    // What the user typed outlives hiding.
    dialog.SetDlgItemText(kEdit, "入力");
    CWxProbe::DialogKey(dialog, VK_ESCAPE);
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.ShowWindow(true);
    EXPECT_EQ(dialog.GetDlgItemText(kEdit), "入力");
    dialog.DestroyWindow();
    CWxProbe::Pump(30);
}

// Its own timer ends the dialog while it runs modally; the timer is killed in its own tick.
class ModalDialog : public TestDialog {
public:
    bool OnInitDialog() override {
        TestDialog::OnInitDialog();
        SetTimer(7, 20);
        return true;
    }
    void OnTimer(UINT id) override {
        KillTimer(id);
        ++m_nTicks;
        EndDialog(IDOK);
    }
    int m_nTicks = 0;
};

TEST_F(WxDialogTest, AModalDialogRunsUntilEnded) {
    ModalDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nTicks, 1);
    EXPECT_FALSE(dialog.IsWindowVisible());
}

namespace {
constexpr UINT kPageOne = 301, kPageTwo = 302, kMode = 1101, kLimit = 1102;

CDialogDef Page(UINT id, std::vector<C> controls) {
    CDialogDef d;
    d.m_nID = id;
    d.m_size = CSize(150, 60);
    d.m_controls = std::move(controls);
    d.m_bChild = true;
    return d;
}

// The second page's edit box goes through data exchange when the sheet is accepted.
class LimitPage : public CPropertyPage {
public:
    LimitPage() : CPropertyPage(kPageTwo, "表示") {}
    bool OnInitDialog() override {
        CPropertyPage::OnInitDialog();
        m_pSheet->SetTimer(1, 20); // the user's turn: accept the sheet soon
        return true;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kLimit, m_nLimit); }
    int m_nLimit = 16;
};

class AcceptingSheet : public CPropertySheet {
public:
    AcceptingSheet() : CPropertySheet("基本設定", nullptr) {}
    void OnTimer(UINT id) override {
        KillTimer(id);
        CPropertyPage* page = GetPages()[1];
        m_nShownLimit = std::atoi(page->GetDlgItemText(kLimit).c_str());
        page->SetDlgItemText(kLimit, "64");
        OnCommandFromUI(IDOK);
    }
    int m_nShownLimit = 0;
};
} // namespace

TEST_F(WxDialogTest, APropertySheetShowsItsPagesAndTakesTheirValues) {
    m_resources.m_dialogs.push_back(
        Page(kPageOne, {Control(C::CheckBox, kMode, "挿入", 5, 5, 60, 10)}));
    m_resources.m_dialogs.push_back(Page(kPageTwo, {Control(C::Edit, kLimit, "", 5, 5, 40, 12)}));
    CPropertyPage first(kPageOne, "編集");
    LimitPage second;
    AcceptingSheet sheet;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.m_nShownLimit, 16); // the page put its value into its control
    EXPECT_EQ(second.m_nLimit, 64);     // and took the control's value back on OK
}

namespace {
// Changes the second page, goes back to the first, presses Apply and cancels: the tab hooks
// and Apply of the real sheet.
class SwitchingSheet : public CPropertySheet {
public:
    SwitchingSheet() : CPropertySheet("基本設定", nullptr) {}
    void OnTimer(UINT id) override {
        KillTimer(id);
        CPropertyPage* page = GetPages()[1];
        m_nMovedTo = CWxProbe::ClickSheetTab(*this, 1);
        page->SetDlgItemText(kLimit, "32");
        CWxProbe::ClickSheetTab(*this, 0);
        m_nActiveAfterLeaving = GetActiveIndex();
        m_nReadOnLeaving = static_cast<LimitPage*>(page)->m_nLimit;
        OnCommandFromUI(kApplyID);
        OnCommandFromUI(IDCANCEL);
    }
    void OnApply() override { ++m_nApplied; }
    int m_nMovedTo = -1;
    int m_nActiveAfterLeaving = -1;
    int m_nReadOnLeaving = 0;
    int m_nApplied = 0;
};
} // namespace

TEST_F(WxDialogTest, SheetTabsReadTheLeftPageAndApplyKeepsTheSheetOpen) {
    m_resources.m_dialogs.push_back(
        Page(kPageOne, {Control(C::CheckBox, kMode, "挿入", 5, 5, 60, 10)}));
    m_resources.m_dialogs.push_back(Page(kPageTwo, {Control(C::Edit, kLimit, "", 5, 5, 40, 12)}));
    CPropertyPage first(kPageOne, "編集");
    LimitPage second;
    SwitchingSheet sheet;
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.m_nMovedTo, 1);
    EXPECT_EQ(sheet.m_nActiveAfterLeaving, 0);
    EXPECT_EQ(sheet.m_nReadOnLeaving, 32); // leaving the page read it
    EXPECT_EQ(sheet.m_nApplied, 1);
    EXPECT_EQ(second.m_nLimit, 32); // and Cancel keeps what was read
}

TEST_F(WxDialogTest, ModelessDialogsOpenWhereTheyCoverNoOtherAndKeepTheirPlace) {
    TestDialog second;
    ASSERT_TRUE(m_dialog.Create());
    ASSERT_TRUE(second.Create());
    m_dialog.ShowWindow(true);
    CWxProbe::Pump(50);
    second.ShowWindow(true);
    CWxProbe::Pump(50);
    CRect a = m_dialog.GetWindowRect(), b = second.GetWindowRect();
    EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top)
        << a.left << "," << a.top << " " << b.left << "," << b.top;
    // Shown again, it stays where it was (or where the user moved it).
    second.ShowWindow(false);
    second.ShowWindow(true);
    CWxProbe::Pump(50);
    EXPECT_EQ(second.GetWindowRect(), b);
    second.DestroyWindow();
}
