#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include "platform/win32/Win32DC.h"

// A page of the print preview: the job draws on it as on the printer, in 0.01 mm with y
// growing upwards, and the context scales the page into a rectangle of the window.
class CWin32PreviewDC : public CWin32DC {
public:
    // page: the paper's printable size in 0.01 mm; where: its place in the window, in pixels.
    CWin32PreviewDC(HDC hdc, CSize page, const RECT& where);

    CRect GetPrintableRect() override;

protected:
    void ApplyMapMode(int mode) override;

private:
    CSize m_page;
    RECT m_where;
};
