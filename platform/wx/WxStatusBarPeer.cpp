#include "platform/wx/WxStatusBarPeer.h"

#include <wx/dcclient.h>
#include <wx/statusbr.h>

namespace {
constexpr int kTextMargin = 10; // room for the pane's border and padding

// wx's bar repaints a pane the moment its text is set; a held key then paints the bar once a
// key. This one leaves the pane to the next paint with the rest of the window, and that paint
// draws only the panes it reaches.
class CQuietStatusBar : public wxStatusBar {
public:
    CQuietStatusBar(wxWindow* parent, long style) : wxStatusBar(parent, wxID_ANY, style) {
        Bind(wxEVT_PAINT, &CQuietStatusBar::OnPaintPanes, this);
    }
    // The font's height is measured again at the next paint.
    void FontChanged() { m_nTextHeight = -1; }

protected:
    void DoUpdateStatusText(int number) override {
        wxRect rect;
        if (GetFieldRect(number, rect)) Refresh(true, &rect);
    }

private:
    void OnPaintPanes(wxPaintEvent&) {
        wxPaintDC dc(this);
        dc.SetFont(GetFont());
        if (m_nTextHeight < 0) m_nTextHeight = dc.GetCharHeight();
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        const wxRegion& update = GetUpdateRegion();
        for (int i = 0; i < GetFieldsCount(); ++i) {
            wxRect rect;
            if (GetFieldRect(i, rect) && update.Contains(rect) != wxOutRegion)
                DrawField(dc, i, m_nTextHeight);
        }
    }

    int m_nTextHeight = -1;
};
} // namespace

CWxStatusBarPeer::CWxStatusBarPeer(CWnd* pOwner, wxWindow* parent) : CWxWindowPeer(pOwner) {
    auto* bar = new CQuietStatusBar(parent, wxSTB_SHOW_TIPS);
    FixAttributes(bar);
    Attach(bar);
    // A new theme or resolution brings another font.
    auto remeasure = [this, bar](wxEvent& event) {
        event.Skip();
        m_advances.clear();
        bar->FontChanged();
    };
    bar->Bind(wxEVT_SYS_COLOUR_CHANGED, remeasure);
    bar->Bind(wxEVT_DPI_CHANGED, remeasure);
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

int CWxStatusBarPeer::TextWidth(const wxString& text) {
    int width = 0;
    for (wxUniChar c : text) {
        auto [it, fresh] = m_advances.try_emplace(c.GetValue(), 0);
        if (fresh) it->second = Bar()->GetTextExtent(wxString(c)).x;
        width += it->second;
    }
    return width;
}

void CWxStatusBarPeer::SetPaneText(int index, const std::string& text) {
    if (!Bar() || index < 0 || static_cast<size_t>(index) >= m_widths.size()) return;
    wxString value = Utf8(text);
    int& width = m_widths[static_cast<size_t>(index)];
    if (width >= 0 && TextWidth(value) + kTextMargin > width) {
        width = TextWidth(value) + kTextMargin;
        ApplyWidths();
    }
    Bar()->SetStatusText(value, index);
}
