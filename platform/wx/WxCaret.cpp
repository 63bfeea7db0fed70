#include "platform/wx/WxCaret.h"

void CWxCaret::Create(int w, int h) {
    m_bExists = true;
    m_nHidden = 1; // a new caret is hidden until shown
    m_size = CSize(w, h);
    m_bPhaseOn = true;
}

void CWxCaret::Destroy() {
    m_bExists = false;
    m_nHidden = 0;
}

void CWxCaret::SetPos(CPoint pt) {
    m_pos = pt;
    m_bPhaseOn = true; // a moved caret is seen at once
}

void CWxCaret::Show() {
    if (m_nHidden > 0 && --m_nHidden == 0) m_bPhaseOn = true;
}

void CWxCaret::Hide() {
    if (m_bExists) ++m_nHidden;
}

void CWxCaret::SetFocus(bool bFocused) {
    m_bFocused = bFocused;
    m_bPhaseOn = true;
}

CRect CWxCaret::Rect() const {
    return CRect(m_pos.x, m_pos.y, m_pos.x + m_size.cx, m_pos.y + m_size.cy);
}
