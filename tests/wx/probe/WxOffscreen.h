#pragma once
#include <memory>

#include "platform/framework/DC.h"
#include "tests/wx/probe/WxProbe.h"

class CWxDC;
class wxBitmap;
class wxMemoryDC;

// A white off-screen picture with a device context of the wx backend to draw on, and its
// pixels to read back. A printing one stands for a page, as the print preview draws it.
class CWxOffscreen {
public:
    CWxOffscreen(int w, int h, bool bPrinting = false);
    ~CWxOffscreen();

    CDC& DC();
    CWxDC& WxDC() { return *m_pDC; }
    CWxProbe::Pixels Pixels();
    CSize PixelsPerInch() const;

private:
    std::unique_ptr<wxBitmap> m_pBitmap;
    std::unique_ptr<wxMemoryDC> m_pMemory;
    std::unique_ptr<CWxDC> m_pDC;
};
