#pragma once
#include "platform/framework/Wnd.h"

class CDocument;
class CFrameWnd;

// A view of a document inside a frame.
class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* pDoc) { m_pDocument = pDoc; }
    CFrameWnd* GetParentFrame() const;

    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
    virtual void OnUpdate(CView* /*pSender*/, long /*lHint*/) { Invalidate(true); }
    virtual void OnDraw(CDC* /*pDC*/) {}
    virtual void OnPrepareDC(CDC* /*pDC*/) {}
    virtual void OnActivateView(bool /*bActivate*/, CView* /*pActivate*/, CView* /*pDeactive*/) {}

    void OnPaint(CDC* pDC) override {
        OnPrepareDC(pDC);
        OnDraw(pDC);
    }

protected:
    CDocument* m_pDocument = nullptr;
};
