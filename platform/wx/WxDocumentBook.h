#pragma once
#include <wx/aui/auibook.h>

// The client area of the main window: document windows as tabs, or tiled side by side or one
// above the other, each tile with its own tab.
class CWxDocumentBook : public wxAuiNotebook {
public:
    enum Arrangement { Tabs, Rows, Columns };

    explicit CWxDocumentBook(wxWindow* parent);

    void Arrange(Arrangement how);
    // The number of panes the pages are spread over.
    int CountPanes();

private:
    // Gathers every page into one tab control again.
    void Untile();
    // Gives every tile the same share of the client area.
    void EqualizeTiles(int count, bool bColumns);
};
