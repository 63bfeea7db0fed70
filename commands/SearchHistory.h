#pragma once
#include <string>
#include <vector>

// A ring of the last ten search or replacement texts in the settings, section "FindReplace":
// entries str<list>0..9 and the slot of the newest in ptr<list>.
class CSearchHistory {
public:
    explicit CSearchHistory(std::string list) : m_list(std::move(list)) {}

    static constexpr int kSlots = 10;

    // Adds text as the newest entry, unless it is empty or already the newest.
    void Add(const std::string& text) const;
    // All ten entries, newest first, empty ones included.
    std::vector<std::string> Entries() const;

private:
    int Newest() const;
    std::string EntryName(int slot) const;

    std::string m_list; // "Find" or "Replace"
};
