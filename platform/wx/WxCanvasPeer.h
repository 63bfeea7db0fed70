#pragma once
#include <wx/bitmap.h>
#include <wx/region.h>

#include "platform/wx/WxWindowPeer.h"

class wxDC;

// A window the program paints itself (a control such as a ruler, and the base of views). The
// program paints into an off-screen bitmap, which keeps its pixels between paints as a window
// does: a paint renders only the invalid region, and scrolling moves the bitmap's pixels so
// that only the uncovered strip is rendered. Keys, characters, the mouse, focus and size go to
// the owner.
class CWxCanvasPeer : public CWxWindowPeer {
public:
    CWxCanvasPeer(CWnd* pOwner, wxWindow* parent, long style = 0);

    void Invalidate(const CRect* pRect, bool bErase) override;
    void ScrollWindow(int dx, int dy) override;

protected:
    // Drawn over the program's picture on the screen (the caret).
    virtual void DrawOverlay(wxDC& /*dc*/, const wxBitmap& /*picture*/) {}
    virtual void FocusChanged(bool /*bFocused*/) {}
    // While true, keys go to the input method only.
    virtual bool KeysBelongToInputMethod() { return false; }

private:
    void OnPaint(wxPaintEvent& event);
    void Render();
    wxRect PictureRect() const;
    void OnSize(wxSizeEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    static bool IsSystemKey(const wxKeyEvent& event);
    // Keys that never make a character: moving and deleting.
    static bool IsCharacterlessKey(unsigned vk);
    void OnMouse(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnFocus(wxFocusEvent& event);

    wxBitmap m_picture;
    // What the owner must paint again, in the picture's pixels; everything while it has none.
    wxRegion m_invalid;
    bool m_bAllInvalid = true;
    bool m_bErase = true;
};
