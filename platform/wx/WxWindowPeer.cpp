#include "platform/wx/WxWindowPeer.h"

#include <cstdio>
#include <unordered_map>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>

#include "platform/framework/Wnd.h"
#include "platform/wx/WxCommandIds.h"
#include "platform/wx/WxDC.h"
#include "platform/wx/WxTimer.h"

namespace {
std::unordered_map<const wxWindow*, CWxWindowPeer*>& Peers() {
    static std::unordered_map<const wxWindow*, CWxWindowPeer*> peers;
    return peers;
}
} // namespace

void CWxWindowPeer::FixAttributes(wxWindow* window) {
    window->SetOwnFont(window->GetFont());
    window->SetOwnForegroundColour(window->GetForegroundColour());
}

wxString CWxWindowPeer::Utf8(const std::string& s) {
    wxString text = wxString::FromUTF8(s.data(), s.size());
    if (!text.empty() || s.empty()) return text;
    std::string escaped;
    for (size_t i = 0; i < s.size();) {
        size_t n = Utf8SequenceLength(s, i);
        if (n > 0) {
            escaped.append(s, i, n);
            i += n;
            continue;
        }
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(s[i]));
        escaped += hex;
        ++i;
    }
    return wxString::FromUTF8(escaped.data(), escaped.size());
}

size_t CWxWindowPeer::Utf8SequenceLength(const std::string& s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    size_t n = lead >= 0xC2 && lead <= 0xDF   ? 2
               : lead >= 0xE0 && lead <= 0xEF ? 3
               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                              : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    // Overlong forms, surrogates and code points past U+10FFFF.
    unsigned char second = byte(i + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return n;
}

CWxWindowPeer::CWxWindowPeer(CWnd* pOwner) : m_pCreator(pOwner) {}

CWxWindowPeer::~CWxWindowPeer() {
    for (auto it = Peers().begin(); it != Peers().end();)
        it = it->second == this ? Peers().erase(it) : std::next(it);
}

CWxWindowPeer* CWxWindowPeer::Of(const CWnd* pWnd) {
    return pWnd ? dynamic_cast<CWxWindowPeer*>(pWnd->GetPeer()) : nullptr;
}

CWxWindowPeer* CWxWindowPeer::OfWindow(const wxWindow* window) {
    auto it = Peers().find(window);
    return it == Peers().end() ? nullptr : it->second;
}

wxWindow* CWxWindowPeer::DialogOwner(wxWindow* parent) {
    if (!parent) parent = wxGetActiveWindow();
    if (parent) return wxGetTopLevelParent(parent);
    return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}

void CWxWindowPeer::Attach(wxWindow* window) {
    m_pWindow = window;
    Peers()[window] = this;
    // wx requires the loss of a capture to be handled.
    window->Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) {});
}

void CWxWindowPeer::ForwardControlCommands(wxWindow* host) {
    for (const auto& type : {wxEVT_BUTTON, wxEVT_CHECKBOX, wxEVT_RADIOBUTTON})
        host->Bind(type, [this](wxCommandEvent& event) {
            if (m_pOwner) m_pOwner->OnCommandFromUI(CWxCommandIds::FromWx(event.GetId()));
        });
}

CRect CWxWindowPeer::GetClientRect() {
    if (!m_pWindow) return CRect();
    wxSize size = m_pWindow->GetClientSize();
    return CRect(0, 0, size.x, size.y);
}

CRect CWxWindowPeer::GetWindowRect() {
    if (!m_pWindow) return CRect();
    // A top-level window not shown yet knows its place only as its own position.
    bool shown = wxGetTopLevelParent(m_pWindow)->IsShown();
    wxRect r = shown ? m_pWindow->GetScreenRect() : m_pWindow->GetRect();
    return CRect(r.x, r.y, r.x + r.width, r.y + r.height);
}

void CWxWindowPeer::MoveWindow(const CRect& rect) {
    if (!m_pWindow) return;
    if (wxSizer* sizer = m_pWindow->GetContainingSizer()) {
        // The container places the window; the program decides the height of a bar.
        if (sizer->GetItem(m_pWindow)->GetProportion() > 0) return;
        m_pWindow->SetMinSize(wxSize(m_pWindow->GetMinSize().x, rect.Height()));
        RelayoutContainer();
        return;
    }
    m_pWindow->SetSize(rect.left, rect.top, rect.Width(), rect.Height());
}

void CWxWindowPeer::Show(bool bShow) {
    if (!m_pWindow || m_pWindow->IsShown() == bShow) return;
    m_pWindow->Show(bShow);
    RelayoutContainer();
}

bool CWxWindowPeer::IsVisible() {
    return m_pWindow && m_pWindow->IsShown();
}

void CWxWindowPeer::SetWindowText(const std::string& text) {
    if (m_pWindow) m_pWindow->SetLabel(Utf8(text));
}

std::string CWxWindowPeer::GetWindowText() {
    return m_pWindow ? Utf8(m_pWindow->GetLabel()) : std::string();
}

void CWxWindowPeer::Invalidate(const CRect* pRect, bool bErase) {
    if (!m_pWindow) return;
    if (pRect)
        m_pWindow->RefreshRect(wxRect(pRect->left, pRect->top, pRect->Width(), pRect->Height()),
                               bErase);
    else
        m_pWindow->Refresh(bErase);
}

void CWxWindowPeer::UpdateWindow() {
    if (m_pWindow) m_pWindow->Update();
}

void CWxWindowPeer::ScrollWindow(int /*dx*/, int /*dy*/) {
    if (m_pWindow) m_pWindow->Refresh(false);
}

void CWxWindowPeer::SetFocus() {
    if (m_pWindow) m_pWindow->SetFocus();
}

void CWxWindowPeer::SetTimer(UINT id, UINT ms) {
    std::unique_ptr<CWxTimer>& timer = m_timers[id];
    if (!timer)
        timer = std::make_unique<CWxTimer>([this, id] {
            if (m_pOwner) m_pOwner->OnTimer(id);
        });
    timer->Start(static_cast<int>(ms));
}

void CWxWindowPeer::KillTimer(UINT id) {
    m_timers.erase(id);
}

void CWxWindowPeer::SetCapture() {
    if (m_pWindow && !m_pWindow->HasCapture()) m_pWindow->CaptureMouse();
}

void CWxWindowPeer::ReleaseCapture() {
    if (m_pWindow && m_pWindow->HasCapture()) m_pWindow->ReleaseMouse();
}

std::unique_ptr<CDC> CWxWindowPeer::GetDC() {
    if (!m_pWindow) return nullptr;
    return std::make_unique<CWxDC>(std::make_unique<wxClientDC>(m_pWindow));
}

void CWxWindowPeer::RelayoutContainer() {
    if (m_pWindow && m_pWindow->GetContainingSizer() && m_pWindow->GetParent())
        m_pWindow->GetParent()->Layout();
}

void CWxWindowPeer::Destroy() {
    m_pOwner = nullptr;
    m_timers.clear();
    wxWindow* window = m_pWindow;
    if (!window) return;
    Peers().erase(window);
    ReleaseCapture();
    Detach();
    if (window->IsTopLevel()) {
        window->Destroy(); // wx deletes top-level windows when idle
        return;
    }
    // The window may be in the middle of delivering the message that destroys it.
    window->Hide();
    RelayoutContainer();
    if (wxTheApp)
        wxTheApp->ScheduleForDestruction(window);
    else
        window->Destroy();
    m_pWindow = nullptr;
}
