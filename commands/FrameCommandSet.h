#pragma once
#include "platform/framework/CmdTarget.h"

class CKolvaDoc;
class CKolvaView;
class CMDIFrameWnd;

// Commands of the main frame that belong to this layer: find, replace, repeat the search and
// the insert string. A derived set fills its table in its constructor like any command target;
// the shell attaches it to the main frame, whose table then answers with the set's handlers
// after the frame's own.
class CFrameCommandSet : public CCmdTarget {
public:
    explicit CFrameCommandSet(CMDIFrameWnd& frame) : m_frame(frame) {}

protected:
    CMDIFrameWnd& Frame() const { return m_frame; }
    // The hex view of the active document window and its document; null while none is active.
    CKolvaView* ActiveView() const;
    CKolvaDoc* ActiveDocument() const;
    // The update of a command that needs a document window.
    void EnableWithDocumentWindow(CCmdUI* pCmdUI) const;

private:
    CMDIFrameWnd& m_frame;
};
