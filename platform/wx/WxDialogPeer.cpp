#include "platform/wx/WxDialogPeer.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "platform/base/Afx.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/PropertySheet.h"
#include "platform/framework/Wnd.h"
#include "platform/wx/WxCommandIds.h"
#include "platform/wx/WxDialogBuilder.h"
#include "platform/wx/WxSpinArrows.h"

namespace {
UINT DefaultButton(const CWindowRequest& request) {
    if (request.m_pDialog)
        for (const CControlDef& c : request.m_pDialog->m_controls)
            if (c.m_kind == CControlDef::DefPushButton) return c.m_nID;
    return IDOK;
}

wxArrayString Strings(const std::vector<std::string>& items) {
    wxArrayString out;
    for (const std::string& s : items)
        out.Add(CWxWindowPeer::Utf8(s));
    return out;
}

long SelectedRow(wxListCtrl* list) {
    return list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

constexpr int kDialogGap = 8; // pixels between two dialogs placed side by side

// Below, above, right of or left of the other, as near as the screen allows.
wxRect PlaceBeside(const wxRect& mine, const wxRect& other, const wxRect& screen) {
    const wxPoint places[] = {
        {mine.x, other.GetBottom() + 1 + kDialogGap},
        {mine.x, other.y - mine.height - kDialogGap},
        {other.GetRight() + 1 + kDialogGap, mine.y},
        {other.x - mine.width - kDialogGap, mine.y},
    };
    for (const wxPoint& place : places) {
        wxRect candidate(place, mine.GetSize());
        if (screen.Contains(candidate)) return candidate;
    }
    // No room beside it: at least its title bar and buttons stay clear.
    wxRect offset(wxPoint(other.x + 2 * kDialogGap, other.y + 4 * kDialogGap), mine.GetSize());
    return offset;
}
} // namespace

CWxDialogPeer::CWxDialogPeer(CWnd* pOwner, wxWindow* parent, const CWindowRequest& request)
    : CWxWindowPeer(pOwner), m_nDefaultID(DefaultButton(request)) {
    auto* dialog = new wxDialog(DialogOwner(parent), wxID_ANY, Utf8(request.m_strTitle));
    Attach(dialog);
    if (request.m_pDialog) {
        CWxDialogBuilder builder(dialog);
        builder.Build(*request.m_pDialog);
        dialog->SetClientSize(builder.ToPixels(request.m_pDialog->m_size));
    } else {
        BuildSheet(dialog, request);
    }
    ForwardControlCommands(dialog);
    dialog->Bind(wxEVT_CHAR_HOOK, &CWxDialogPeer::OnCharHook, this);
    dialog->Bind(wxEVT_CLOSE_WINDOW, &CWxDialogPeer::OnClose, this);
    dialog->Bind(wxEVT_COMBOBOX_DROPDOWN, &CWxDialogPeer::OnDropDown, this);
    StartDelivery();
}

void CWxDialogPeer::BuildSheet(wxDialog* dialog, const CWindowRequest& request) {
    auto* tabs = new wxNotebook(dialog, wxID_ANY);
    for (size_t i = 0; i < request.m_pages.size(); ++i) {
        auto* page = new wxPanel(tabs, wxID_ANY);
        CWxDialogBuilder builder(page);
        builder.Build(*request.m_pages[i]);
        page->SetMinSize(builder.ToPixels(request.m_pages[i]->m_size));
        tabs->AddPage(page, i < request.m_pageCaptions.size() ? Utf8(request.m_pageCaptions[i])
                                                              : wxString());
    }
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(dialog, CWxCommandIds::ToWx(IDOK), "OK");
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 6);
    buttons->Add(
        new wxButton(dialog, CWxCommandIds::ToWx(IDCANCEL), wxString::FromUTF8("キャンセル")), 0,
        wxRIGHT, 6);
    buttons->Add(new wxButton(dialog, CWxCommandIds::ToWx(CPropertySheet::kApplyID),
                              wxString::FromUTF8("適用(&A)")));
    BindPageHooks(tabs);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(tabs, 1, wxEXPAND | wxALL, 6);
    column->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 6);
    dialog->SetSizerAndFit(column);
}

void CWxDialogPeer::BindPageHooks(wxNotebook* tabs) {
    tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGING, [this](wxBookCtrlEvent& event) {
        auto* sheet = dynamic_cast<CPropertySheet*>(m_pOwner);
        if (sheet && !sheet->OnPageChanging()) event.Veto();
    });
    tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
        if (auto* sheet = dynamic_cast<CPropertySheet*>(m_pOwner))
            sheet->OnPageChanged(event.GetSelection());
    });
}

wxDialog* CWxDialogPeer::Dialog() const {
    return static_cast<wxDialog*>(m_pWindow.get());
}

wxWindow* CWxDialogPeer::Item(UINT id) const {
    return Dialog() ? Dialog()->FindWindow(CWxCommandIds::ToWx(id)) : nullptr;
}

void CWxDialogPeer::Show(bool bShow) {
    if (bShow && !m_bPlaced && Dialog() && !Dialog()->IsShown()) {
        m_bPlaced = true;
        PlaceBesideOtherDialogs();
    }
    CWxWindowPeer::Show(bShow);
}

