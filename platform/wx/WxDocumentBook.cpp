#include "platform/wx/WxDocumentBook.h"

#include <set>

#include <wx/tokenzr.h>

CWxDocumentBook::CWxDocumentBook(wxWindow* parent)
    : wxAuiNotebook(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                    wxAUI_NB_DEFAULT_STYLE | wxNO_BORDER) {}

int CWxDocumentBook::CountPanes() {
    std::set<wxAuiTabCtrl*> panes;
    for (size_t i = 0; i < GetPageCount(); ++i) {
        wxAuiTabCtrl* ctrl = nullptr;
        int index = 0;
        if (FindTab(GetPage(i), &ctrl, &index)) panes.insert(ctrl);
    }
    return static_cast<int>(panes.size());
}

void CWxDocumentBook::Arrange(Arrangement how) {
    Untile();
    size_t count = GetPageCount();
    if (how == Tabs || count < 2) return;
    int selected = GetSelection();
    // Each split puts the page into a new tile beyond the ones before it.
    for (size_t i = 1; i < count; ++i)
        Split(i, how == Columns ? wxRIGHT : wxBOTTOM);
    EqualizeTiles(static_cast<int>(count), how == Columns);
    if (selected >= 0) SetSelection(static_cast<size_t>(selected));
}

void CWxDocumentBook::Untile() {
    if (GetPageCount() == 0 || CountPanes() < 2) return;
    wxWindow* selected =
        GetSelection() >= 0 ? GetPage(static_cast<size_t>(GetSelection())) : nullptr;
    wxAuiTabCtrl* home = nullptr;
    int at = 0;
    FindTab(GetPage(0), &home, &at);
    for (size_t i = 0; i < GetPageCount(); ++i) {
        wxWindow* page = GetPage(i);
        wxAuiTabCtrl* ctrl = nullptr;
        if (!FindTab(page, &ctrl, &at)) continue;
        if (ctrl != home) {
            wxAuiNotebookPage info = ctrl->GetPage(static_cast<size_t>(at));
            info.active = false;
            ctrl->RemovePage(page);
            home->InsertPage(page, info, home->GetPageCount());
        }
        home->MovePage(page, i); // back in the order of the pages
    }
    RemoveEmptyTabFrames();
    DoSizing();
    home->DoShowHide();
    home->Refresh();
    m_curPage = -1; // makes the selection below show its page
    if (selected) SetSelection(static_cast<size_t>(FindPage(selected)));
}

void CWxDocumentBook::EqualizeTiles(int count, bool bColumns) {
    wxSize client = GetClientSize();
    int share = (bColumns ? client.x : client.y) / count;
    // Dock sizes are only reachable through the layout's text form.
    const wxString dock = bColumns ? "dock_size(2," : "dock_size(3,";
    wxString layout;
    wxStringTokenizer parts(m_mgr.SavePerspective(), "|");
    while (parts.HasMoreTokens()) {
        wxString part = parts.GetNextToken();
        if (part.StartsWith(dock)) part = part.BeforeFirst('=') + wxString::Format("=%d", share);
        layout += part + "|";
    }
    m_mgr.LoadPerspective(layout, true);
}
