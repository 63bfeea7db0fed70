#pragma once
#include "platform/framework/ViewPeer.h"
#include "platform/framework/Wnd.h"

class CDocument;
class CFrameWnd;

// A view of a document inside a frame.
class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* pDoc) { m_pDocument = pDoc; }
    CFrameWnd* GetParentFrame() const;
    CViewPeer* GetViewPeer() const { return PeerAs<CViewPeer>(); }

    void SetScrollInfo(int bar, const SCROLLINFO& si, bool bRedraw = true);
    bool GetScrollInfo(int bar, SCROLLINFO& si, UINT mask = SIF_ALL);
    int GetScrollPos(int bar);
    void ShowScrollBar(int bar, bool bShow = true);

    void CreateSolidCaret(int w, int h);
    void SetCaretPos(CPoint pt);
    void ShowCaret();
    void HideCaret();
    void DestroyCaret();
    // Places the input method's composition at pt, in pFont.
    void SetImeCompositionWindow(CPoint pt, const CFont* pFont);

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
    bool PeerFitsKind() const override { return GetViewPeer() != nullptr; }

    CDocument* m_pDocument = nullptr;
};