void CWxDialogPeer::PlaceBesideOtherDialogs() {
    wxDialog* dialog = Dialog();
    dialog->CentreOnParent();
    int display = wxDisplay::GetFromWindow(dialog->GetParent() ? dialog->GetParent() : dialog);
    wxRect screen = wxDisplay(display == wxNOT_FOUND ? 0u : unsigned(display)).GetClientArea();
    wxRect mine = dialog->GetRect();
    for (wxWindow* top : wxTopLevelWindows) {
        auto* other = dynamic_cast<wxDialog*>(top);
        if (!other || other == dialog || !other->IsShown() || other->IsModal()) continue;
        // Until it is first shown, a dialog's size leaves out the window manager's frame: the
        // other's frame stands in for it.
        wxRect framed(mine.GetPosition(),
                      mine.GetSize() + other->GetSize() - other->GetClientSize());
        if (framed.Intersects(other->GetRect()))
            mine.SetPosition(PlaceBeside(framed, other->GetRect(), screen).GetPosition());
    }
    dialog->Move(mine.GetPosition());
}

int CWxDialogPeer::RunModal() {
    if (!Dialog()) return 0;
    Dialog()->CentreOnParent();
    return Dialog()->ShowModal();
}

void CWxDialogPeer::EndModal(int result) {
    if (Dialog() && Dialog()->IsModal()) Dialog()->EndModal(result);
}

void CWxDialogPeer::OnCharHook(wxKeyEvent& event) {
    wxWindow* focus = wxWindow::FindFocus();
    auto* text = dynamic_cast<wxTextCtrl*>(focus);
    bool enter = event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER;
    // A focused button takes Enter itself, a multi-line edit makes a line of it.
    if (enter && (dynamic_cast<wxButton*>(focus) || (text && text->IsMultiLine()))) enter = false;
    UINT command = event.GetKeyCode() == WXK_ESCAPE ? IDCANCEL : enter ? m_nDefaultID : 0;
    if (command == 0 || !m_pOwner) {
        event.Skip();
        return;
    }
    m_pOwner->OnCommandFromUI(command);
}

void CWxDialogPeer::OnClose(wxCloseEvent& event) {
    if (!m_pOwner || !event.CanVeto()) {
        event.Skip();
        return;
    }
    event.Veto();
    m_pOwner->OnClose();
}

void CWxDialogPeer::OnDropDown(wxCommandEvent& event) {
    if (auto* dialog = dynamic_cast<CDialog*>(m_pOwner))
        dialog->OnDropDown(CWxCommandIds::FromWx(event.GetId()));
    event.Skip();
}

void CWxDialogPeer::PostCommand(UINT id) {
    // Dropped with the window if it goes first.
    if (Dialog())
        Dialog()->CallAfter([this, id] {
            if (m_pOwner) m_pOwner->OnCommandFromUI(id);
        });
}

void CWxDialogPeer::SetItemText(UINT id, const std::string& text) {
    wxWindow* item = Item(id);
    wxString value = Utf8(text);
    if (auto* combo = dynamic_cast<wxComboBox*>(item); combo && combo->HasFlag(wxCB_READONLY))
        combo->SetStringSelection(value);
    else if (auto* entry = dynamic_cast<wxTextEntry*>(item))
        entry->ChangeValue(value);
    else if (auto* list = dynamic_cast<wxListBox*>(item))
        list->SetStringSelection(value);
    else if (item)
        item->SetLabel(value);
}

std::string CWxDialogPeer::GetItemText(UINT id) {
    wxWindow* item = Item(id);
    if (auto* entry = dynamic_cast<wxTextEntry*>(item)) return Utf8(entry->GetValue());
    if (auto* list = dynamic_cast<wxListBox*>(item)) return Utf8(list->GetStringSelection());
    if (auto* view = dynamic_cast<wxListCtrl*>(item)) {
        long row = SelectedRow(view);
        return row < 0 ? std::string() : Utf8(view->GetItemText(row));
    }
    return item ? Utf8(item->GetLabel()) : std::string();
}

void CWxDialogPeer::SetItemCheck(UINT id, int state) {
    wxWindow* item = Item(id);
    if (auto* check = dynamic_cast<wxCheckBox*>(item)) check->SetValue(state != 0);
    // A radio button is cleared by checking another of its group.
    if (auto* radio = dynamic_cast<wxRadioButton*>(item); radio && state) radio->SetValue(true);
}

int CWxDialogPeer::GetItemCheck(UINT id) {
    wxWindow* item = Item(id);
    if (auto* check = dynamic_cast<wxCheckBox*>(item)) return check->GetValue() ? 1 : 0;
    if (auto* radio = dynamic_cast<wxRadioButton*>(item)) return radio->GetValue() ? 1 : 0;
    return 0;
}

void CWxDialogPeer::EnableItem(UINT id, bool bEnable) {
    if (wxWindow* item = Item(id)) item->Enable(bEnable);
}

void CWxDialogPeer::SetComboItems(UINT id, const std::vector<std::string>& items) {
    wxWindow* item = Item(id);
    if (auto* view = dynamic_cast<wxListCtrl*>(item)) {
        view->DeleteAllItems();
        for (size_t i = 0; i < items.size(); ++i)
            view->InsertItem(static_cast<long>(i), Utf8(items[i]));
        return;
    }
    auto* container = dynamic_cast<wxItemContainer*>(item);
    if (!container) return;
    // Replacing the list keeps what the edit part shows.
    auto* entry = item->HasFlag(wxCB_READONLY) ? nullptr : dynamic_cast<wxTextEntry*>(item);
    wxString text = entry ? entry->GetValue() : wxString();
    container->Set(Strings(items));
    if (entry) entry->ChangeValue(text);
}

void CWxDialogPeer::SetSpinRange(UINT id, int low, int high) {
    if (auto* spin = dynamic_cast<CWxSpinArrows*>(Item(id))) spin->SetRange(low, high);
}

void CWxDialogPeer::FocusItem(UINT id) {
    wxWindow* item = Item(id);
    if (!item) return;
    item->SetFocus();
    if (auto* entry = dynamic_cast<wxTextEntry*>(item)) entry->SelectAll();
}
