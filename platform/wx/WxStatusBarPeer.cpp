#include "platform/wx/WxStatusBarPeer.h"

#include <wx/statusbr.h>

namespace {
constexpr int kTextMargin = 10; // room for the pane's border and padding
}

CWxStatusBarPeer::CWxStatusBarPeer(CWnd* pOwner, wxWindow* parent) : CWxWindowPeer(pOwner) {
    Attach(new wxStatusBar(parent, wxID_ANY, wxSTB_SHOW_TIPS));
    StartDelivery();
}

wxStatusBar* CWxStatusBarPeer::Bar() const {
    return static_cast<wxStatusBar*>(m_pWindow.get());
}

void CWxStatusBarPeer::SetPanes(const std::vector<int>& widths) {
    m_widths = widths;
    if (!m_widths.empty()) m_widths[0] = -1; // the first pane stretches
    ApplyWidths();
}

void CWxStatusBarPeer::ApplyWidths() {
    if (Bar() && !m_widths.empty())
        Bar()->SetFieldsCount(static_cast<int>(m_widths.size()), m_widths.data());
}

void CWxStatusBarPeer::SetPaneText(int index, const std::string& text) {
    if (!Bar() || index < 0 || static_cast<size_t>(index) >= m_widths.size()) return;
    wxString value = Utf8(text);
    int& width = m_widths[static_cast<size_t>(index)];
    int needed = Bar()->GetTextExtent(value).x + kTextMargin;
    if (width >= 0 && needed > width) {
        width = needed;
        ApplyWidths();
    }
    Bar()->SetStatusText(value, index);
}
