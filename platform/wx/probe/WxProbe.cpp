#include "platform/wx/probe/WxProbe.h"

#include <chrono>
#include <memory>
#include <thread>

#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dialog.h>
#include <wx/dnd.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/print.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "platform/framework/ScrollInfo.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxCommandIds.h"
#include "platform/wx/WxDialogBuilder.h"
#include "platform/wx/WxDocumentBook.h"
#include "platform/wx/WxKeyMap.h"
#include "platform/wx/WxMainFramePeer.h"
#include "platform/wx/WxMenuBar.h"
#include "platform/wx/WxSpinArrows.h"
#include "platform/wx/WxToolBarPeer.h"

namespace {
wxWindow* WindowOf(const CWnd& wnd) {
    CWxWindowPeer* peer = CWxWindowPeer::Of(&wnd);
    return peer ? peer->GetWindow() : nullptr;
}

CWxDocumentBook* BookOf(const CWnd& frame) {
    auto* peer = dynamic_cast<CWxMainFramePeer*>(CWxWindowPeer::Of(&frame));
    return peer ? peer->GetBook() : nullptr;
}

wxToolBar* ToolBarOf(const CWnd& bar) {
    return static_cast<wxToolBar*>(WindowOf(bar));
}

wxWindow* ItemOf(const CWnd& dialog, UINT id) {
    return WindowOf(dialog)->FindWindow(CWxCommandIds::ToWx(id));
}

void Deliver(wxWindow* window, wxEvent& event) {
    event.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(event);
}

int Orientation(int bar) {
    return bar == SB_VERT ? wxVERTICAL : wxHORIZONTAL;
}

wxEventType ScrollType(CWxProbe::ScrollAction action) {
    switch (action) {
    case CWxProbe::LineUp:
        return wxEVT_SCROLLWIN_LINEUP;
    case CWxProbe::LineDown:
        return wxEVT_SCROLLWIN_LINEDOWN;
    case CWxProbe::PageUp:
        return wxEVT_SCROLLWIN_PAGEUP;
    case CWxProbe::PageDown:
        return wxEVT_SCROLLWIN_PAGEDOWN;
    case CWxProbe::Track:
        return wxEVT_SCROLLWIN_THUMBTRACK;
    case CWxProbe::Release:
        return wxEVT_SCROLLWIN_THUMBRELEASE;
    case CWxProbe::Top:
        return wxEVT_SCROLLWIN_TOP;
    default:
        return wxEVT_SCROLLWIN_BOTTOM;
    }
}

std::vector<std::string> LabelsOf(wxMenuItem* item) {
    GtkWidget* child =
        item->GetMenuItem() ? gtk_bin_get_child(GTK_BIN(item->GetMenuItem())) : nullptr;
    if (!child) return {};
    if (GTK_IS_LABEL(child)) return {gtk_label_get_text(GTK_LABEL(child))};
    std::vector<std::string> labels;
    GList* parts = gtk_container_get_children(GTK_CONTAINER(child));
    for (GList* p = parts; p; p = p->next)
        if (GTK_IS_LABEL(p->data)) labels.emplace_back(gtk_label_get_text(GTK_LABEL(p->data)));
    g_list_free(parts);
    return labels;
}

CWxProbe::MenuItem Describe(wxMenuItem* item) {
    CWxProbe::MenuItem m;
    m.m_nID = item->IsSeparator() || item->IsSubMenu() ? 0 : CWxCommandIds::FromWx(item->GetId());
    m.m_bVisible = item->GetMenuItem() && gtk_widget_get_visible(item->GetMenuItem());
    m.m_bEnabled = item->IsEnabled();
    m.m_bChecked = item->IsCheckable() && item->IsChecked();
    std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
    m.m_bBound = accel != nullptr;
    m.m_labels = LabelsOf(item);
    return m;
}

void Walk(wxMenu* menu, std::vector<CWxProbe::MenuItem>& out) {
    for (wxMenuItem* item : menu->GetMenuItems()) {
        out.push_back(Describe(item));
        if (item->IsSubMenu()) Walk(item->GetSubMenu(), out);
    }
}
} // namespace

bool CWxProbe::Start(int& argc, char** argv) {
    CWxBackend::QuietDiagnostics();
    wxApp::SetInstance(new wxApp);
    return wxEntryStart(argc, argv);
}

void CWxProbe::Stop() {
    wxEntryCleanup();
}

void CWxProbe::Pump(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
}

COLORREF CWxProbe::Pixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return 0xFFFFFFFF;
    return m_data[static_cast<size_t>(y) * static_cast<size_t>(m_nWidth) + static_cast<size_t>(x)];
}

bool CWxProbe::Pixels::Differs(const CRect& rect, COLORREF background) const {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (At(x, y) != background) return true;
    return false;
}

