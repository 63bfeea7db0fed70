#pragma once
#include "platform/framework/ViewPeer.h"
#include "platform/framework/Wnd.h"

class CDocument;
class CFrameWnd;
class CPrintInfo;

// A view of a document inside a frame.
class CView : public CWnd {
public:
    CView();

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
    // Before every paint and every printed page.
    virtual void OnPrepareDC(CDC* /*pDC*/) {}
    virtual void OnActivateView(bool /*bActivate*/, CView* /*pActivate*/, CView* /*pDeactive*/) {}

    // Printing: prepare (false cancels the job), begin with the printer context, one call per
    // page, end. A page is drawn by OnDraw unless the view prints its own.
    virtual bool OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }
    virtual void OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
    virtual void OnPrint(CDC* pDC, CPrintInfo* /*pInfo*/) { OnDraw(pDC); }
    virtual void OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

    void OnPaint(CDC* pDC) override {
        OnPrepareDC(pDC);
        OnDraw(pDC);
    }

protected:
    // The print dialog belongs to the printer's run of the job, so there is nothing to ask yet.
    bool DoPreparePrinting(CPrintInfo* /*pInfo*/) { return true; }
    // The print commands: with the dialog, straight to the printer, or into a preview window.
    void OnFilePrint(bool bDirect);
    void OnFilePrintPreview();
    bool PeerFitsKind() const override { return GetViewPeer() != nullptr; }

    CDocument* m_pDocument = nullptr;
};
