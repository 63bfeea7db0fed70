#include "platform/framework/View.h"

#include <memory>
#include <string>

#include "platform/base/ResourceSet.h"
#include "platform/framework/SystemServices.h"

#include "platform/base/FrameworkIds.h"
#include "platform/framework/Backend.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/PrintJob.h"
#include "platform/framework/PrintService.h"

CView::CView() {
    OnCommand(FrameworkIds::kFilePrint, [this] { OnFilePrint(false); });
    OnCommand(FrameworkIds::kFilePrintDirect, [this] { OnFilePrint(true); });
    OnCommand(FrameworkIds::kFilePrintPreview, [this] { OnFilePrintPreview(); });
}

CFrameWnd* CView::GetParentFrame() const {
    return dynamic_cast<CFrameWnd*>(m_pParent);
}

void CView::OnFilePrint(bool bDirect) {
    CPrintInfo info;
    if (!OnPreparePrinting(&info)) return;
    CPrintJob job(*this, info);
    // A page range of the print dialog that misses the document prints nothing (GTK then
    // ends the job as if it had been cancelled).
    CBackend::Current().Printing().Print(job, !bDirect);
    if (job.HasBegun() && job.PagesPrinted() == 0) {
        std::string text = CResourceSet::Current().LoadString(FrameworkIds::kPagesOutOfRange);
        AfxMessageBox(text.empty() ? "指定したページは範囲外です。" : text, MB_ICONEXCLAMATION);
    }
}

void CView::OnFilePrintPreview() {
    CPrintInfo info;
    info.m_bPreview = true;
    if (!OnPreparePrinting(&info)) return;
    CBackend::Current().Printing().Preview(std::make_unique<CPrintJob>(*this, info));
}

void CView::SetScrollInfo(int bar, const SCROLLINFO& si, bool bRedraw) {
    if (CViewPeer* peer = GetViewPeer()) peer->SetScrollInfo(bar, si, bRedraw);
}

bool CView::GetScrollInfo(int bar, SCROLLINFO& si, UINT mask) {
    si.fMask = mask;
    CViewPeer* peer = GetViewPeer();
    return peer && peer->GetScrollInfo(bar, si);
}

int CView::GetScrollPos(int bar) {
    SCROLLINFO si;
    return GetScrollInfo(bar, si, SIF_POS) ? si.nPos : 0;
}

void CView::ShowScrollBar(int bar, bool bShow) {
    if (CViewPeer* peer = GetViewPeer()) peer->ShowScrollBar(bar, bShow);
}

void CView::CreateSolidCaret(int w, int h) {
    if (CViewPeer* peer = GetViewPeer()) peer->CreateCaret(w, h);
}

void CView::SetCaretPos(CPoint pt) {
    if (CViewPeer* peer = GetViewPeer()) peer->SetCaretPos(pt);
}

void CView::ShowCaret() {
    if (CViewPeer* peer = GetViewPeer()) peer->ShowCaret();
}

void CView::HideCaret() {
    if (CViewPeer* peer = GetViewPeer()) peer->HideCaret();
}

void CView::DestroyCaret() {
    if (CViewPeer* peer = GetViewPeer()) peer->DestroyCaret();
}

void CView::SetImeCompositionWindow(CPoint pt, const CFont* pFont) {
    if (CViewPeer* peer = GetViewPeer()) peer->SetImeCompositionWindow(pt, pFont);
}