CWxProbe::Pixels CWxProbe::Capture(const CWnd& wnd) {
    wxWindow* window = WindowOf(wnd);
    window->Refresh(false);
    window->Update();
    Pump(30);
    Pixels pixels;
    wxSize size = window->GetClientSize();
    GdkPixbuf* shot =
        gdk_pixbuf_get_from_window(window->GTKGetDrawingWindow(), 0, 0, size.x, size.y);
    if (!shot) return pixels;
    pixels.m_nWidth = size.x;
    pixels.m_nHeight = size.y;
    const guchar* data = gdk_pixbuf_get_pixels(shot);
    int stride = gdk_pixbuf_get_rowstride(shot), channels = gdk_pixbuf_get_n_channels(shot);
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x) {
            const guchar* p = data + y * stride + x * channels;
            pixels.m_data.push_back(RGB(p[0], p[1], p[2]));
        }
    g_object_unref(shot);
    return pixels;
}

void CWxProbe::Key(const CWnd& wnd, unsigned vk, bool bDown, bool bShift, bool bControl) {
    wxKeyEvent key(bDown ? wxEVT_KEY_DOWN : wxEVT_KEY_UP);
    key.m_keyCode = CWxKeyMap::WxKey(vk);
    key.SetShiftDown(bShift);
    key.SetControlDown(bControl);
    Deliver(WindowOf(wnd), key);
}

void CWxProbe::Char(const CWnd& wnd, unsigned codePoint, bool bAlt) {
    wxKeyEvent key(wxEVT_CHAR);
    key.m_keyCode = codePoint < WXK_START ? static_cast<int>(codePoint) : WXK_NONE;
    key.m_uniChar = static_cast<wxChar>(codePoint);
    key.SetAltDown(bAlt);
    Deliver(WindowOf(wnd), key);
}

void CWxProbe::Scroll(const CWnd& wnd, int bar, ScrollAction action, int pos) {
    wxScrollWinEvent scroll(ScrollType(action), pos, Orientation(bar));
    Deliver(WindowOf(wnd), scroll);
}

void CWxProbe::Focus(const CWnd& wnd, bool bFocused) {
    wxFocusEvent focus(bFocused ? wxEVT_SET_FOCUS : wxEVT_KILL_FOCUS);
    Deliver(WindowOf(wnd), focus);
}

bool CWxProbe::RequestClose(const CWnd& wnd) {
    wxCloseEvent close(wxEVT_CLOSE_WINDOW);
    close.SetCanVeto(true);
    Deliver(WindowOf(wnd), close);
    return close.GetVeto();
}

void CWxProbe::MenuCommand(const CWnd& frame, UINT id) {
    wxCommandEvent command(wxEVT_MENU, CWxCommandIds::ToWx(id));
    Deliver(WindowOf(frame), command);
}

bool CWxProbe::DropFiles(const CWnd& wnd, const std::vector<std::string>& paths) {
    auto* target = dynamic_cast<wxFileDropTarget*>(WindowOf(wnd)->GetDropTarget());
    if (!target) return false;
    wxArrayString files;
    for (const std::string& path : paths)
        files.Add(wxString::FromUTF8(path));
    return target->OnDropFiles(0, 0, files);
}

int CWxProbe::ScrollPos(const CWnd& wnd, int bar) {
    return WindowOf(wnd)->GetScrollPos(Orientation(bar));
}

int CWxProbe::ScrollRange(const CWnd& wnd, int bar) {
    return WindowOf(wnd)->GetScrollRange(Orientation(bar));
}

int CWxProbe::PageCount(const CWnd& frame) {
    return static_cast<int>(BookOf(frame)->GetPageCount());
}

int CWxProbe::PageIndex(const CWnd& frame, const CWnd& child) {
    return BookOf(frame)->FindPage(WindowOf(child));
}

int CWxProbe::SelectedPage(const CWnd& frame) {
    return BookOf(frame)->GetSelection();
}

void CWxProbe::ClickPage(const CWnd& frame, int index) {
    BookOf(frame)->SetSelection(static_cast<size_t>(index));
}

int CWxProbe::ClickSheetTab(const CWnd& sheet, int index) {
    wxWindow* dialog = WindowOf(sheet);
    for (wxWindow* child : dialog->GetChildren())
        if (auto* tabs = dynamic_cast<wxNotebook*>(child)) {
            // Unlike ChangeSelection this asks the sheet first, as a click does.
            tabs->SetSelection(static_cast<size_t>(index));
            return tabs->GetSelection();
        }
    return -1;
}

std::string CWxProbe::PageText(const CWnd& frame, int index) {
    return std::string(BookOf(frame)->GetPageText(static_cast<size_t>(index)).utf8_str());
}

