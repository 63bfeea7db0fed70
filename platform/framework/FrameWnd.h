#pragma once
#include "platform/framework/Wnd.h"

class CView;
class CDocument;

// A frame window: holds an active view and routes commands.
class CFrameWnd : public CWnd {
public:
    virtual CView* GetActiveView() const { return m_pActiveView; }
    virtual void SetActiveView(CView* pView) { m_pActiveView = pView; }
    virtual CDocument* GetActiveDocument() const;
    // Lays out the bars and the view in the client area.
    virtual void RecalcLayout();
    virtual void OnUpdateFrameTitle() {}
    // Shows text in the frame's message pane.
    virtual void SetMessageText(const std::string& /*text*/) {}

protected:
    CView* m_pActiveView = nullptr;
};
