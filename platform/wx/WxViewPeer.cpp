#include "platform/wx/WxViewPeer.h"

#include <algorithm>
#include <climits>

#include <gtk/gtk.h>

#include "platform/framework/Font.h"
#include "platform/framework/Wnd.h"
#include "platform/wx/WxRasterOp.h"
#include "platform/wx/WxTimer.h"

namespace {
int Orientation(int bar) {
    return bar == SB_VERT ? wxVERTICAL : wxHORIZONTAL;
}

wxRect WxRect(const CRect& r) {
    return wxRect(r.left, r.top, r.Width(), r.Height());
}

constexpr int kBlinksBeforeRest = 20; // about ten seconds

UINT ScrollCode(wxEventType type) {
    if (type == wxEVT_SCROLLWIN_TOP) return SB_TOP;
    if (type == wxEVT_SCROLLWIN_BOTTOM) return SB_BOTTOM;
    if (type == wxEVT_SCROLLWIN_LINEUP) return SB_LINEUP;
    if (type == wxEVT_SCROLLWIN_LINEDOWN) return SB_LINEDOWN;
    if (type == wxEVT_SCROLLWIN_PAGEUP) return SB_PAGEUP;
    if (type == wxEVT_SCROLLWIN_PAGEDOWN) return SB_PAGEDOWN;
    if (type == wxEVT_SCROLLWIN_THUMBTRACK) return SB_THUMBTRACK;
    return SB_THUMBPOSITION;
}
} // namespace

