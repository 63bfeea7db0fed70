#include "platform/win32/Win32PreviewDC.h"

CWin32PreviewDC::CWin32PreviewDC(HDC hdc, CSize page, const RECT& where)
    : CWin32DC(hdc, nullptr, true), m_page(page), m_where(where) {}

void CWin32PreviewDC::ApplyMapMode(int mode) {
    if (mode != MM_HIMETRIC) {
        ::SetMapMode(GetHdc(), mode);
        return;
    }
    ::SetMapMode(GetHdc(), MM_ANISOTROPIC);
    SetWindowExtEx(GetHdc(), m_page.cx, m_page.cy, nullptr);
    SetViewportExtEx(GetHdc(), m_where.right - m_where.left, -(m_where.bottom - m_where.top),
                     nullptr);
    SetViewportOrgEx(GetHdc(), m_where.left, m_where.top, nullptr);
}

CRect CWin32PreviewDC::GetPrintableRect() {
    return GetMapMode() == MM_HIMETRIC ? CRect(0, 0, m_page.cx, -m_page.cy) : CRect();
}
