#pragma once
#include "engine/EditMode.h"
#include "platform/framework/CmdUI.h"
#include "view/ViewCommandSet.h"

// The editing modes of a view's document: VIEW, overwrite and insert, which of them the
// document may be in, and the commands that switch between them.
class CEditModes : public CViewCommandSet {
public:
    explicit CEditModes(CKolvaView& view);

    // VIEW always; every mode in a new document; otherwise up to the smaller of what the
    // options allow and what the data allows (nothing beyond VIEW when read-only or
    // off-memory).
    static bool IsPermitted(const CKolvaDoc& doc, int mode);

private:
    void SetMode(int mode);
    void OnToggle();
    void OnUpdateView(CCmdUI* pCmdUI);
    // Overwrite or insert: enabled when permitted. A document found in a mode it may no longer
    // be in falls to VIEW here.
    void OnUpdateEditing(CCmdUI* pCmdUI, int mode);
};
