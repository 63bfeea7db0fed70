#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <memory>

#include "platform/framework/PrintService.h"

// Printing through the system: the print and page-setup dialogs, the pages drawn with
// StartDocW and StartPage on the printer's context (the job chooses MM_HIMETRIC), and the
// preview drawing the same pages into a window of ours. With no printer, or one that refuses
// the job, the user gets a message and the program goes on.
class CWin32PrintService : public CPrintService {
public:
    ~CWin32PrintService() override;

    bool Print(CPrintJob& job, bool bDialog) override;
    bool Preview(std::unique_ptr<CPrintJob> pJob) override;
    bool PageSetup() override;

private:
    // The printer's context from the dialog, or of the printer chosen before (else the
    // default one); null when cancelled or there is none.
    HDC PrinterDC(bool bDialog, CPrintJob& job, UINT& from, UINT& to);
    // A context on the printer and paper the dialogs chose; null before any choice.
    HDC ChosenPrinterDC() const;
    void KeepChoice(HGLOBAL hDevMode, HGLOBAL hDevNames);
    // The document on the printer; false when the printer refused it or a page.
    static bool RunJob(HDC printer, CPrintJob& job, UINT from, UINT to);
    static bool PrintPages(HDC printer, CPrintJob& job, UINT from, UINT to);
    // Tells why a common dialog failed; nothing when the user cancelled it.
    static void ReportDialogFailure();
    static HWND Owner();
    // The printable size of the page in 0.01 mm.
    CSize PageSize();

    HGLOBAL m_hDevMode = nullptr; // the paper and orientation page setup chose
    HGLOBAL m_hDevNames = nullptr;
};
