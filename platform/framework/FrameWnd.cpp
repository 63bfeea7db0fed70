#include "platform/framework/FrameWnd.h"

#include "platform/framework/Document.h"
#include "platform/framework/View.h"

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

CView* CFrameWnd::AttachView(std::unique_ptr<CView> pView) {
    m_pView = std::move(pView);
    return m_pView.get();
}

void CFrameWnd::DestroyView() {
    m_pActiveView = nullptr;
    std::unique_ptr<CView> view = std::move(m_pView);
    if (!view) return;
    if (CDocument* doc = view->GetDocument()) doc->RemoveView(view.get());
    view->DestroyWindow();
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pActiveView ? m_pActiveView->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout() {
    if (CFramePeer* peer = GetFramePeer()) peer->RecalcLayout();
}
