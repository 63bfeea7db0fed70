#pragma once
#include <memory>

class CPrintJob;

// The window system's printing: the print dialog, the printer, the preview window and the
// page setup. Each runs the job's page loop on a printer context of its own.
class CPrintService {
public:
    virtual ~CPrintService() = default;

    // Prints every page of the job, after the print dialog when bDialog is set. False when the
    // user cancelled or the printer failed.
    virtual bool Print(CPrintJob& job, bool bDialog) = 0;
    // Shows the pages in a preview window, which keeps the job while it is open.
    virtual bool Preview(std::unique_ptr<CPrintJob> pJob) = 0;
    // Paper and orientation for the jobs that follow; false when cancelled.
    virtual bool PageSetup() = 0;
};
