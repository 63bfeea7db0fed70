#include "commands/FrameCommandSet.h"

#include "engine/KolvaDoc.h"
#include "platform/framework/MDIFrameWnd.h"
#include "view/KolvaView.h"

CKolvaView* CFrameCommandSet::ActiveView() const {
    return dynamic_cast<CKolvaView*>(m_frame.GetActiveView());
}

CKolvaDoc* CFrameCommandSet::ActiveDocument() const {
    return dynamic_cast<CKolvaDoc*>(m_frame.GetActiveDocument());
}

void CFrameCommandSet::EnableWithDocumentWindow(CCmdUI* pCmdUI) const {
    pCmdUI->Enable(m_frame.MDIGetActive() != nullptr);
}
