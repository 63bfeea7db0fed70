#include "commands/FrameCommandSet.h"

#include "engine/KolvaDoc.h"
#include "platform/framework/MDIFrameWnd.h"
#include "view/KolvaView.h"

CKolvaView* CFrameCommandSet::ActiveView() const {
    return dynamic_cast<CKolvaView*>(Frame().GetActiveView());
}

CKolvaDoc* CFrameCommandSet::ActiveDocument() const {
    return dynamic_cast<CKolvaDoc*>(Frame().GetActiveDocument());
}

void CFrameCommandSet::EnableWithDocumentWindow(CCmdUI* pCmdUI) const {
    pCmdUI->Enable(Frame().MDIGetActive() != nullptr);
}
