#pragma once
#include "platform/framework/CmdUI.h"
#include "view/ViewCommandSet.h"

class CBinData;

// Marks on byte positions, the jumps between them (with Shift they select up to the mark),
// and the registered range that searches and dumps can be limited to.
class CMarkCommands : public CViewCommandSet {
public:
    explicit CMarkCommands(CKolvaView& view);

    // Drops the marks that an edit has left beyond the last byte; gives how many remain.
    static int PruneMarks(CBinData& data);

private:
    void OnToggle();
    void OnJump(bool bNext);
    // The mark a jump from the caret goes to, wrapping at either end; -1 with no marks.
    int JumpTarget(bool bNext);
    void OnClearAll();
    void OnRegister();
    void EnableWithMarks(CCmdUI* pCmdUI);
};
