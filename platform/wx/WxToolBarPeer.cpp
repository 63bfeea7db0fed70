#include "platform/wx/WxToolBarPeer.h"

#include <gtk/gtk.h>
#include <wx/toolbar.h>

#include "platform/base/ResourceSet.h"
#include "platform/framework/CmdUI.h"
#include "platform/framework/Wnd.h"
#include "platform/wx/WxCommandIds.h"
#include "platform/wx/WxToolImages.h"

namespace {
constexpr int kMinimumExtent = 32; // more than an empty bar's frame and padding
// GTK shows the arrow while it lays the bar out, but places it only at the next layout of the
// bar, which never comes while the window keeps its size: lay the bar out once more.
void PlaceOverflowArrow(GtkWidget* widget, GdkRectangle* allocation, gpointer bar) {
    GtkWidget* arrow = CWxToolBarPeer::OverflowArrow(static_cast<wxToolBar*>(bar));
    if (!arrow || !gtk_widget_get_visible(arrow)) return;
    GtkAllocation placed;
    gtk_widget_get_allocation(arrow, &placed);
    if (placed.width > 1) return;
    GtkAllocation again = *allocation;
    gtk_widget_size_allocate(widget, &again);
}

// The tooltip is the part of the command's string after the line break.
wxString Tooltip(UINT id) {
    std::string text = CResourceSet::Current().LoadString(id);
    size_t br = text.find('\n');
    return CWxWindowPeer::Utf8(br == std::string::npos ? std::string() : text.substr(br + 1));
}
} // namespace

CWxToolBarPeer::CWxToolBarPeer(CWnd* pOwner, wxWindow* parent, const CWindowRequest& request)
    : CWxWindowPeer(pOwner), m_bMarkers(request.m_pToolBar == nullptr) {
    if (request.m_pToolBar) m_def = *request.m_pToolBar;
    long style = wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER | (m_bMarkers ? wxTB_TEXT : 0);
    auto* bar = new wxToolBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, style);
    bar->SetToolBitmapSize(m_bMarkers ? CWxToolImages::MarkerSize()
                                      : wxSize(CWxToolImages::kWidth, CWxToolImages::kWidth));
    Attach(bar);
    g_signal_connect_after(bar->GTKGetToolbar(), "size-allocate", G_CALLBACK(PlaceOverflowArrow),
                           bar);
    GrowToBestSize();
    bar->Bind(wxEVT_TOOL, &CWxToolBarPeer::OnTool, this);
    bar->Bind(wxEVT_TOOL_ENTER, [this](wxCommandEvent& event) {
        int id = event.GetSelection(); // -1 when the pointer left the buttons
        if (m_pOwner) m_pOwner->OnMenuSelect(id > 0 ? CWxCommandIds::FromWx(id) : 0);
    });
    StartDelivery();
}

GtkWidget* CWxToolBarPeer::OverflowArrow(wxToolBar* bar) {
    // GTK keeps it among the bar's internal children, the one plain toggle button.
    GtkWidget* arrow = nullptr;
    gtk_container_forall(
        GTK_CONTAINER(bar->GTKGetToolbar()),
        [](GtkWidget* child, gpointer found) {
            if (GTK_IS_TOGGLE_BUTTON(child)) *static_cast<GtkWidget**>(found) = child;
        },
        &arrow);
    return arrow;
}

wxToolBar* CWxToolBarPeer::Bar() const {
    return static_cast<wxToolBar*>(m_pWindow.get());
}

void CWxToolBarPeer::GrowToBestSize() {
    // Until its container lays it out the bar keeps the size it was made with, and GTK
    // complains when it is shown in less than its frame and buttons need.
    wxToolBar* bar = Bar();
    wxSize size = bar->GetSize();
    size.IncTo(bar->GetBestSize());
    size.IncTo(wxSize(kMinimumExtent, kMinimumExtent));
    bar->SetSize(size);
}

wxBitmap CWxToolBarPeer::ImageOf(const Button& button) const {
    return m_bMarkers ? CWxToolImages::Marker(button.m_nImage)
                      : CWxToolImages::ForCommand(m_def, button.m_nID);
}

void CWxToolBarPeer::SetButtons(const std::vector<Button>& buttons) {
    wxToolBar* bar = Bar();
    if (!bar) return;
    bar->ClearTools();
    m_checked.clear();
    for (const Button& b : buttons) {
        if (b.m_nID == 0) {
            bar->AddSeparator();
            continue;
        }
        // Every button can show a check mark, as update handlers may set one on any.
        bar->AddTool(CWxCommandIds::ToWx(b.m_nID), Utf8(b.m_strLabel), ImageOf(b), wxNullBitmap,
                     wxITEM_CHECK, Tooltip(b.m_nID));
    }
    bar->Realize();
    GrowToBestSize();
    m_buttons = buttons;
    RelayoutContainer();
    UpdateCommandUI();
}

void CWxToolBarPeer::SetButtonImage(int index, int image) {
    if (index < 0 || static_cast<size_t>(index) >= m_buttons.size() || !Bar()) return;
    Button& b = m_buttons[static_cast<size_t>(index)];
    if (b.m_nID == 0 || b.m_nImage == image) return;
    b.m_nImage = image;
    Bar()->SetToolNormalBitmap(CWxCommandIds::ToWx(b.m_nID), ImageOf(b));
}

void CWxToolBarPeer::UpdateCommandUI() {
    wxToolBar* bar = Bar();
    if (!bar || !m_pOwner) return;
    for (const Button& b : m_buttons) {
        if (b.m_nID == 0) continue;
        int id = CWxCommandIds::ToWx(b.m_nID);
        CCmdUI state(b.m_nID);
        m_pOwner->OnUpdateFromUI(&state);
        if (bar->GetToolEnabled(id) != state.m_bEnabled) bar->EnableTool(id, state.m_bEnabled);
        bool checked = state.m_bCheckSet && state.m_nCheck != 0;
        m_checked[b.m_nID] = checked;
        if (bar->GetToolState(id) != checked) bar->ToggleTool(id, checked);
    }
}

void CWxToolBarPeer::OnTool(wxCommandEvent& event) {
    UINT id = CWxCommandIds::FromWx(event.GetId());
    // The click toggled the button; its mark is the owner's to decide.
    Bar()->ToggleTool(event.GetId(), m_checked[id]);
    // Run after the click is over: the command may rebuild this very bar.
    CallAfter([this, id] {
        if (m_pOwner) m_pOwner->OnCommandFromUI(id);
    });
}
