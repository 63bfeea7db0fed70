#include "platform/framework/MDIChildWnd.h"

#include "platform/framework/Document.h"
#include "platform/framework/MDIFrameWnd.h"

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    return dynamic_cast<CMDIFrameWnd*>(m_pParent);
}

bool CMDIChildWnd::Create(CMDIFrameWnd* pFrame, const std::string& title) {
    return MakeWindow(pFrame, title, false);
}

bool CMDIChildWnd::MakeWindow(CMDIFrameWnd* pFrame, const std::string& title, bool bMaximized) {
    CWindowRequest request;
    request.m_kind = CWindowRequest::ChildFrame;
    request.m_pParent = pFrame;
    request.m_strTitle = title;
    request.m_bMaximized = bMaximized;
    if (!CreatePeer(request)) return false;
    pFrame->AddChild(this);
    // A backend that cannot make it maximized maximizes it now.
    if (bMaximized) MDIMaximize();
    return true;
}

void CMDIChildWnd::MDIActivate() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

void CMDIChildWnd::MDIMaximize() {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (CMainFramePeer* peer = frame ? frame->GetMainFramePeer() : nullptr)
        peer->MaximizeChild(this);
}

void CMDIChildWnd::OnUpdateFrameTitle() {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame && frame->MDIGetActive() == this) frame->OnUpdateFrameTitle();
}

void CMDIChildWnd::OnClose() {
    CDocument* doc = GetActiveDocument();
    if (!doc) {
        DestroyWindow();
        return;
    }
    if (doc->CanCloseFrame()) doc->OnCloseDocument();
}

void CMDIChildWnd::OnDestroy() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->RemoveChild(this);
    DestroyView();
}
