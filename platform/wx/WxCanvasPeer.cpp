#include "platform/wx/WxCanvasPeer.h"

#include <cstdlib>

#include <gtk/gtk.h>

#include "platform/base/VirtualKeys.h"
#include "platform/framework/DC.h"
#include "platform/framework/Wnd.h"
#include "platform/wx/WxDC.h"
#include "platform/wx/WxHeldModifiers.h"
#include "platform/wx/WxKeyMap.h"

CWxCanvasPeer::CWxCanvasPeer(CWnd* pOwner, wxWindow* parent, long style) : CWxWindowPeer(pOwner) {
    auto* window = new wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                style | wxWANTS_CHARS | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE);
    window->SetBackgroundStyle(wxBG_STYLE_PAINT);
    Attach(window);
    window->Bind(wxEVT_PAINT, &CWxCanvasPeer::OnPaint, this);
    window->Bind(wxEVT_SIZE, &CWxCanvasPeer::OnSize, this);
    window->Bind(wxEVT_KEY_DOWN, &CWxCanvasPeer::OnKey, this);
    window->Bind(wxEVT_KEY_UP, &CWxCanvasPeer::OnKey, this);
    window->Bind(wxEVT_CHAR, &CWxCanvasPeer::OnChar, this);
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_MOTION})
        window->Bind(type, &CWxCanvasPeer::OnMouse, this);
    window->Bind(wxEVT_MOUSEWHEEL, &CWxCanvasPeer::OnWheel, this);
    window->Bind(wxEVT_SET_FOCUS, &CWxCanvasPeer::OnFocus, this);
    window->Bind(wxEVT_KILL_FOCUS, &CWxCanvasPeer::OnFocus, this);
    StartDelivery();
}

void CWxCanvasPeer::Invalidate(const CRect* pRect, bool bErase) {
    if (pRect)
        m_invalid.Union(pRect->left, pRect->top, pRect->Width(), pRect->Height());
    else
        m_bAllInvalid = true;
    m_bErase = m_bErase || bErase;
    CWxWindowPeer::Invalidate(pRect, false);
}

void CWxCanvasPeer::ScrollWindow(int dx, int dy) {
    if (!m_pWindow) return;
    if (m_bAllInvalid || m_picture.Rect().IsEmpty()) {
        Invalidate(nullptr, false);
        return;
    }
    m_picture.Scroll(dx, dy, GetSysColor(COLOR_WINDOW));
    // What was waiting to be painted moved with the pixels; the uncovered strips join it.
    wxRect all = m_picture.Rect();
    wxRegion strips;
    if (dy != 0) strips.Union(0, dy > 0 ? 0 : all.height + dy, all.width, std::abs(dy));
    if (dx != 0) strips.Union(dx > 0 ? 0 : all.width + dx, 0, std::abs(dx), all.height);
    if (!m_invalid.IsEmpty()) m_invalid.Offset(dx, dy);
    m_invalid.Union(strips);
    m_pWindow->Refresh(false);
}

void CWxCanvasPeer::OnPaint(wxPaintEvent&) {
    wxWindow* window = m_pWindow;
    // GTK's own context for the paint: a paint DC would ask the theme for the window's font
    // and colours every time, and the picture needs neither.
    cairo_t* cr = window->GTKPaintContext();
    wxSize size = window->GetClientSize();
    if (!cr || size.x <= 0 || size.y <= 0) return;
    KeepOwnDisplayWindow();
    if (m_picture.Prepare(window, size)) m_bAllInvalid = m_bErase = true;
    Render();
    m_picture.Paint(cr);
    DrawOverlay(cr);
}

void CWxCanvasPeer::KeepOwnDisplayWindow() {
    // Drawn inside its parent's display window, a paint of this window, or of the scroll bars
    // around it, makes GTK paint every parent under it as well, each with a DC of its own.
    GtkWidget* outer = m_pWindow->GetHandle();
    GdkWindow* outerWindow =
        outer && gtk_widget_get_has_window(outer) ? gtk_widget_get_window(outer) : nullptr;
    for (GdkWindow* gdk : {outerWindow, m_pWindow->GTKGetDrawingWindow()})
        if (gdk && !gdk_window_has_native(gdk)) gdk_window_ensure_native(gdk);
}

void CWxCanvasPeer::Render() {
    wxRegion region = m_bAllInvalid ? wxRegion(m_picture.Rect()) : m_invalid;
    region.Intersect(m_picture.Rect());
    bool erase = m_bErase;
    // Cleared first: the owner may invalidate again while it paints.
    m_invalid.Clear();
    m_bAllInvalid = m_bErase = false;
    if (region.IsEmpty()) return;
    m_picture.DrawIn(region, [&](wxDC& dc, const wxRegion& part, int shift) {
        PaintPart(dc, part, shift, erase);
    });
    m_picture.Publish(region);
}

