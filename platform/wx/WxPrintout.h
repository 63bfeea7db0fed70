#pragma once
#include <memory>

#include <wx/cmndata.h>
#include <wx/prntbase.h>

#include "platform/framework/PrintJob.h"

class CWxDC;

// A print job's page loop as wx runs it, for the printer and for the preview window alike.
// Logical units map to the page as on paper: the preview draws the same page into a smaller
// bitmap.
class CWxPrintout : public wxPrintout {
public:
    // pSettings: those of the printer that runs it, through which its GTK print operation is
    // reached (none for a page loop of its own, as tests run it).
    explicit CWxPrintout(CPrintJob& job, wxPrintDialogData* pSettings = nullptr);
    // Keeps the job: the preview window owns its printouts.
    explicit CWxPrintout(std::unique_ptr<CPrintJob> pJob, wxPrintDialogData* pSettings = nullptr);

    void OnPreparePrinting() override;
    void OnBeginPrinting() override;
    bool OnPrintPage(int page) override;
    void OnEndPrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

private:
    // The wx context as the job's printer context, with the page's resolution.
    std::unique_ptr<CWxDC> PrinterDC();

    std::unique_ptr<CPrintJob> m_pOwned;
    CPrintJob& m_job;
    wxPrintDialogData* m_pSettings;
};
