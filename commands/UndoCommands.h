#pragma once
#include "view/ViewCommandSet.h"

// Undo, redo and the way back to the data as loaded. They ignore the editing mode, so changes
// made in insert mode can be taken back in VIEW.
class CUndoCommands : public CViewCommandSet {
public:
    explicit CUndoCommands(CKolvaView& view);

private:
    // Steps through the history; the views drop the selection, and the view shows the caret the
    // last step left.
    template <typename Steps> void Step(Steps&& steps);
};
