#include "commands/SearchHistory.h"

#include "platform/framework/WinApp.h"

namespace {
const char kSection[] = "FindReplace";
}

int CSearchHistory::Newest() const {
    int slot = AfxGetApp()->GetProfileInt(kSection, "ptr" + m_list, 0);
    // A value edited by hand outside the ring counts as slot 0.
    return slot >= 0 && slot < kSlots ? slot : 0;
}

std::string CSearchHistory::EntryName(int slot) const {
    return "str" + m_list + std::to_string(slot);
}

void CSearchHistory::Add(const std::string& text) const {
    if (text.empty()) return;
    CWinApp* app = AfxGetApp();
    int slot = Newest();
    if (app->GetProfileString(kSection, EntryName(slot), "") == text) return;
    slot = (slot + kSlots - 1) % kSlots;
    app->WriteProfileInt(kSection, "ptr" + m_list, slot);
    app->WriteProfileString(kSection, EntryName(slot), text);
}

std::vector<std::string> CSearchHistory::Entries() const {
    CWinApp* app = AfxGetApp();
    int newest = Newest();
    std::vector<std::string> entries;
    for (int i = 0; i < kSlots; ++i)
        entries.push_back(app->GetProfileString(kSection, EntryName((newest + i) % kSlots), ""));
    return entries;
}
