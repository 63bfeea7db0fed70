#pragma once
#include <wx/prntbase.h>

// wx's print preview window, app-modal over the program, with a page box wide enough for the
// highest page number and no size so small that the page area has no room left.
class CWxPreviewFrame : public wxPreviewFrame {
public:
    CWxPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent, const wxString& title,
                    const wxSize& size);

    // Lays the window out and shows it, centred on its parent.
    void Open();

    void CreateCanvas() override;
    void CreateControlBar() override;
};
