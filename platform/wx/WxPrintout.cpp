#include "platform/wx/WxPrintout.h"

#include <gtk/gtk.h>
#include <wx/dcmemory.h>
#include <wx/gdicmn.h>
#include <wx/gtk/print.h>

#include "platform/wx/WxDC.h"

namespace {
// The resolution GTK's print surfaces (PDF, PostScript) lay text out at.
constexpr double kPrintSurfaceDpi = 72;

// wx tells GTK that the document has only as many pages as the print dialog's range holds, and
// GTK then looks for the range's page numbers in that shorter document: "2" of three pages
// printed nothing. Pagination comes after wx's begin, so the whole count can be put back there;
// GTK then hands over the pages asked for by their own numbers, as wx expects.
gboolean KeepPageCount(GtkPrintOperation* op, GtkPrintContext*, gpointer pages) {
    gtk_print_operation_set_n_pages(op, GPOINTER_TO_INT(pages));
    return TRUE;
}

// The GTK operation printing now with these settings (their copies share it); null when none.
GtkPrintOperation* PrintOperation(wxPrintDialogData* settings) {
    if (!settings) return nullptr;
    auto* native = wxDynamicCast(settings->GetPrintData().GetNativeData(), wxGtkPrintNativeData);
    return native ? native->GetPrintJob() : nullptr;
}
} // namespace

CWxPrintout::CWxPrintout(CPrintJob& job, wxPrintDialogData* pSettings)
    : wxPrintout("Quelm"), m_job(job), m_pSettings(pSettings) {}

CWxPrintout::CWxPrintout(std::unique_ptr<CPrintJob> pJob, wxPrintDialogData* pSettings)
    : wxPrintout("Quelm"), m_pOwned(std::move(pJob)), m_job(*m_pOwned), m_pSettings(pSettings) {}

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
    // GTK's printer context takes a font's size as points on the screen and lays them out on
    // a 72 dpi surface: a 3.6 mm cell came out 4.8 mm from a 96 dpi screen, taller than its line.
    int screenDpi = wxGetDisplayPPI().y;
    if (wxDynamicCast(dc->GetImpl(), wxGtkPrinterDCImpl) && screenDpi > 0)
        printer->SetFontEnlargement(screenDpi / kPrintSurfaceDpi);
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
    const CPrintInfo& info = m_job.Info();
    int pages = static_cast<int>(info.GetMaxPage()) - static_cast<int>(info.GetMinPage()) + 1;
    GtkPrintOperation* op = IsPreview() ? nullptr : PrintOperation(m_pSettings);
    if (op && pages > 0)
        g_signal_connect(op, "paginate", G_CALLBACK(KeepPageCount), GINT_TO_POINTER(pages));
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
