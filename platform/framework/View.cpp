#include "platform/framework/View.h"

#include "platform/framework/FrameWnd.h"

CFrameWnd* CView::GetParentFrame() const {
    return dynamic_cast<CFrameWnd*>(m_pParent);
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
