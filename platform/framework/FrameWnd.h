#pragma once
#include "platform/framework/FramePeer.h"
#include "platform/framework/Wnd.h"

class CView;
class CDocument;

// A frame window: holds an active view and routes commands.
class CFrameWnd : public CWnd {
public:
    CFramePeer* GetFramePeer() const { return PeerAs<CFramePeer>(); }
    virtual CView* GetActiveView() const { return m_pActiveView; }
    virtual void SetActiveView(CView* pView) { m_pActiveView = pView; }
    virtual CDocument* GetActiveDocument() const;
    // Lays out the bars and the view in the client area.
    virtual void RecalcLayout();
    virtual void OnUpdateFrameTitle() {}
    // Shows text in the frame's message pane.
    virtual void SetMessageText(const std::string& /*text*/) {}

protected:
    bool PeerFitsKind() const override { return GetFramePeer() != nullptr; }

    CView* m_pActiveView = nullptr;
};
