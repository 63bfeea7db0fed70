#include "platform/wx/WxPreviewFrame.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {
// Below this the canvas's scroll bars and the page have negative room, which GTK reports.
const wxSize kSmallestPageArea(160, 120);

class CWxPreviewBar : public wxPreviewControlBar {
public:
    using wxPreviewControlBar::wxPreviewControlBar;

    void SetPageInfo(int minPage, int maxPage) override {
        wxPreviewControlBar::SetPageInfo(minPage, maxPage);
        auto* box = dynamic_cast<wxTextCtrl*>(FindWindow(wxID_PREVIEW_GOTO));
        if (!box) return;
        // Room for every digit of the highest page, which wx sizes for a few only.
        wxString widest(wxUniChar('0'), wxString::Format("%d", maxPage).length());
        wxSize size = box->GetSizeFromTextSize(box->GetTextExtent(widest));
        size.IncTo(box->GetSize());
        box->SetMinSize(size);
        box->SetSize(size);
        Layout();
    }
};
} // namespace

CWxPreviewFrame::CWxPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent,
                                 const wxString& title, const wxSize& size)
    : wxPreviewFrame(preview, parent, title, wxDefaultPosition, size) {}

void CWxPreviewFrame::CreateCanvas() {
    wxPreviewFrame::CreateCanvas();
    m_previewCanvas->SetMinSize(kSmallestPageArea);
}

void CWxPreviewFrame::CreateControlBar() {
    long buttons = m_printPreview->GetPrintoutForPrinting() ? wxPREVIEW_DEFAULT | wxPREVIEW_PRINT
                                                            : wxPREVIEW_DEFAULT;
    m_controlBar = new CWxPreviewBar(m_printPreview, buttons, this);
    m_controlBar->CreateButtons();
}

void CWxPreviewFrame::Open() {
    // The view and its document stay while their pages are shown.
    InitializeWithModality(wxPreviewFrame_AppModal);
    if (wxSizer* sizer = GetSizer()) SetMinClientSize(sizer->GetMinSize());
    Centre();
    Show();
}
