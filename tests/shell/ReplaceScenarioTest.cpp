// The Replace dialog left open while documents change mode or come and go, through the
// application as a user drives it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/shell/ShellFixture.h"

namespace {
const char kViewOnly[] = "このﾌｧｲﾙは表示専用のため、置換できません。";

class ReplaceScenarioTest : public ShellFixture {
protected:
    void Start(std::vector<std::string> args) {
        m_backend.m_profile.WriteInt("Settings", "InitialMode", 2);
        m_backend.m_profile.WriteInt("Settings", "nMaxOnMemoryFileSize", 1);
        ShellFixture::Start(std::move(args));
        ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_EDIT_REPLACE));
        for (CHeadlessWindowPeer* peer : m_backend.WindowsOfKind(CWindowRequest::Dialog))
            if (peer->m_request.m_nID == IDD_REPLACE) m_pDialog = peer;
        ASSERT_NE(m_pDialog, nullptr);
        m_pDialog->SetItemText(IDC_FIND_TEXT, "ab");
        m_pDialog->SetItemText(IDC_REPLACE_TEXT, "xy");
    }
    // The document opened while the dialog is open, after the toolbar had its idle update.
    CKolvaDoc* OpenAndIdle(const std::string& path) {
        m_app.OpenDocumentPath(path);
        m_app.OnIdle();
        m_backend.m_messages.clear();
        return Active();
    }
    bool ReplaceAllEnabled() { return m_pDialog->m_items[IDC_REPLACE_ALL].m_bEnabled; }
    void PressReplaceAll() { m_pDialog->m_pOwner->OnCommandFromUI(IDC_REPLACE_ALL); }
    // The first four bytes, read as the document reads them (off-memory too).
    Bytes Head(CKolvaDoc* doc) {
        const uint8_t* p = doc->m_pData->GetBytes(0, 4);
        return Bytes(p, p + 4);
    }

    CHeadlessWindowPeer* m_pDialog = nullptr;
};
} // namespace

TEST_F(ReplaceScenarioTest, ReplaceFollowsTheModeAndRefusesDocumentsThatMayNotChange) {
    Start({m_dir.Write("a.bin", Str("abab"))});
    CKolvaDoc* editable = Active();
    EXPECT_TRUE(ReplaceAllEnabled());
    // The toolbar's VIEW button with the dialog open.
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_MODE_VIEW));
    EXPECT_FALSE(ReplaceAllEnabled());
    // Presses already on their way.
    PressReplaceAll();
    m_pDialog->m_pOwner->OnCommandFromUI(IDC_REPLACE);
    EXPECT_EQ(Head(editable), Str("abab"));
    EXPECT_EQ(m_backend.m_beeps.size(), 2u);
    EXPECT_TRUE(m_backend.m_messages.empty());
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_MODE_INSERT));
    EXPECT_TRUE(ReplaceAllEnabled());

    std::string path = m_dir.Write("ro.bin", Str("abab"));
    chmod(path.c_str(), 0444);
    CKolvaDoc* readOnly = OpenAndIdle(path);
    EXPECT_EQ(readOnly->m_nEditMode, 0);
    EXPECT_FALSE(ReplaceAllEnabled());
    EXPECT_EQ(m_pDialog->m_strText, "置換 - [" + readOnly->GetTitle() + "]");
    PressReplaceAll();
    EXPECT_EQ(Head(readOnly), Str("abab"));
    EXPECT_FALSE(readOnly->IsModified());
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, kViewOnly);

    Bytes big((1 << 20) + 5, '_');
    big[0] = 'a';
    big[1] = 'b';
    CKolvaDoc* offMemory = OpenAndIdle(m_dir.Write("big.bin", big));
    ASSERT_TRUE(offMemory->m_pData->m_bOffMemory);
    PressReplaceAll();
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, kViewOnly); // not "not found"

    // Back in the first window the buttons come back.
    m_app.MainFrame()->SendCommand(ID_FILEBAR_FIRST);
    EXPECT_TRUE(ReplaceAllEnabled());
    PressReplaceAll();
    EXPECT_EQ(Head(editable), Str("xyxy"));
}
