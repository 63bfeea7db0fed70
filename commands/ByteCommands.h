#pragma once
#include "platform/framework/CmdUI.h"
#include "view/ViewCommandSet.h"

class CBinData;
class CKolvaView;

// The commands that change single bytes at the caret or delete the selection. The view's
// Delete and Backspace keys run them too.
class CByteCommands : public CViewCommandSet {
public:
    explicit CByteCommands(CKolvaView& view);
    static void Install(CKolvaView& view);

    // The byte commands need: data, the caret's row on the screen, insert mode and no
    // selection.
    bool CanEditAtCaret();

private:
    void OnInsertNull();
    void OnDeleteChar();
    void OnDeleteBack();
    void OnDeleteSelection();
    void OnUpdateDeleteSelection(CCmdUI* pCmdUI);
    // Marks the document modified and refreshes the view.
    void Changed();
    CBinData* Data();

    CKolvaView& m_view;
};
