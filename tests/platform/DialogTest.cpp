// Dialogs from templates: data exchange both ways, validation, modal and modeless use, sheets.
#include <gtest/gtest.h>

#include "platform/base/Afx.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/PropertySheet.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr UINT kEdit = 1000, kCheck = 1001, kRadioA = 1002, kRadioB = 1003, kRadioC = 1004;
constexpr UINT kNumber = 1005;

CControlDef Control(CControlDef::Kind kind, UINT id, unsigned style = 0) {
    CControlDef c;
    c.m_kind = kind;
    c.m_nID = id;
    c.m_style = style;
    return c;
}

CResourceSet MakeResources() {
    CResourceSet r;
    CDialogDef dlg;
    dlg.m_nID = 200;
    dlg.m_caption = "テスト";
    dlg.m_controls = {Control(CControlDef::Edit, kEdit),
                      Control(CControlDef::CheckBox, kCheck),
                      Control(CControlDef::RadioButton, kRadioA, CControlDef::kGroup),
                      Control(CControlDef::RadioButton, kRadioB),
                      Control(CControlDef::RadioButton, kRadioC),
                      Control(CControlDef::PushButton, IDOK, CControlDef::kGroup)};
    r.m_dialogs.push_back(dlg);
    CDialogDef page;
    page.m_nID = 201;
    page.m_bChild = true;
    page.m_controls = {Control(CControlDef::Edit, kNumber)};
    r.m_dialogs.push_back(page);
    return r;
}

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(200, nullptr) {}
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kEdit, m_strText);
        DDX_Check(pDX, kCheck, m_nCheck);
        DDX_Radio(pDX, kRadioA, m_nRadio);
    }
    std::string m_strText = "初期値";
    int m_nCheck = 1;
    int m_nRadio = 2;
};

class NumberPage : public CPropertyPage {
public:
    NumberPage() : CPropertyPage(201, "数値") {
        OnCommand(kNumber, [this] { SetDlgItemText(kNumber, "128"); });
    }
    bool OnInitDialog() override {
        SetSpinRange(kNumber + 1, 1, 256);
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kNumber, m_nValue);
        DDV_MinMaxInt(pDX, m_nValue, 1, 256);
    }
    int m_nValue = 16;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { CResourceSet::SetCurrent(&m_resources); }
    void TearDown() override { CResourceSet::SetCurrent(nullptr); }

    CHeadlessBackend m_backend;
    CResourceSet m_resources = MakeResources();
};
} // namespace