void CWxCanvasPeer::PaintPart(wxDC& dc, const wxRegion& part, int shift, bool bErase) {
    wxRegion pixels(part);
    pixels.Offset(0, shift);
    dc.SetDeviceClippingRegion(pixels);
    {
        CWxDC cdc(dc);
        cdc.SetClipRegion(part);
        wxRect box = part.GetBox();
        if (bErase)
            cdc.FillSolidRect(CRect(box.x, box.y, box.GetRight() + 1, box.GetBottom() + 1),
                              GetSysColor(COLOR_WINDOW));
        if (m_pOwner) m_pOwner->OnPaint(&cdc);
    }
    dc.DestroyClippingRegion();
}

void CWxCanvasPeer::OnSize(wxSizeEvent& event) {
    event.Skip();
    m_bAllInvalid = m_bErase = true;
    wxSize size = m_pWindow->GetClientSize();
    if (m_pOwner) m_pOwner->OnSize(SIZE_RESTORED, size.x, size.y);
}

void CWxCanvasPeer::OnKey(wxKeyEvent& event) {
    unsigned vk = CWxKeyMap::VirtualKey(event.GetKeyCode());
    if (!m_pOwner || vk == 0 || KeysBelongToInputMethod() || IsSystemKey(event)) {
        event.Skip();
        return;
    }
    bool down = event.GetEventType() == wxEVT_KEY_DOWN;
    CWxHeldModifiers held(event);
    // A key that makes a character must go on for the character to follow; the others stop
    // here, or GTK moves the focus or scrolls the window with them as well.
    if (!down || !IsCharacterlessKey(vk)) event.Skip();
    if (down)
        m_pOwner->OnKeyDown(vk, 1, 0);
    else
        m_pOwner->OnKeyUp(vk, 1, 0);
}

bool CWxCanvasPeer::IsCharacterlessKey(unsigned vk) {
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
}

void CWxCanvasPeer::OnChar(wxKeyEvent& event) {
    CWxKeyMap::Char c = CWxKeyMap::TranslateChar(static_cast<unsigned>(event.GetUnicodeKey()));
    // What is no typed character goes on to the menu bar's mnemonics; the window takes every
    // character, Tab included.
    if (!m_pOwner || c.m_kind == CWxKeyMap::Char::None || IsSystemKey(event)) {
        event.Skip();
        return;
    }
    if (c.m_kind == CWxKeyMap::Char::Plain)
        m_pOwner->OnChar(c.m_nCode, 1, 0);
    else if (c.m_kind == CWxKeyMap::Char::Ime)
        m_pOwner->OnImeChar(c.m_nCode, 1);
}

bool CWxCanvasPeer::IsSystemKey(const wxKeyEvent& event) {
    // With Alt (but not AltGr, which comes with Ctrl) keys belong to the menus and the system.
    return event.GetKeyCode() == WXK_ALT || (event.AltDown() && !event.ControlDown());
}

void CWxCanvasPeer::OnMouse(wxMouseEvent& event) {
    wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN && !m_pWindow->HasFocus()) m_pWindow->SetFocus();
    if (!m_pOwner) return;
    UINT flags = CWxKeyMap::MouseFlags(event.LeftIsDown(), event.RightIsDown(), event.ShiftDown(),
                                       event.ControlDown());
    CPoint pt(event.GetX(), event.GetY());
    if (type == wxEVT_LEFT_DOWN)
        m_pOwner->OnLButtonDown(flags, pt);
    else if (type == wxEVT_LEFT_UP)
        m_pOwner->OnLButtonUp(flags, pt);
    else if (type == wxEVT_LEFT_DCLICK)
        m_pOwner->OnLButtonDblClk(flags, pt);
    else
        m_pOwner->OnMouseMove(flags, pt);
}

void CWxCanvasPeer::OnWheel(wxMouseEvent& event) {
    if (!m_pOwner || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || event.GetWheelDelta() == 0)
        return;
    int zDelta = event.GetWheelRotation() * 120 / event.GetWheelDelta();
    UINT flags = CWxKeyMap::MouseFlags(event.LeftIsDown(), event.RightIsDown(), event.ShiftDown(),
                                       event.ControlDown());
    // Wheel messages carry screen coordinates.
    wxPoint screen = m_pWindow->ClientToScreen(event.GetPosition());
    m_pOwner->OnMouseWheel(flags, zDelta, CPoint(screen.x, screen.y));
}

void CWxCanvasPeer::OnFocus(wxFocusEvent& event) {
    event.Skip();
    bool focused = event.GetEventType() == wxEVT_SET_FOCUS;
    FocusChanged(focused);
    if (!m_pOwner) return;
    if (focused)
        m_pOwner->OnSetFocus();
    else
        m_pOwner->OnKillFocus();
}
