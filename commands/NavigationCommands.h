#pragma once
#include "view/ViewCommandSet.h"

// Jumps of the caret to a typed address and to the start and the end of the data (Ctrl+Home,
// Ctrl+End: the accelerators turn those keys into commands before the view sees them).
class CNavigationCommands : public CViewCommandSet {
public:
    explicit CNavigationCommands(CKolvaView& view);

private:
    void GoTo(bool bEnd);
    void OnGoToAddress();
};