TEST_F(DialogTest, ModalDialogShowsFieldsAndTakesThemBackOnOK) {
    TestDialog dlg;
    m_backend.QueueDialog([](CHeadlessWindowPeer& peer) {
        EXPECT_EQ(peer.m_strText, "テスト");
        EXPECT_EQ(peer.GetItemText(kEdit), "初期値");
        EXPECT_EQ(peer.GetItemCheck(kCheck), 1);
        EXPECT_EQ(peer.GetItemCheck(kRadioC), 1);
        EXPECT_EQ(peer.GetItemCheck(kRadioA), 0);
        peer.SetItemText(kEdit, "新しい");
        peer.SetItemCheck(kCheck, 0);
        peer.SetItemCheck(kRadioC, 0);
        peer.SetItemCheck(kRadioA, 1);
        peer.m_pOwner->OnCommandFromUI(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, "新しい");
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_FALSE(dlg.IsCreated());
}

TEST_F(DialogTest, CancelLeavesTheFieldsAlone) {
    TestDialog dlg;
    m_backend.QueueDialog([](CHeadlessWindowPeer& peer) {
        peer.SetItemText(kEdit, "捨てる");
        peer.m_pOwner->OnCommandFromUI(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strText, "初期値");
    EXPECT_EQ(dlg.DoModal(), IDCANCEL); // no script: the user closes it
}

TEST_F(DialogTest, ModelessWindowIsBuiltWhenFirstShownFromTheFields) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_FALSE(dlg.IsCreated());
    EXPECT_EQ(m_backend.PeerOf(&dlg), nullptr);
    // Without a window the fields are the state: reading them back must not empty them.
    dlg.m_strText = "表示前";
    dlg.m_nRadio = 1;
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_strText, "表示前");
    dlg.ShowWindow(false);
    EXPECT_FALSE(dlg.IsCreated()); // hiding builds nothing

    dlg.ShowWindow(true);
    CHeadlessWindowPeer* peer = m_backend.PeerOf(&dlg);
    ASSERT_NE(peer, nullptr);
    EXPECT_TRUE(peer->m_bVisible);
    EXPECT_EQ(peer->m_strText, "テスト");
    EXPECT_EQ(peer->GetItemText(kEdit), "表示前");
    EXPECT_EQ(peer->GetItemCheck(kCheck), 1);
    EXPECT_EQ(peer->GetItemCheck(kRadioB), 1);
}

TEST_F(DialogTest, ModelessDialogHidesOnCancelAndKeepsItsWindow) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.ShowWindow(true);
    CHeadlessWindowPeer* peer = m_backend.PeerOf(&dlg);
    ASSERT_NE(peer, nullptr);
    peer->SetItemText(kEdit, "残る");
    dlg.OnCommandFromUI(IDCANCEL);
    EXPECT_FALSE(peer->m_bVisible);
    EXPECT_EQ(m_backend.PeerOf(&dlg), peer);
    dlg.ShowWindow(true);
    EXPECT_EQ(m_backend.PeerOf(&dlg), peer);
    EXPECT_EQ(dlg.GetDlgItemText(kEdit), "残る");
}

TEST_F(DialogTest, ModelessDialogWithoutTemplateIsRefused) {
    CDialog dlg(999, nullptr);
    EXPECT_FALSE(dlg.Create());
    dlg.ShowWindow(true);
    EXPECT_FALSE(dlg.IsCreated());
}

TEST_F(DialogTest, PostedCommandsWaitForThePumpAndGoWithTheirWindow) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create());
    // A command posted to a dialog never shown builds its window, hidden, to run in.
    dlg.PostCommand(IDOK);
    ASSERT_TRUE(dlg.IsCreated());
    EXPECT_FALSE(m_backend.PeerOf(&dlg)->m_bVisible);
    m_backend.PeerOf(&dlg)->SetItemCheck(kCheck, 0);
    EXPECT_EQ(dlg.m_nCheck, 1);
    EXPECT_EQ(m_backend.PumpMessages(), 1);
    EXPECT_EQ(dlg.m_nCheck, 0);
    dlg.PostCommand(IDOK);
    dlg.DestroyWindow();
    EXPECT_EQ(m_backend.PumpMessages(), 0);
}

TEST_F(DialogTest, SheetRefusesAValueOutOfRangeAndKeepsItOpen) {
    NumberPage page;
    CPropertySheet sheet("基本設定", nullptr);
    sheet.AddPage(&page);
    m_backend.QueueDialog([&](CHeadlessWindowPeer& peer) {
        EXPECT_EQ(peer.m_request.m_pageCaptions, std::vector<std::string>{"数値"});
        EXPECT_EQ(peer.GetItemText(kNumber), "16");
        EXPECT_EQ(peer.m_items[kNumber + 1].m_nHigh, 256);
        peer.SetItemText(kNumber, "0");
        peer.m_pOwner->OnCommandFromUI(IDOK);
        EXPECT_TRUE(peer.m_bModal); // still open after the refusal
        peer.SetItemText(kNumber, "x1");
        peer.m_pOwner->OnCommandFromUI(IDOK);
        EXPECT_TRUE(peer.m_bModal);
        peer.m_pOwner->OnCommandFromUI(kNumber); // reaches the page's handler
        EXPECT_EQ(peer.GetItemText(kNumber), "128");
        peer.SetItemText(kNumber, "64");
        peer.m_pOwner->OnCommandFromUI(IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(page.m_nValue, 64);
    ASSERT_EQ(m_backend.m_messages.size(), 2u);
    EXPECT_NE(m_backend.m_messages[0].m_strText.find("256"), std::string::npos);
}
