#include "platform/framework/FrameWnd.h"

#include "platform/framework/View.h"

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pActiveView ? m_pActiveView->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout() {
    if (CFramePeer* peer = GetFramePeer()) peer->RecalcLayout();
}