int CWxProbe::PaneCount(const CWnd& frame) {
    return BookOf(frame)->CountPanes();
}

int CWxProbe::ToolCount(const CWnd& bar) {
    return static_cast<int>(ToolBarOf(bar)->GetToolsCount());
}

CWxProbe::Tool CWxProbe::ToolState(const CWnd& bar, UINT id) {
    wxToolBar* tools = ToolBarOf(bar);
    int wxId = CWxCommandIds::ToWx(id);
    Tool t;
    const wxToolBarToolBase* tool = tools->FindById(wxId);
    if (!tool) return t;
    t.m_bEnabled = tools->GetToolEnabled(wxId);
    t.m_bChecked = tools->GetToolState(wxId);
    t.m_bCheckStyle = tool->CanBeToggled();
    t.m_strLabel = tool->GetLabel().utf8_str();
    wxImage picture = tool->GetNormalBitmap().ConvertToImage();
    t.m_bMarkerShown = !picture.HasAlpha() || picture.GetAlpha(0, 0) != 0;
    return t;
}

void CWxProbe::ClickTool(const CWnd& bar, UINT id) {
    wxCommandEvent click(wxEVT_TOOL, CWxCommandIds::ToWx(id));
    Deliver(ToolBarOf(bar), click);
}

bool CWxProbe::ToolReachable(const CWnd& bar, UINT id) {
    wxToolBar* tools = ToolBarOf(bar);
    GtkToolbar* gtkBar = tools->GTKGetToolbar();
    GtkToolItem* item =
        gtk_toolbar_get_nth_item(gtkBar, tools->GetToolPos(CWxCommandIds::ToWx(id)));
    GtkWidget* top = gtk_widget_get_toplevel(GTK_WIDGET(gtkBar));
    if (!item || !top) return false;
    // On the bar, or in the arrow's menu: either way drawn inside the window.
    GtkWidget* shown = GTK_WIDGET(item);
    if (!gtk_widget_get_child_visible(shown)) {
        shown = CWxToolBarPeer::OverflowArrow(tools);
        if (!shown || !gtk_widget_get_visible(shown)) return false;
    }
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(shown, top, 0, 0, &x, &y);
    int width = gtk_widget_get_allocated_width(shown);
    return width > 1 && x >= 0 && x + width <= gtk_widget_get_allocated_width(top);
}

namespace {
wxPreviewFrame* OpenPreview() {
    for (wxWindow* top : wxTopLevelWindows)
        if (auto* frame = dynamic_cast<wxPreviewFrame*>(top)) return frame;
    return nullptr;
}
} // namespace

CWxProbe::PageBox CWxProbe::PreviewLastPage() {
    PageBox result;
    wxPreviewFrame* frame = OpenPreview();
    if (!frame) return result;
    frame->GetControlBar()->OnLast();
    Pump(50);
    auto* box = dynamic_cast<wxTextCtrl*>(frame->FindWindow(wxID_PREVIEW_GOTO));
    if (!box) return result;
    result.m_strText = box->GetValue().utf8_string();
    result.m_bFits =
        box->GetSizeFromTextSize(box->GetTextExtent(box->GetValue())).x <= box->GetSize().x;
    return result;
}

void CWxProbe::ClosePreview() {
    if (wxPreviewFrame* frame = OpenPreview()) frame->Close(true);
    Pump(50);
}

CRect CWxProbe::ItemRect(const CWnd& dialog, UINT id) {
    wxRect r = ItemOf(dialog, id)->GetRect();
    return CRect(r.x, r.y, r.x + r.width, r.y + r.height);
}

CSize CWxProbe::DialogBaseUnits(const CWnd& dialog) {
    wxSize base = CWxDialogBuilder(WindowOf(dialog)).BaseUnits();
    return CSize(base.x, base.y);
}

bool CWxProbe::ItemEnabled(const CWnd& dialog, UINT id) {
    return ItemOf(dialog, id)->IsEnabled();
}

void CWxProbe::ClickItem(const CWnd& dialog, UINT id) {
    wxWindow* item = ItemOf(dialog, id);
    wxEventType type = dynamic_cast<wxCheckBox*>(item)      ? wxEVT_CHECKBOX
                       : dynamic_cast<wxRadioButton*>(item) ? wxEVT_RADIOBUTTON
                                                            : wxEVT_BUTTON;
    wxCommandEvent click(type, item->GetId());
    Deliver(item, click);
}

void CWxProbe::DropDownItem(const CWnd& dialog, UINT id) {
    wxWindow* item = ItemOf(dialog, id);
    wxCommandEvent drop(wxEVT_COMBOBOX_DROPDOWN, item->GetId());
    Deliver(item, drop);
}

