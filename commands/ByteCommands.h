#pragma once
#include "platform/framework/CmdUI.h"
#include "view/ViewCommandSet.h"

// The commands that change single bytes at the caret or delete the selection. The view's
// Delete and Backspace keys run them too.
class CByteCommands : public CViewCommandSet {
public:
    explicit CByteCommands(CKolvaView& view);

    // The byte commands need: data, the caret's row on the screen, insert mode and no
    // selection.
    bool CanEditAtCaret();

private:
    void OnDeleteChar();
    void OnDeleteBack();
    void OnDeleteSelection();
    void OnUpdateDeleteSelection(CCmdUI* pCmdUI);
};
