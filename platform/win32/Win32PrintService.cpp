#include "platform/win32/Win32PrintService.h"

#include "platform/framework/PrintJob.h"
#include "platform/framework/SystemServices.h"
#include "platform/framework/View.h"
#include "platform/win32/Win32DC.h"
#include "platform/win32/Win32MainFramePeer.h"
#include "platform/win32/Win32PreviewWindow.h"
#include "platform/win32/Win32Text.h"

CWin32PrintService::~CWin32PrintService() {
    if (m_hDevMode) GlobalFree(m_hDevMode);
    if (m_hDevNames) GlobalFree(m_hDevNames);
}

HWND CWin32PrintService::Owner() {
    CWin32MainFramePeer* frame = CWin32MainFramePeer::Current();
    return frame ? frame->GetHwnd() : nullptr;
}

HDC CWin32PrintService::PrinterDC(bool bDialog, CPrintJob& job, UINT& from, UINT& to) {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = Owner();
    pd.hDevMode = m_hDevMode;
    pd.hDevNames = m_hDevNames;
    pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE |
               (bDialog ? 0 : PD_RETURNDEFAULT);
    pd.nMinPage = static_cast<WORD>(job.Info().GetMinPage());
    pd.nMaxPage = static_cast<WORD>(std::min<UINT>(job.Info().GetMaxPage(), 0xFFFF));
    pd.nFromPage = pd.nMinPage;
    pd.nToPage = pd.nMaxPage;
    pd.nCopies = 1;
    if (!PrintDlgW(&pd)) return nullptr;
    m_hDevMode = pd.hDevMode;
    m_hDevNames = pd.hDevNames;
    from = job.Info().GetMinPage();
    to = job.Info().GetMaxPage();
    if (pd.Flags & PD_PAGENUMS) {
        from = pd.nFromPage;
        to = pd.nToPage;
    }
    return pd.hDC;
}

bool CWin32PrintService::Print(CPrintJob& job, bool bDialog) {
    UINT from = 0, to = 0;
    HDC printer = PrinterDC(bDialog, job, from, to);
    if (!printer) return false;
    std::wstring title = CWin32Text::Wide(job.View().GetWindowText());
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.empty() ? L"Quelm" : title.c_str();
    bool ok = StartDocW(printer, &doc) > 0;
    if (ok) {
        CWin32DC setup(printer, nullptr, true);
        job.Begin(setup);
        for (UINT page = from; ok && page <= to && job.HasPage(page); ++page) {
            ok = StartPage(printer) > 0;
            if (!ok) break;
            CWin32DC dc(printer, nullptr, true);
            job.PrintPage(dc, page);
            ok = EndPage(printer) > 0;
        }
        job.End(setup);
        if (ok)
            EndDoc(printer);
        else
            AbortDoc(printer);
    }
    DeleteDC(printer);
    return ok;
}

CSize CWin32PrintService::PageSize() {
    // The printable area of the printer the jobs go to; A4 when there is none.
    const CSize kA4(21000, 29700);
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hDevMode = m_hDevMode;
    pd.hDevNames = m_hDevNames;
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (m_hDevMode || !PrintDlgW(&pd) || !pd.hDC) return kA4;
    constexpr int kHiMetricPerMm = 100;
    CSize page(GetDeviceCaps(pd.hDC, HORZSIZE) * kHiMetricPerMm,
               GetDeviceCaps(pd.hDC, VERTSIZE) * kHiMetricPerMm);
    DeleteDC(pd.hDC);
    m_hDevMode = pd.hDevMode;
    m_hDevNames = pd.hDevNames;
    return page.cx > 0 && page.cy > 0 ? page : kA4;
}

bool CWin32PrintService::Preview(std::unique_ptr<CPrintJob> pJob) {
    if (!pJob) return false;
    CWin32PreviewWindow window(std::move(pJob), PageSize());
    return window.Run(Owner());
}

bool CWin32PrintService::PageSetup() {
    PAGESETUPDLGW ps{};
    ps.lStructSize = sizeof ps;
    ps.hwndOwner = Owner();
    ps.hDevMode = m_hDevMode;
    ps.hDevNames = m_hDevNames;
    if (!PageSetupDlgW(&ps)) return false;
    m_hDevMode = ps.hDevMode;
    m_hDevNames = ps.hDevNames;
    return true;
}
