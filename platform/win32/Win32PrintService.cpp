#include "platform/win32/Win32PrintService.h"

#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/PrintJob.h"
#include "platform/framework/SystemServices.h"
#include "platform/framework/View.h"
#include "platform/win32/Win32DC.h"
#include "platform/win32/Win32MainFramePeer.h"
#include "platform/win32/Win32PreviewWindow.h"
#include "platform/win32/Win32Text.h"

namespace {
// Whether the system knows a printer. Its print dialogs open without one and then can only
// show a warning of their own, in the system's language.
bool AnyPrinter() {
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

void Say(UINT id) {
    AfxMessageBox(CResourceSet::Current().LoadString(id), MB_ICONEXCLAMATION);
}
} // namespace

CWin32PrintService::~CWin32PrintService() {
    if (m_hDevMode) GlobalFree(m_hDevMode);
    if (m_hDevNames) GlobalFree(m_hDevNames);
}

HWND CWin32PrintService::Owner() {
    CWin32MainFramePeer* frame = CWin32MainFramePeer::Current();
    return frame ? frame->GetHwnd() : nullptr;
}

void CWin32PrintService::ReportDialogFailure() {
    switch (CommDlgExtendedError()) {
    case 0: // cancelled
        return;
    case PDERR_NODEFAULTPRN:
    case PDERR_NODEVICES:
    case PDERR_PRINTERNOTFOUND:
        Say(FrameworkIds::kNoPrinter);
        return;
    default:
        Say(FrameworkIds::kPrintFailed);
    }
}

void CWin32PrintService::KeepChoice(HGLOBAL hDevMode, HGLOBAL hDevNames) {
    // The dialogs free the handles they were given when they hand back new ones.
    m_hDevMode = hDevMode;
    m_hDevNames = hDevNames;
}

HDC CWin32PrintService::ChosenPrinterDC() const {
    if (!m_hDevNames) return nullptr;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(m_hDevNames));
    if (!names) return nullptr;
    const auto* base = reinterpret_cast<const wchar_t*>(names);
    auto* mode = m_hDevMode ? static_cast<DEVMODEW*>(GlobalLock(m_hDevMode)) : nullptr;
    HDC hdc = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    if (mode) GlobalUnlock(m_hDevMode);
    GlobalUnlock(m_hDevNames);
    return hdc;
}

HDC CWin32PrintService::PrinterDC(bool bDialog, CPrintJob& job, UINT& from, UINT& to) {
    from = job.Info().GetMinPage();
    to = job.Info().GetMaxPage();
    if (!AnyPrinter()) {
        Say(FrameworkIds::kNoPrinter);
        return nullptr;
    }
    // Without the dialog the printer chosen before prints; the system refuses to look up its
    // default printer while it is given that choice.
    if (!bDialog && m_hDevNames) {
        HDC hdc = ChosenPrinterDC();
        if (!hdc) Say(FrameworkIds::kNoPrinter);
        return hdc;
    }
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
    if (!PrintDlgW(&pd)) {
        ReportDialogFailure();
        return nullptr;
    }
    KeepChoice(pd.hDevMode, pd.hDevNames);
    if (pd.Flags & PD_PAGENUMS) {
        from = pd.nFromPage;
        to = pd.nToPage;
    }
    if (!pd.hDC) Say(FrameworkIds::kPrintFailed);
    return pd.hDC;
}

bool CWin32PrintService::PrintPages(HDC printer, CPrintJob& job, UINT from, UINT to) {
    for (UINT page = from; page <= to && job.HasPage(page); ++page) {
        if (StartPage(printer) <= 0) return false;
        {
            CWin32DC dc(printer, nullptr, true);
            job.PrintPage(dc, page);
        }
        if (EndPage(printer) <= 0) return false;
    }
    return true;
}

bool CWin32PrintService::RunJob(HDC printer, CPrintJob& job, UINT from, UINT to) {
    std::wstring title = CWin32Text::Wide(job.View().GetWindowText());
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.empty() ? L"Quelm" : title.c_str();
    if (StartDocW(printer, &doc) <= 0) return false;
    CWin32DC setup(printer, nullptr, true);
    job.Begin(setup);
    // Whatever stops the pages, the view gets its screen font back and the printer drops the
    // pages it has.
    bool ok = false;
    try {
        ok = PrintPages(printer, job, from, to);
    } catch (...) {
        AbortDoc(printer);
        job.End(setup);
        throw;
    }
    job.End(setup);
    ok = ok && EndDoc(printer) > 0;
    if (!ok) AbortDoc(printer);
    return ok;
}

bool CWin32PrintService::Print(CPrintJob& job, bool bDialog) {
    UINT from = 0, to = 0;
    struct Printer {
        HDC hdc;
        ~Printer() {
            if (hdc) DeleteDC(hdc);
        }
    } printer{PrinterDC(bDialog, job, from, to)};
    if (!printer.hdc) return false;
    if (RunJob(printer.hdc, job, from, to)) return true;
    Say(FrameworkIds::kPrintFailed);
    return false;
}

CSize CWin32PrintService::PageSize() {
    // The printable area of the printer the jobs go to; A4 when there is none.
    const CSize kA4(21000, 29700);
    HDC hdc = ChosenPrinterDC();
    if (!hdc && AnyPrinter()) {
        PRINTDLGW pd{};
        pd.lStructSize = sizeof pd;
        pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC | PD_NOWARNING;
        if (!PrintDlgW(&pd)) return kA4;
        KeepChoice(pd.hDevMode, pd.hDevNames);
        hdc = pd.hDC;
    }
    if (!hdc) return kA4;
    constexpr int kHiMetricPerMm = 100;
    CSize page(GetDeviceCaps(hdc, HORZSIZE) * kHiMetricPerMm,
               GetDeviceCaps(hdc, VERTSIZE) * kHiMetricPerMm);
    DeleteDC(hdc);
    return page.cx > 0 && page.cy > 0 ? page : kA4;
}

bool CWin32PrintService::Preview(std::unique_ptr<CPrintJob> pJob) {
    if (!pJob) return false;
    CWin32PreviewWindow window(std::move(pJob), PageSize());
    return window.Run(Owner());
}

bool CWin32PrintService::PageSetup() {
    if (!AnyPrinter()) {
        Say(FrameworkIds::kNoPrinter);
        return false;
    }
    PAGESETUPDLGW ps{};
    ps.lStructSize = sizeof ps;
    ps.hwndOwner = Owner();
    ps.hDevMode = m_hDevMode;
    ps.hDevNames = m_hDevNames;
    if (!PageSetupDlgW(&ps)) {
        ReportDialogFailure();
        return false;
    }
    KeepChoice(ps.hDevMode, ps.hDevNames);
    return true;
}
