#pragma once
#include <cstdint>
#include <vector>

class CKolvaView;

using Pattern = std::vector<uint8_t>;

// Find, replace and replace all on a hex view, with the messages the user sees. Replace acts
// only on what the last successful find selected, and only in the view where it ran.
class CViewSearch {
public:
    CViewSearch() = delete;

    struct Options {
        bool bCaseSensitive = true;
        bool bInRange = false; // the registered range instead of the whole file
    };

    // bNew: a new search from the caret (not found says so with a beep); otherwise the search
    // goes on from the last match and not found means the search has ended. A failed search
    // leaves the caret where it was.
    static bool Find(CKolvaView& view, bool bForward, const Pattern& pattern, bool bNew,
                     const Options& options);
    // When the selection is still the match the last find made in this view, replaces it and
    // finds the next match of the same search; false when nothing was replaced.
    static bool ReplaceFound(CKolvaView& view, const Pattern& pattern, const Pattern& replacement,
                             const Options& options);
    static void ReplaceAll(CKolvaView& view, const Pattern& pattern, const Pattern& replacement,
                           const Options& options);
    // Whether replacing may change the view's document now; says why not when it may not.
    static bool MayChange(CKolvaView& view);

    static void NotFound(bool bBeep);

private:
    static bool Report(CKolvaView& view, bool bFound, bool bNew, int firstOldRow, int lastOldRow);
    static void ShowMatch(CKolvaView& view, int firstOldRow, int lastOldRow);

    // The view of the last successful find, or null after a failed one. Only compared with the
    // active view, never followed: that view may be gone.
    static const CKolvaView* s_pLastFound;
};
