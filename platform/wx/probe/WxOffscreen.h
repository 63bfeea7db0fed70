#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/DC.h"
#include "platform/wx/probe/WxProbe.h"

class CWxDC;
class wxBitmap;
class wxDC;
class wxMemoryDC;
class wxString;
struct CLogFont;

// A white off-screen picture with a device context of the wx backend to draw on, and its
// pixels to read back. A printing one stands for a page, as the print preview draws it.
class CWxOffscreen {
public:
    CWxOffscreen(int w, int h, bool bPrinting = false);
    ~CWxOffscreen();

    CDC& DC();
    // Limits drawing to the rectangles, as a paint of a window's invalid region does.
    void ClipToRegion(const std::vector<CRect>& rects);
    CWxDC& WxDC() { return *m_pDC; }
    // The toolkit's own context on the picture, for code that draws through wx directly.
    wxDC& ToolkitDC();
    CWxProbe::Pixels Pixels();
    CSize PixelsPerInch() const;

    // Text drawn by the toolkit alone, in one call with the font the backend makes of lf: what
    // drawing the same text costs without a cell grid.
    void SetPlainText(const std::string& utf8, const CLogFont& lf);
    void DrawPlainText();

private:
    std::unique_ptr<wxBitmap> m_pBitmap;
    std::unique_ptr<wxMemoryDC> m_pMemory;
    std::unique_ptr<CWxDC> m_pDC;
    std::unique_ptr<wxString> m_pPlainText;
};
