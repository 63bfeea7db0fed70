// The smallest wx program with what every window of the editor shows: a menu bar, a toolbar, a
// status bar and a line of Japanese text. bench/memory.py and bench/startup.py measure the
// editor against it, so it stays as plain as wx allows.
#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>

namespace {
constexpr int kStatusPanes = 4;
constexpr int kToolbarIcon = 16;

wxMenuBar* MakeMenuBar() {
    auto* file = new wxMenu;
    file->Append(wxID_NEW, wxString::FromUTF8("新規作成(&N)\tCtrl+N"));
    file->Append(wxID_OPEN, wxString::FromUTF8("開く(&O)...\tCtrl+O"));
    file->Append(wxID_SAVE, wxString::FromUTF8("上書き保存(&S)\tCtrl+S"));
    file->AppendSeparator();
    file->Append(wxID_EXIT, wxString::FromUTF8("終了(&X)"));
    auto* edit = new wxMenu;
    edit->Append(wxID_UNDO, wxString::FromUTF8("元に戻す(&U)\tCtrl+Z"));
    edit->Append(wxID_COPY, wxString::FromUTF8("コピー(&C)\tCtrl+C"));
    edit->Append(wxID_PASTE, wxString::FromUTF8("貼り付け(&P)\tCtrl+V"));
    edit->Append(wxID_FIND, wxString::FromUTF8("検索(&F)...\tCtrl+F"));
    auto* bar = new wxMenuBar;
    bar->Append(file, wxString::FromUTF8("ファイル(&F)"));
    bar->Append(edit, wxString::FromUTF8("編集(&E)"));
    return bar;
}

void AddTools(wxToolBar* bar) {
    const struct {
        int id;
        const char* art;
    } tools[] = {{wxID_NEW, wxART_NEW},        {wxID_OPEN, wxART_FILE_OPEN},
                 {wxID_SAVE, wxART_FILE_SAVE}, {wxID_CUT, wxART_CUT},
                 {wxID_COPY, wxART_COPY},      {wxID_PASTE, wxART_PASTE},
                 {wxID_UNDO, wxART_UNDO},      {wxID_FIND, wxART_FIND}};
    for (const auto& tool : tools)
        bar->AddTool(
            tool.id, wxString(),
            wxArtProvider::GetBitmap(tool.art, wxART_TOOLBAR, wxSize(kToolbarIcon, kToolbarIcon)));
    bar->Realize();
}

wxFrame* MakeFrame() {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "MinimalWxFrame");
    frame->SetMenuBar(MakeMenuBar());
    AddTools(frame->CreateToolBar());
    frame->CreateStatusBar(kStatusPanes);
    frame->SetStatusText(wxString::FromUTF8("レディ"));
    auto* panel = new wxPanel(frame);
    auto* text = new wxStaticText(panel, wxID_ANY,
                                  wxString::FromUTF8("00000000  日本語の表示テキスト 0123456789"));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(text, 0, wxALL, kToolbarIcon);
    panel->SetSizer(sizer);
    frame->Bind(
        wxEVT_MENU, [frame](wxCommandEvent&) { frame->Close(); }, wxID_EXIT);
    return frame;
}
} // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 1;
    MakeFrame()->Show();
    int code = wxTheApp->OnRun();
    wxEntryCleanup();
    return code;
}
