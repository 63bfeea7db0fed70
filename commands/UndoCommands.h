#pragma once
#include "platform/framework/CmdUI.h"
#include "view/ViewCommandSet.h"

class CBinData;
class CKolvaView;

// Undo, redo and the way back to the data as loaded. They ignore the editing mode, so changes
// made in insert mode can be taken back in VIEW.
class CUndoCommands : public CViewCommandSet {
public:
    explicit CUndoCommands(CKolvaView& view);
    static void Install(CKolvaView& view);

private:
    void OnUndo();
    void OnRedo();
    void OnUndoAll();
    // The document is modified exactly when the history stands elsewhere than at the saved
    // state; then the view shows the caret the step left.
    void AfterSteps();

    CKolvaView& m_view;
};
