#pragma once
#include <memory>

#include "platform/framework/FramePeer.h"
#include "platform/framework/Wnd.h"

class CView;
class CDocument;

// A frame window: owns its view and routes commands.
class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    CFramePeer* GetFramePeer() const { return PeerAs<CFramePeer>(); }
    // The frame owns the view from now on; it becomes active once its window is made.
    CView* AttachView(std::unique_ptr<CView> pView);
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
    // Takes the view away from its document and destroys it with its window.
    void DestroyView();

    CView* m_pActiveView = nullptr;

private:
    std::unique_ptr<CView> m_pView;
};
