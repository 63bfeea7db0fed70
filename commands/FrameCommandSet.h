#pragma once
#include "platform/framework/CmdUI.h"
#include "platform/framework/CommandSet.h"

class CKolvaDoc;
class CKolvaView;
class CMDIFrameWnd;

// Commands of the main frame that belong to this layer: find, replace, repeat the search and
// the insert string, attached to the main frame by the shell.
class CFrameCommandSet : public CCommandSet<CMDIFrameWnd> {
public:
    using CCommandSet::CCommandSet;

protected:
    CMDIFrameWnd& Frame() const { return m_owner; }
    // The hex view of the active document window and its document; null while none is active.
    CKolvaView* ActiveView() const;
    CKolvaDoc* ActiveDocument() const;
    // The update of a command that needs a document window.
    void EnableWithDocumentWindow(CCmdUI* pCmdUI) const;
};
