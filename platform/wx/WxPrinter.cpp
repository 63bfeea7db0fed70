#include "platform/wx/WxPrinter.h"

#include <wx/print.h>
#include <wx/printdlg.h>

#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/SystemServices.h"
#include "platform/framework/View.h"
#include "platform/wx/WxPreviewFrame.h"
#include "platform/wx/WxPrintout.h"
#include "platform/wx/WxWindowPeer.h"

namespace {
const char kPreviewFailed[] = "印刷プレビューを表示できません。プリンタの設定を確認してください。";
const char kPreviewTitle[] = "ﾌﾟﾘﾝﾀ出力のﾌﾟﾚﾋﾞｭｰ";
const wxSize kPreviewSize(900, 760);
} // namespace

bool CWxPrinter::Print(CPrintJob& job, bool bDialog) {
    CWxPrintout printout(job, &m_data);
    wxPrinter printer(&m_data);
    bool ok = printer.Print(CWxWindowPeer::DialogOwner(nullptr), &printout, bDialog);
    if (ok) {
        m_data = printer.GetPrintDialogData();
        return true;
    }
    if (wxPrinter::GetLastError() == wxPRINTER_ERROR)
        AfxMessageBox(CResourceSet::Current().LoadString(FrameworkIds::kPrintFailed), MB_ICONSTOP);
    return false;
}

bool CWxPrinter::Preview(std::unique_ptr<CPrintJob> pJob) {
    CPrintInfo printInfo = pJob->Info();
    printInfo.m_bPreview = false;
    // The preview's own print button runs a second job over the same view.
    auto* forPrinting =
        new CWxPrintout(std::make_unique<CPrintJob>(pJob->View(), printInfo), &m_data);
    auto* preview = new wxPrintPreview(new CWxPrintout(std::move(pJob)), forPrinting, &m_data);
    if (!preview->IsOk()) {
        delete preview;
        AfxMessageBox(kPreviewFailed, MB_ICONEXCLAMATION);
        return false;
    }
    (new CWxPreviewFrame(preview, CWxWindowPeer::DialogOwner(nullptr),
                         wxString::FromUTF8(kPreviewTitle), kPreviewSize))
        ->Open();
    return true;
}

bool CWxPrinter::PageSetup() {
    wxPageSetupDialogData setup(m_data.GetPrintData());
    wxPageSetupDialog dialog(CWxWindowPeer::DialogOwner(nullptr), &setup);
    if (dialog.ShowModal() != wxID_OK) return false;
    m_data.SetPrintData(dialog.GetPageSetupDialogData().GetPrintData());
    return true;
}
