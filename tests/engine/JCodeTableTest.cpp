// The character-code table against the resources that must name every code in it.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/JCodeTable.h"
#include "platform/base/ResourceSet.h"
#include "res/Resource.h"
#include "res/Resources.h"

namespace {
bool HasItem(const std::vector<CMenuItemDef>& items, UINT id) {
    return std::any_of(items.begin(), items.end(), [id](const CMenuItemDef& item) {
        return item.m_nID == id || HasItem(item.m_children, id);
    });
}
} // namespace

TEST(JCodeTable, EveryCodeHasItsMenuItemPromptAndRadioAtItsValue) {
    const CResourceSet& res = QuelmResources();
    const auto& menu = res.FindMenu(IDR_MAINFRAME)->m_popups;
    const auto& controls = res.FindDialog(IDD_OPTION_DISPLAY)->m_controls;
    const auto& codes = CJCodeTable::All();
    // The options page reads the code as the place of the checked button in its group.
    auto radio = std::find_if(controls.begin(), controls.end(), [&](const CControlDef& c) {
        return c.m_nID == codes.front().m_nRadioID;
    });
    for (const JCodeTraits& code : codes) {
        SCOPED_TRACE(code.m_pszStatus);
        EXPECT_TRUE(HasItem(menu, code.m_nMenuID));
        EXPECT_NE(res.LoadString(code.m_nMenuID), "");
        ASSERT_TRUE(radio != controls.end() && radio->m_kind == CControlDef::RadioButton);
        EXPECT_EQ(radio->m_nID, code.m_nRadioID);
        ++radio;
    }
    EXPECT_TRUE(radio == controls.end() || radio->m_kind != CControlDef::RadioButton ||
                (radio->m_style & CControlDef::kGroup));
}

TEST(JCodeTable, AStoredValueOutsideTheTableReadsAsAscii) {
    EXPECT_EQ(CJCodeTable::FromSetting(1), JCode::kUnicode);
    EXPECT_EQ(CJCodeTable::FromSetting(-1), JCode::kAscii);
    EXPECT_EQ(CJCodeTable::FromSetting(kJCodeCount), JCode::kAscii);
}
