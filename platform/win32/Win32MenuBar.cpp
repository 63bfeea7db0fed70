#include "platform/win32/Win32MenuBar.h"

#include <algorithm>

#include "platform/base/FrameworkIds.h"
#include "platform/framework/CmdUI.h"
#include "platform/framework/Wnd.h"
#include "platform/win32/Win32Text.h"

using FrameworkIds::kFirstRecentFile;
using FrameworkIds::kLastRecentFile;
using FrameworkIds::kRecentFileCount;

namespace {
constexpr int kLastMnemonicDigit = 9;

std::string EscapeMnemonics(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

bool IsRecentFile(UINT id) {
    return id >= kFirstRecentFile && id <= kLastRecentFile;
}
} // namespace

CWin32MenuBar::CWin32MenuBar(const CMenuDef& def) : m_hMenu(CreateMenu()) {
    for (const CMenuItemDef& popup : def.m_popups)
        AppendMenuW(m_hMenu, MF_POPUP | MF_STRING,
                    reinterpret_cast<UINT_PTR>(BuildPopup(popup.m_children)),
                    CWin32Text::Wide(popup.m_text).c_str());
}

HMENU CWin32MenuBar::BuildPopup(const std::vector<CMenuItemDef>& items) {
    HMENU menu = CreatePopupMenu();
    for (const CMenuItemDef& item : items) {
        std::wstring text = CWin32Text::Wide(item.m_text);
        switch (item.m_kind) {
        case CMenuItemDef::Separator:
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            break;
        case CMenuItemDef::Popup:
            AppendMenuW(menu, MF_POPUP | MF_STRING,
                        reinterpret_cast<UINT_PTR>(BuildPopup(item.m_children)), text.c_str());
            break;
        case CMenuItemDef::Command:
            if (item.m_nID == kFirstRecentFile) {
                m_hRecentMenu = menu;
                m_strRecentPlaceholder = text;
            }
            AppendMenuW(menu, MF_STRING | (item.m_bDisabled ? MF_GRAYED : 0), item.m_nID,
                        text.c_str());
            break;
        }
    }
    return menu;
}

void CWin32MenuBar::Update(HMENU popup, CWnd* pOwner) {
    if (!pOwner) return;
    int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1) || id >= FrameworkIds::kFirstMDIChild) continue;
        CCmdUI state(id);
        pOwner->OnUpdateFromUI(&state);
        EnableMenuItem(popup, id, MF_BYCOMMAND | (state.m_bEnabled ? MF_ENABLED : MF_GRAYED));
        if (IsRecentFile(id)) continue;
        bool checked = state.m_bCheckSet && state.m_nCheck != 0;
        CheckMenuItem(popup, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        if (state.m_bTextSet)
            ModifyMenuW(popup, id, MF_BYCOMMAND | MF_STRING | (state.m_bEnabled ? 0 : MF_GRAYED),
                        id, CWin32Text::Wide(state.m_strText).c_str());
    }
}

std::string CWin32MenuBar::RecentFileLabel(int index, const std::string& path) {
    std::string number = std::to_string(index + 1);
    // Numbers 1 to 9 are their own mnemonics, 10 has the 0.
    if (index < kLastMnemonicDigit)
        number = "&" + number;
    else if (index == kLastMnemonicDigit)
        number = "1&0";
    return number + " " + EscapeMnemonics(path);
}

void CWin32MenuBar::SetRecentFiles(const std::vector<std::string>& paths) {
    if (!m_hRecentMenu) return;
    int position = -1;
    for (int i = GetMenuItemCount(m_hRecentMenu) - 1; i >= 0; --i)
        if (IsRecentFile(GetMenuItemID(m_hRecentMenu, i))) {
            DeleteMenu(m_hRecentMenu, static_cast<UINT>(i), MF_BYPOSITION);
            position = i;
        }
    size_t count = std::min(paths.size(), static_cast<size_t>(kRecentFileCount));
    if (count == 0) {
        InsertMenuW(m_hRecentMenu, static_cast<UINT>(position),
                    MF_BYPOSITION | MF_STRING | MF_GRAYED, kFirstRecentFile,
                    m_strRecentPlaceholder.c_str());
        return;
    }
    for (size_t i = 0; i < count; ++i)
        InsertMenuW(m_hRecentMenu, static_cast<UINT>(position + static_cast<int>(i)),
                    MF_BYPOSITION | MF_STRING, kFirstRecentFile + i,
                    CWin32Text::Wide(RecentFileLabel(static_cast<int>(i), paths[i])).c_str());
}

HACCEL CWin32MenuBar::Accelerators(const CAccelTableDef& def) {
    std::vector<ACCEL> keys;
    for (const CAccelDef& entry : def.m_entries)
        keys.push_back(ACCEL{static_cast<BYTE>(entry.m_fVirt), static_cast<WORD>(entry.m_key),
                             static_cast<WORD>(entry.m_cmd)});
    return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}
