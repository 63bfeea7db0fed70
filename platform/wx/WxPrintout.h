#pragma once
#include <memory>

#include <wx/prntbase.h>

#include "platform/framework/PrintJob.h"

class CWxDC;

// A print job's page loop as wx runs it, for the printer and for the preview window alike.
// Logical units map to the page as on paper: the preview draws the same page into a smaller
// bitmap.
class CWxPrintout : public wxPrintout {
public:
    explicit CWxPrintout(CPrintJob& job);
    // Keeps the job: the preview window owns its printouts.
    explicit CWxPrintout(std::unique_ptr<CPrintJob> pJob);

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
};
