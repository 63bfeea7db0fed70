#include "platform/win32/Win32DialogState.h"

CWin32DialogState::CWin32DialogState(const CDialogDef& def) : m_def(def) {}

std::string CWin32DialogState::GetText(UINT id) const {
    auto it = m_items.find(id);
    if (it != m_items.end() && it->second.m_text) return *it->second.m_text;
    // The template's own text until the program sets another.
    for (const CControlDef& c : m_def.m_controls)
        if (c.m_nID == id && c.m_kind != CControlDef::Edit && c.m_kind != CControlDef::ComboBox)
            return c.m_text;
    return std::string();
}

int CWin32DialogState::GetCheck(UINT id) const {
    auto it = m_items.find(id);
    return it != m_items.end() && it->second.m_check ? *it->second.m_check : 0;
}

void CWin32DialogState::SetItems(UINT id, const std::vector<std::string>& items) {
    m_items[id].m_list = items;
}

void CWin32DialogState::Replay(CDialogPeer& peer) const {
    for (const auto& [id, item] : m_items) {
        if (item.m_list) peer.SetComboItems(id, *item.m_list);
        if (item.m_range) peer.SetSpinRange(id, item.m_range->first, item.m_range->second);
        if (item.m_text) peer.SetItemText(id, *item.m_text);
        if (item.m_check) peer.SetItemCheck(id, *item.m_check);
        if (item.m_enabled) peer.EnableItem(id, *item.m_enabled);
    }
    if (m_nFocus) peer.FocusItem(m_nFocus);
}
