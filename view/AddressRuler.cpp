#include "view/AddressRuler.h"

#include "platform/framework/DC.h"
#include "view/KolvaView.h"

bool CAddressRuler::Create(CWnd* pParent) {
    CWindowRequest window;
    window.m_kind = CWindowRequest::Control;
    window.m_pParent = pParent;
    window.m_nID = kControlId;
    if (!CreatePeer(window)) return false;
    MoveWindow(CRect());
    ShowWindow(true);
    return true;
}

void CAddressRuler::SetRulerFont(CFont* pFont) {
    m_pFont = pFont;
    Invalidate(true);
}

void CAddressRuler::ScrollBy(int dx, int dy) {
    ScrollWindow(dx, dy);
    UpdateWindow();
}

void CAddressRuler::FollowColumn(int firstCol) {
    if (IsCreated() && firstCol != m_nPaintedCol) Invalidate(true);
}

void CAddressRuler::OnPaint(CDC* pDC) {
    if (!m_pView) return;
    m_nPaintedCol = m_pView->m_nFirstCol;
    std::string text = GetWindowText();
    pDC->SelectObject(m_pFont);
    pDC->SetBkColor(GetSysColor(COLOR_BTNFACE));
    CRect client = GetClientRect();
    pDC->ExtTextOut(-(m_pView->m_nFirstCol * m_pView->m_nCharWidth), 0, ETO_OPAQUE, &client,
                    text.data(), static_cast<int>(text.size()));
}