CWxViewPeer::CWxViewPeer(CWnd* pOwner, wxWindow* parent)
    : CWxCanvasPeer(pOwner, parent, wxVSCROLL | wxHSCROLL), m_ime(m_pWindow, [this] {
          if (m_pOwner) m_pOwner->OnImeStartComposition();
      }) {
    // Overlay scroll bars would cover the last column and row.
    if (GTK_IS_SCROLLED_WINDOW(m_pWindow->m_widget))
        gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(m_pWindow->m_widget), FALSE);
    for (int bar : {SB_HORZ, SB_VERT})
        ApplyScrollBar(bar, false);
    for (const auto& type :
         {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
          wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
          wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        m_pWindow->Bind(type, &CWxViewPeer::OnScroll, this);
    m_pBlink = std::make_unique<CWxTimer>([this] {
        ChangeCaret([this] { m_caret.Blink(); }, false);
        // As in GTK's own text fields the caret rests, shown, after a while without input:
        // an idle editor does no work.
        if (++m_nBlinks >= kBlinksBeforeRest && m_caret.IsDrawn()) m_pBlink->Stop();
    });
    StartDelivery();
}

CWxViewPeer::~CWxViewPeer() = default;

void CWxViewPeer::SetScrollInfo(int bar, const SCROLLINFO& si, bool bRedraw) {
    m_scroll[bar & 1].Apply(si);
    ApplyScrollBar(bar & 1, bRedraw);
}

bool CWxViewPeer::GetScrollInfo(int bar, SCROLLINFO& si) {
    m_scroll[bar & 1].CopyTo(si);
    return true;
}

void CWxViewPeer::ShowScrollBar(int bar, bool bShow) {
    for (int b : {SB_HORZ, SB_VERT})
        if (bar == b || bar == 3) { // 3: both bars
            m_bScrollShown[b] = bShow;
            ApplyScrollBar(b, true);
        }
}

void CWxViewPeer::ApplyScrollBar(int bar, bool bRedraw) {
    if (!m_pWindow) return;
    const SCROLLINFO& s = m_scroll[bar];
    long long range = static_cast<long long>(s.nMax) - s.nMin + 1;
    if (!m_bScrollShown[bar] || range <= 0) {
        SetBar(bar, 0, 0, 0, bRedraw);
        return;
    }
    SetBar(bar, s.nPos - s.nMin, static_cast<int>(s.nPage),
           static_cast<int>(std::min<long long>(range, INT_MAX)), bRedraw);
}

void CWxViewPeer::SetBar(int bar, int pos, int page, int range, bool bRedraw) {
    // Setting the page and range again makes GTK hide the bar and show it again, resizing the
    // view twice: a scroll by a key would repaint the whole view.
    BarShape& shape = m_barShape[bar];
    int orientation = Orientation(bar);
    if (shape.page == page && shape.range == range) {
        if (m_pWindow->GetScrollPos(orientation) != pos) MoveThumb(bar, pos, bRedraw);
        return;
    }
    shape.page = page;
    shape.range = range;
    m_pWindow->SetScrollbar(orientation, pos, page, range, bRedraw);
    KeepBarShown(bar, range > page);
}

void CWxViewPeer::MoveThumb(int bar, int pos, bool bRedraw) {
    GtkRange* range =
        m_pWindow
            ->m_scrollBar[bar == SB_VERT ? wxWindow::ScrollDir_Vert : wxWindow::ScrollDir_Horz];
    int orientation = Orientation(bar);
    // Under the pointer the bar also shows which of its parts the pointer is on: GTK's own
    // handling of the move keeps that right.
    if (!range || (gtk_widget_get_state_flags(GTK_WIDGET(range)) & GTK_STATE_FLAG_PRELIGHT)) {
        m_pWindow->SetScrollPos(orientation, pos, bRedraw);
        return;
    }
    // GTK answers a new value with a new size request, and the whole frame is laid out again
    // after every key; the thumb needs only the bar placed again.
    GtkAdjustment* adjustment = gtk_range_get_adjustment(range);
    g_signal_handlers_block_matched(adjustment, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, range);
    m_pWindow->SetScrollPos(orientation, pos, bRedraw);
    g_signal_handlers_unblock_matched(adjustment, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr,
                                      range);
    gtk_widget_queue_allocate(GTK_WIDGET(range));
}

void CWxViewPeer::KeepBarShown(int bar, bool bShown) {
    // Left to decide whether a bar is needed, GTK allocates the view without its bar and then
    // with it every time the thumb moves; each is a resize, and a resize repaints the view.
    auto* scrolled = GTK_IS_SCROLLED_WINDOW(m_pWindow->GetHandle())
                         ? GTK_SCROLLED_WINDOW(m_pWindow->GetHandle())
                         : nullptr;
    if (!scrolled) return;
    GtkPolicyType policy[2];
    gtk_scrolled_window_get_policy(scrolled, &policy[SB_HORZ], &policy[SB_VERT]);
    GtkPolicyType wanted = bShown ? GTK_POLICY_ALWAYS : GTK_POLICY_NEVER;
    if (policy[bar] == wanted) return;
    policy[bar] = wanted;
    gtk_scrolled_window_set_policy(scrolled, policy[SB_HORZ], policy[SB_VERT]);
}

void CWxViewPeer::OnScroll(wxScrollWinEvent& event) {
    int bar = event.GetOrientation() == wxVERTICAL ? SB_VERT : SB_HORZ;
    SCROLLINFO& s = m_scroll[bar];
    wxEventType type = event.GetEventType();
    UINT code = ScrollCode(type);
    bool thumb = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
    UINT pos = thumb ? static_cast<UINT>(event.GetPosition() + s.nMin) : 0;
    if (thumb) s.nTrackPos = static_cast<int>(pos);
    if (!m_pOwner) return;
    auto send = [this, bar](UINT c, UINT p) {
        if (bar == SB_VERT)
            m_pOwner->OnVScroll(c, p);
        else
            m_pOwner->OnHScroll(c, p);
    };
    send(code, pos);
    if (code == SB_THUMBPOSITION) send(SB_ENDSCROLL, 0);
    // The bar shows what the program made of the scroll, as the system's bars do; while the
    // thumb is dragged it follows the pointer.
    if (code != SB_THUMBTRACK) ApplyScrollBar(bar, true);
}

template <typename F> void CWxViewPeer::ChangeCaret(F change, bool bRestartBlink) {
    bool wasDrawn = m_caret.IsDrawn();
    CRect before = m_caret.Rect();
    change();
    if (bRestartBlink) m_nBlinks = 0;
    if (m_pWindow) {
        if (wasDrawn) m_pWindow->RefreshRect(WxRect(before), false);
        if (m_caret.IsDrawn()) m_pWindow->RefreshRect(WxRect(m_caret.Rect()), false);
    }
    if (!m_caret.IsActive())
        m_pBlink->Stop();
    else if (bRestartBlink || !m_pBlink->IsRunning())
        m_pBlink->Start(CWxCaret::kBlinkMs);
}

void CWxViewPeer::CreateCaret(int w, int h) {
    ChangeCaret([&] { m_caret.Create(w, h); }, true);
}

void CWxViewPeer::SetCaretPos(CPoint pt) {
    ChangeCaret([&] { m_caret.SetPos(pt); }, true);
}

void CWxViewPeer::ShowCaret() {
    ChangeCaret([&] { m_caret.Show(); }, true);
}

void CWxViewPeer::HideCaret() {
    ChangeCaret([&] { m_caret.Hide(); }, true);
}

void CWxViewPeer::DestroyCaret() {
    ChangeCaret([&] { m_caret.Destroy(); }, true);
}

void CWxViewPeer::FocusChanged(bool bFocused) {
    if (bFocused) m_ime.Connect();
    ChangeCaret([&] { m_caret.SetFocus(bFocused); }, true);
}

void CWxViewPeer::SetImeCompositionWindow(CPoint pt, const CFont* pFont) {
    int height = m_caret.Exists() ? m_caret.Rect().Height() : 0;
    if (height <= 0 && pFont) height = std::abs(pFont->GetLogFont().m_nHeight);
    m_ime.SetCursorLocation(pt.x, pt.y, 1, std::max(height, 1));
}

void CWxViewPeer::DrawOverlay(cairo_t* cr) {
    if (m_caret.IsDrawn()) CWxRasterOp::InvertRect(cr, WxRect(m_caret.Rect()));
}
