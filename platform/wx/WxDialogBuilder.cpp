#include "platform/wx/WxDialogBuilder.h"
#include "platform/wx/WxCommandIds.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "platform/wx/WxSpinArrows.h"

namespace {
constexpr UINT kUnaddressed = 0xFFFF;

wxString Text(const CControlDef& c) {
    return wxString::FromUTF8(c.m_text);
}

long TextStyle(unsigned style) {
    long s = 0;
    if (style & CControlDef::kMultiLine) s |= wxTE_MULTILINE;
    if (style & CControlDef::kReadOnly) s |= wxTE_READONLY;
    return s;
}

} // namespace

CWxDialogBuilder::CWxDialogBuilder(wxWindow* host) : m_pHost(host) {
    // As the system computes a dialog's base units from its font.
    wxSize letters = host->GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_base = wxSize((letters.x / 26 + 1) / 2, host->GetCharHeight());
}

wxPoint CWxDialogBuilder::ToPixels(int x, int y) const {
    return wxPoint(x * m_base.x / 4, y * m_base.y / 8);
}

wxSize CWxDialogBuilder::ToPixels(CSize size) const {
    wxPoint p = ToPixels(size.cx, size.cy);
    return wxSize(p.x, p.y);
}

wxRect CWxDialogBuilder::ToPixels(const CRect& rect) const {
    wxPoint a = ToPixels(rect.left, rect.top), b = ToPixels(rect.right, rect.bottom);
    return wxRect(a, wxSize(b.x - a.x, b.y - a.y));
}

void CWxDialogBuilder::Build(const CDialogDef& def) {
    wxWindow* previous = nullptr;
    for (const CControlDef& c : def.m_controls) {
        wxWindow* control = Make(c, previous);
        if (!control) continue;
        wxRect place = ToPixels(c.m_rect);
        place.SetSize(FitLabel(c.m_kind, control, place.GetSize()));
        control->SetSize(place);
        if (c.m_style & CControlDef::kDisabled) control->Disable();
        previous = control;
    }
}

// GTK cannot draw a button or box smaller than its label: such a control grows to the right
// and downwards rather than lose its text.
wxSize CWxDialogBuilder::FitLabel(CControlDef::Kind kind, wxWindow* control, wxSize size) {
    switch (kind) {
    case CControlDef::PushButton:
    case CControlDef::DefPushButton:
    case CControlDef::CheckBox:
    case CControlDef::RadioButton:
        size.IncTo(control->GetBestSize());
        return size;
    default:
        return size;
    }
}

wxWindow* CWxDialogBuilder::Make(const CControlDef& c, wxWindow* previous) {
    wxWindowID id = c.m_nID == kUnaddressed ? wxID_ANY : CWxCommandIds::ToWx(c.m_nID);
    wxWindow* host = m_pHost;
    wxPoint pos = wxDefaultPosition;
    wxSize size = wxDefaultSize;
    switch (c.m_kind) {
    case CControlDef::Static:
        return new wxStaticText(host, id, Text(c), pos, size, wxST_NO_AUTORESIZE);
    case CControlDef::GroupBox:
        return new wxStaticBox(host, id, Text(c));
    case CControlDef::PushButton:
        return new wxButton(host, id, Text(c));
    case CControlDef::DefPushButton: {
        auto* button = new wxButton(host, id, Text(c));
        button->SetDefault();
        return button;
    }
    case CControlDef::CheckBox:
        return new wxCheckBox(host, id, Text(c));
    case CControlDef::RadioButton:
        return new wxRadioButton(host, id, Text(c), pos, size,
                                 (c.m_style & CControlDef::kGroup) ? wxRB_GROUP : 0);
    case CControlDef::Edit: {
        auto* edit = new wxTextCtrl(host, id, wxString(), pos, size, TextStyle(c.m_style));
        if (c.m_style & CControlDef::kNumber) edit->SetValidator(wxTextValidator(wxFILTER_DIGITS));
        return edit;
    }
    case CControlDef::ComboBox:
    case CControlDef::DropList:
        return new wxComboBox(host, id, wxString(), pos, size, 0, nullptr,
                              c.m_kind == CControlDef::DropList ? wxCB_READONLY : wxCB_DROPDOWN);
    case CControlDef::ListBox:
        return new wxListBox(host, id);
    case CControlDef::ListView: {
        auto* list =
            new wxListCtrl(host, id, pos, size, wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_NO_HEADER);
        list->AppendColumn(wxString(), wxLIST_FORMAT_LEFT, ToPixels(c.m_rect).width);
        return list;
    }
    case CControlDef::Spin: {
        auto* spin = new CWxSpinArrows(host, id);
        if (auto* buddy = dynamic_cast<wxTextCtrl*>(previous)) Attach(spin, buddy);
        return spin;
    }
    }
    return nullptr;
}

// The spin button sets the number in the control before it, and the arrow keys in that
// control work the spin button.
void CWxDialogBuilder::Attach(CWxSpinArrows* spin, wxTextCtrl* buddy) {
    spin->SetBuddy(
        [buddy] {
            long value = 0;
            buddy->GetValue().ToLong(&value);
            return static_cast<int>(value);
        },
        [buddy](int value) { buddy->ChangeValue(wxString::Format("%d", value)); });
    buddy->Bind(wxEVT_KEY_DOWN, [spin](wxKeyEvent& event) {
        int step = event.GetKeyCode() == WXK_UP ? 1 : event.GetKeyCode() == WXK_DOWN ? -1 : 0;
        if (step == 0)
            event.Skip();
        else
            spin->Step(step);
    });
}
