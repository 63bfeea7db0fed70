#pragma once
#include <cstdint>
#include <vector>

class CKolvaView;

using Pattern = std::vector<uint8_t>;

// Find, replace and replace all on a hex view, with the messages the user sees. Whether the last
// find succeeded is one flag for the whole program: Replace acts on what that find selected.
class CViewSearch {
public:
    CViewSearch() = delete;

    struct Options {
        bool bCaseSensitive = true;
        bool bInRange = false; // the registered range instead of the whole file
    };

    // bNew: a new search from the caret (not found says so with a beep); otherwise the search
    // goes on from the last match and not found means the search has ended.
    static bool Find(CKolvaView& view, bool bForward, const Pattern& pattern, bool bNew,
                     const Options& options);
    // Replaces the selection the last successful find made.
    static bool ReplaceCurrent(CKolvaView& view, const Pattern& replacement);
    static void ReplaceAll(CKolvaView& view, const Pattern& pattern, const Pattern& replacement,
                           const Options& options);

    static bool LastFindSucceeded() { return s_bLastFind; }
    static void NotFound(bool bBeep);

private:
    static void ShowMatch(CKolvaView& view, int firstOldRow, int lastOldRow);
    static void Changed(CKolvaView& view);

    static bool s_bLastFind;
};