void CWxProbe::DialogKey(const CWnd& dialog, unsigned vk) {
    wxKeyEvent hook(wxEVT_CHAR_HOOK);
    hook.m_keyCode = CWxKeyMap::WxKey(vk);
    Deliver(WindowOf(dialog), hook);
}

void CWxProbe::ItemKeyDown(const CWnd& dialog, UINT id, unsigned vk) {
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = CWxKeyMap::WxKey(vk);
    Deliver(ItemOf(dialog, id), key);
}

bool CWxProbe::StepSpin(const CWnd& dialog, UINT id, int step) {
    auto* spin = dynamic_cast<CWxSpinArrows*>(ItemOf(dialog, id));
    return spin && spin->Step(step);
}

std::vector<CWxProbe::MenuItem> CWxProbe::MenuItems(const CWxMenuBar& bar, int menu) {
    std::vector<MenuItem> items;
    Walk(bar.GetBar()->GetMenu(static_cast<size_t>(menu)), items);
    return items;
}

CWxProbe::MenuItem CWxProbe::FindMenuItem(const CWxMenuBar& bar, UINT id) {
    wxMenuItem* item = bar.GetBar()->FindItem(CWxCommandIds::ToWx(id));
    return item ? Describe(item) : MenuItem();
}

void CWxProbe::SetClipboardText(const std::string& utf8) {
    if (!wxTheClipboard->Open()) return;
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(utf8)));
    wxTheClipboard->Close();
}

std::string CWxProbe::ClipboardText() {
    wxTextDataObject text;
    if (!wxTheClipboard->Open()) return "<closed>";
    bool ok = wxTheClipboard->GetData(text);
    wxTheClipboard->Close();
    return ok ? std::string(text.GetText().utf8_str()) : "<none>";
}

namespace {
struct PrintAnswer {
    int from = 0, to = 0;
    std::string uri;
    int ticks = 0;
    bool told = false;
};
constexpr int kPrintAnswerTicks = 200; // 20 s of 100 ms
constexpr guint kPrintAnswerInterval = 100;

GtkPrintUnixDialog* ShownPrintDialog() {
    GtkPrintUnixDialog* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w && !found; w = w->next)
        if (GTK_IS_PRINT_UNIX_DIALOG(w->data) && gtk_widget_get_visible(GTK_WIDGET(w->data)))
            found = GTK_PRINT_UNIX_DIALOG(w->data);
    g_list_free(windows);
    return found;
}

// Once the dialog is up it is told the printer, the pages and the file; once the printer has
// come up in its list it is confirmed.
gboolean AnswerPrintDialogTick(gpointer data) {
    auto* answer = static_cast<PrintAnswer*>(data);
    GtkPrintUnixDialog* dialog = ShownPrintDialog();
    if (dialog && gtk_print_unix_dialog_get_selected_printer(dialog)) {
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
        delete answer;
        return G_SOURCE_REMOVE;
    }
    if (dialog && !answer->told) {
        answer->told = true;
        GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(dialog);
        // The file printer's name as GTK shows it in the current language.
        gtk_print_settings_set_printer(settings, g_dgettext("gtk30", "Print to File"));
        gtk_print_settings_set_print_pages(settings, GTK_PRINT_PAGES_RANGES);
        GtkPageRange range{answer->from - 1, answer->to - 1};
        gtk_print_settings_set_page_ranges(settings, &range, 1);
        gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, answer->uri.c_str());
        gtk_print_unix_dialog_set_settings(dialog, settings);
        g_object_unref(settings);
    }
    if (++answer->ticks < kPrintAnswerTicks) return G_SOURCE_CONTINUE;
    if (dialog) gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    delete answer;
    return G_SOURCE_REMOVE;
}
} // namespace

void CWxProbe::AnswerPrintDialog(int from, int to, const std::string& pdfPath) {
    // Printers that need nothing outside the process.
    g_setenv("GTK_PRINT_BACKENDS", "file", TRUE);
    gchar* uri = g_filename_to_uri(pdfPath.c_str(), nullptr, nullptr);
    auto* answer = new PrintAnswer{from, to, uri ? uri : "", 0, false};
    g_free(uri);
    g_timeout_add(kPrintAnswerInterval, AnswerPrintDialogTick, answer);
}

int CWxProbe::CountLogged(const std::function<void()>& body) {
    struct Counter : wxLog {
        int m_nLogged = 0;
        void DoLogRecord(wxLogLevel, const wxString&, const wxLogRecordInfo&) override {
            ++m_nLogged;
        }
    };
    Counter counter;
    wxLog* previous = wxLog::SetActiveTarget(&counter);
    body();
    wxLog::FlushActive();
    wxLog::SetActiveTarget(previous);
    return counter.m_nLogged;
}
