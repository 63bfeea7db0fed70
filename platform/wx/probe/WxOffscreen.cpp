#include "platform/wx/probe/WxOffscreen.h"

#include <wx/dcmemory.h>

#include "platform/wx/WxDC.h"
#include "platform/wx/WxFontMapper.h"

CWxOffscreen::CWxOffscreen(int w, int h, bool bPrinting)
    : m_pBitmap(std::make_unique<wxBitmap>(w, h, 24)),
      m_pMemory(std::make_unique<wxMemoryDC>(*m_pBitmap)),
      m_pDC(std::make_unique<CWxDC>(*m_pMemory, bPrinting)) {
    m_pMemory->SetBackground(*wxWHITE_BRUSH);
    m_pMemory->Clear();
}

CWxOffscreen::~CWxOffscreen() = default;

CDC& CWxOffscreen::DC() {
    return *m_pDC;
}

void CWxOffscreen::ClipToRegion(const std::vector<CRect>& rects) {
    wxRegion region;
    for (const CRect& r : rects)
        region.Union(wxRect(r.left, r.top, r.Width(), r.Height()));
    m_pMemory->SetDeviceClippingRegion(region);
    m_pDC->SetClipRegion(region);
}

wxDC& CWxOffscreen::ToolkitDC() {
    return *m_pMemory;
}

CWxProbe::Pixels CWxOffscreen::Pixels() {
    m_pMemory->SelectObject(wxNullBitmap);
    wxImage image = m_pBitmap->ConvertToImage();
    m_pMemory->SelectObject(*m_pBitmap);
    CWxProbe::Pixels pixels;
    pixels.m_nWidth = image.GetWidth();
    pixels.m_nHeight = image.GetHeight();
    const unsigned char* p = image.GetData();
    for (int i = 0; i < pixels.m_nWidth * pixels.m_nHeight; ++i, p += 3)
        pixels.m_data.push_back(RGB(p[0], p[1], p[2]));
    return pixels;
}

CSize CWxOffscreen::PixelsPerInch() const {
    wxSize ppi = m_pMemory->GetPPI();
    return CSize(ppi.x, ppi.y);
}

void CWxOffscreen::SetPlainText(const std::string& utf8, const CLogFont& lf) {
    m_pPlainText = std::make_unique<wxString>(wxString::FromUTF8(utf8));
    m_pMemory->SetFont(CWxFontMapper::Realize(lf));
    m_pMemory->SetTextForeground(*wxBLACK);
}

void CWxOffscreen::DrawPlainText() {
    if (m_pPlainText) m_pMemory->DrawText(*m_pPlainText, 0, 0);
}
