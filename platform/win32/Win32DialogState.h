#pragma once
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/ResourceTypes.h"
#include "platform/framework/DialogPeer.h"

// What the program sets on a dialog's controls before its window is made: a modeless dialog
// gets its window when it is first shown, not at start-up, and is then given these states.
class CWin32DialogState {
public:
    explicit CWin32DialogState(const CDialogDef& def);

    void SetText(UINT id, const std::string& text) { m_items[id].m_text = text; }
    std::string GetText(UINT id) const;
    void SetCheck(UINT id, int state) { m_items[id].m_check = state; }
    int GetCheck(UINT id) const;
    void Enable(UINT id, bool bEnable) { m_items[id].m_enabled = bEnable; }
    void SetItems(UINT id, const std::vector<std::string>& items);
    void SetRange(UINT id, int low, int high) { m_items[id].m_range = std::make_pair(low, high); }
    void Focus(UINT id) { m_nFocus = id; }

    // Gives the states to the dialog's window, in the order a program sets them.
    void Replay(CDialogPeer& peer) const;

private:
    struct Item {
        std::optional<std::vector<std::string>> m_list;
        std::optional<std::pair<int, int>> m_range;
        std::optional<std::string> m_text;
        std::optional<int> m_check;
        std::optional<bool> m_enabled;
    };
    const CDialogDef& m_def;
    std::map<UINT, Item> m_items;
    UINT m_nFocus = 0;
};
