#pragma once
#include <memory>

#include <wx/cmndata.h>

#include "platform/framework/PrintService.h"

// Printing through wx and GTK: the GTK print dialog, the printer, wx's preview window with
// page navigation and zoom, and page setup, whose paper and orientation later jobs keep.
class CWxPrinter : public CPrintService {
public:
    bool Print(CPrintJob& job, bool bDialog) override;
    bool Preview(std::unique_ptr<CPrintJob> pJob) override;
    bool PageSetup() override;

private:
    wxPrintDialogData m_data;
};
