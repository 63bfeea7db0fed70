#include "platform/wx/WxSpinArrows.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include "platform/wx/WxTimer.h"

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;

void DrawHalf(wxWindow* win, wxDC& dc, const wxRect& r, bool up, bool pressed) {
    wxRendererNative::Get().DrawPushButton(win, dc, r, pressed ? int(wxCONTROL_PRESSED) : 0);
    int half = std::max(2, std::min(r.width, r.height) / 4);
    int cx = r.x + r.width / 2, cy = r.y + r.height / 2;
    int dir = up ? -1 : 1;
    wxPoint arrow[3] = {{cx - half, cy - dir * half / 2},
                        {cx + half, cy - dir * half / 2},
                        {cx, cy + dir * half / 2 + dir}};
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)));
    dc.DrawPolygon(3, arrow);
}
} // namespace

CWxSpinArrows::CWxSpinArrows(wxWindow* parent, wxWindowID id)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_pRepeat = std::make_unique<CWxTimer>([this] { Repeat(); });
    Bind(wxEVT_PAINT, &CWxSpinArrows::OnPaint, this);
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK, wxEVT_LEFT_UP})
        Bind(type, &CWxSpinArrows::OnMouse, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        m_nHeld = 0;
        m_pRepeat->Stop();
        Refresh();
    });
}

CWxSpinArrows::~CWxSpinArrows() = default;

void CWxSpinArrows::SetRange(int low, int high) {
    m_nLow = std::min(low, high);
    m_nHigh = std::max(low, high);
    m_nValue = std::clamp(m_nValue, m_nLow, m_nHigh);
}

void CWxSpinArrows::SetValue(int value) {
    m_nValue = std::clamp(value, m_nLow, m_nHigh);
}

void CWxSpinArrows::SetBuddy(std::function<int()> read, std::function<void(int)> write) {
    m_read = std::move(read);
    m_write = std::move(write);
}

bool CWxSpinArrows::Step(int step) {
    if (m_read) SetValue(m_read());
    int value = std::clamp(m_nValue + step, m_nLow, m_nHigh);
    if (value == m_nValue) return false;
    m_nValue = value;
    if (m_write) m_write(value);
    return true;
}

void CWxSpinArrows::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    wxSize size = GetClientSize();
    int top = size.y / 2;
    DrawHalf(this, dc, wxRect(0, 0, size.x, top), true, m_nHeld > 0);
    DrawHalf(this, dc, wxRect(0, top, size.x, size.y - top), false, m_nHeld < 0);
}

void CWxSpinArrows::OnMouse(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_LEFT_UP) {
        m_nHeld = 0;
        m_pRepeat->Stop();
        if (HasCapture()) ReleaseMouse();
    } else {
        m_nHeld = event.GetY() < GetClientSize().y / 2 ? 1 : -1;
        if (!HasCapture()) CaptureMouse();
        Step(m_nHeld);
        m_pRepeat->Start(kFirstRepeatMs, wxTIMER_ONE_SHOT);
    }
    Refresh();
}

void CWxSpinArrows::Repeat() {
    if (m_nHeld == 0) return;
    Step(m_nHeld);
    m_pRepeat->Start(kRepeatMs, wxTIMER_ONE_SHOT);
}
