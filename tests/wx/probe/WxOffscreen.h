#pragma once
#include <memory>

#include "platform/framework/DC.h"
#include "tests/wx/probe/WxProbe.h"

class CWxDC;
class wxBitmap;
class wxMemoryDC;

// A white off-screen picture with a device context of the wx backend to draw on, and its
// pixels to read back.
class CWxOffscreen {
public:
    CWxOffscreen(int w, int h);
    ~CWxOffscreen();

    CDC& DC();
    CWxProbe::Pixels Pixels();
    CSize PixelsPerInch() const;

private:
    std::unique_ptr<wxBitmap> m_pBitmap;
    std::unique_ptr<wxMemoryDC> m_pMemory;
    std::unique_ptr<CWxDC> m_pDC;
};
