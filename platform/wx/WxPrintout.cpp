#include "platform/wx/WxPrintout.h"

#include <wx/dcmemory.h>

#include "platform/wx/WxDC.h"

CWxPrintout::CWxPrintout(CPrintJob& job) : wxPrintout("Quelm"), m_job(job) {}

CWxPrintout::CWxPrintout(std::unique_ptr<CPrintJob> pJob)
    : wxPrintout("Quelm"), m_pOwned(std::move(pJob)), m_job(*m_pOwned) {}

std::unique_ptr<CWxDC> CWxPrintout::PrinterDC() {
    wxDC* dc = GetDC();
    if (!dc) return nullptr;
    auto printer = std::make_unique<CWxDC>(*dc, true);
    // A preview draws the printer's page into a bitmap of another size.
    int pageW = 0, pageH = 0, dcW = 0, dcH = 0;
    GetPageSizePixels(&pageW, &pageH);
    dc->GetSize(&dcW, &dcH);
    int ppiX = 0, ppiY = 0;
    GetPPIPrinter(&ppiX, &ppiY);
    if (pageW > 0 && pageH > 0 && ppiX > 0 && ppiY > 0)
        printer->SetDevicePPI(double(ppiX) * dcW / pageW, double(ppiY) * dcH / pageH);
    return printer;
}

void CWxPrintout::OnPreparePrinting() {
    // wx asks for the page range before it begins, and the view counts its pages when it
    // begins: one trial run gives the count.
    if (std::unique_ptr<CWxDC> dc = PrinterDC()) {
        m_job.Begin(*dc);
        m_job.End(*dc);
    }
}

void CWxPrintout::OnBeginPrinting() {
    if (std::unique_ptr<CWxDC> dc = PrinterDC()) m_job.Begin(*dc);
}

bool CWxPrintout::OnPrintPage(int page) {
    std::unique_ptr<CWxDC> dc = PrinterDC();
    if (!dc || page <= 0) return false;
    m_job.PrintPage(*dc, static_cast<UINT>(page));
    return m_job.Info().m_bContinuePrinting;
}

void CWxPrintout::OnEndPrinting() {
    if (std::unique_ptr<CWxDC> dc = PrinterDC()) {
        m_job.End(*dc);
        return;
    }
    wxMemoryDC scratch;
    CWxDC dc(scratch, true);
    m_job.End(dc);
}

bool CWxPrintout::HasPage(int page) {
    return page > 0 && m_job.HasPage(static_cast<UINT>(page));
}

void CWxPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *pageFrom = static_cast<int>(m_job.Info().GetMinPage());
    *maxPage = *pageTo = static_cast<int>(m_job.Info().GetMaxPage());
}
