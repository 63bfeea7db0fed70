// Which editing modes a document may be in, the mode commands and the fall back to VIEW.
#include <sys/stat.h>

#include "commands/EditModes.h"
#include "tests/view/ViewFixture.h"

namespace {
class EditModesTest : public ViewFixture {
protected:
    int Mode(CKolvaView* view) { return view->GetDocument()->m_nEditMode; }
    CKolvaView* OpenReadOnly(const Bytes& bytes) {
        std::string path = m_dir.Write("ro.bin", bytes);
        chmod(path.c_str(), 0444);
        CDocument* doc = m_app.OpenDocumentFile(path);
        return doc ? dynamic_cast<CKolvaView*>(doc->GetViews().at(0)) : nullptr;
    }
};
} // namespace

TEST_F(EditModesTest, ReadOnlyFileFallsToViewOnTheFirstUpdate) {
    m_host.m_nInitialMode = 2;
    CKolvaView* view = OpenReadOnly(Str("data"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Mode(view), 2);
    EXPECT_FALSE(Enabled(ID_MODE_OVERWRITE));
    EXPECT_EQ(Mode(view), 2); // the overwrite handler leaves insert mode alone
    CCmdUI insert = m_frame->QueryCommand(ID_MODE_INSERT);
    EXPECT_FALSE(insert.m_bEnabled);
    EXPECT_EQ(insert.m_nCheck, 0);
    EXPECT_EQ(Mode(view), 0);
    EXPECT_EQ(m_frame->QueryCommand(ID_MODE_VIEW).m_nCheck, 1);
    EXPECT_FALSE(m_frame->SendCommand(ID_MODE_INSERT));
    EXPECT_EQ(Mode(view), 0);
}

TEST_F(EditModesTest, InsertModeNoLongerAllowedFallsToViewNotOverwrite) {
    CKolvaView* view = Open(Str("data"));
    ASSERT_EQ(Mode(view), 2);
    m_host.m_nAllowedMode = 1;
    view->CaretState().m_nNibble = 1;
    m_frame->GetMainFramePeer()->UpdateCommandUI(); // the toolbar's idle update
    EXPECT_EQ(Mode(view), 0);
    EXPECT_EQ(view->CaretState().m_nNibble, 0);
    EXPECT_EQ(Peer(view)->m_caretSize, CSize(16, 3));
    EXPECT_TRUE(Enabled(ID_MODE_OVERWRITE));
    ASSERT_TRUE(m_frame->SendCommand(ID_MODE_OVERWRITE));
    EXPECT_EQ(Mode(view), 1);
    EXPECT_EQ(Peer(view)->m_caretSize, CSize(8, 16));
}

TEST_F(EditModesTest, NewDocumentMayBeInEveryMode) {
    m_host.m_nAllowedMode = 0;
    CKolvaView* view = Open(Bytes(), 30, "new");
    EXPECT_EQ(Mode(view), 2);
    for (UINT id : {ID_MODE_VIEW, ID_MODE_OVERWRITE, ID_MODE_INSERT})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ(Mode(view), 2);
    EXPECT_TRUE(CEditModes::IsPermitted(*view->GetDocument(), kModeOverwrite));
}

TEST_F(EditModesTest, InsertKeyTogglesOnlyBetweenPermittedModes) {
    CKolvaView* view = Open(Str("data"));
    m_backend.PressKey(VK_INSERT);
    EXPECT_EQ(Mode(view), 1);
    m_backend.PressKey(VK_INSERT);
    EXPECT_EQ(Mode(view), 2);
    m_host.m_nAllowedMode = 1;
    m_frame->SendCommand(ID_MODE_OVERWRITE);
    m_backend.PressKey(VK_INSERT);
    EXPECT_EQ(Mode(view), 1);
    EXPECT_EQ(Beeps(), 1u);
    m_frame->SendCommand(ID_MODE_VIEW);
    m_backend.PressKey(VK_INSERT);
    EXPECT_EQ(Mode(view), 0);
    EXPECT_EQ(Beeps(), 2u);
}
