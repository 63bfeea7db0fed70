#include "platform/framework/FrameWnd.h"

#include "platform/framework/View.h"

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pActiveView ? m_pActiveView->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout() {
    if (m_pPeer) m_pPeer->RecalcLayout();
}
