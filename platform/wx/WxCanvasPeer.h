#pragma once
#include <wx/region.h>

#include "platform/wx/WxRingPicture.h"
#include "platform/wx/WxWindowPeer.h"

class wxDC;
typedef struct _cairo cairo_t;

// A window the program paints itself (a control such as a ruler, and the base of views). Its
// picture keeps its pixels between paints as a window does: a paint renders only the invalid
// region, and scrolling moves the picture's pixels so that only the uncovered strip is
// rendered. Keys, characters, the mouse, focus and size go to the owner.
class CWxCanvasPeer : public CWxWindowPeer {
public:
    CWxCanvasPeer(CWnd* pOwner, wxWindow* parent, long style = 0);

    void Invalidate(const CRect* pRect, bool bErase) override;
    void ScrollWindow(int dx, int dy) override;

protected:
    // Drawn over the program's picture on the screen (the caret).
    virtual void DrawOverlay(cairo_t* /*cr*/) {}
    virtual void FocusChanged(bool /*bFocused*/) {}
    // While true, keys go to the input method only.
    virtual bool KeysBelongToInputMethod() { return false; }

private:
    void OnPaint(wxPaintEvent& event);
    // The owner paints the invalid region, which then goes to the picture.
    void Render();
    void KeepOwnDisplayWindow();
    // The owner paints part of the window on dc, whose pixels lie shift rows lower.
    void PaintPart(wxDC& dc, const wxRegion& part, int shift, bool bErase);
    void OnSize(wxSizeEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    static bool IsSystemKey(const wxKeyEvent& event);
    // Keys that never make a character: moving and deleting.
    static bool IsCharacterlessKey(unsigned vk);
    void OnMouse(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnFocus(wxFocusEvent& event);

    CWxRingPicture m_picture;
    // What the owner must paint again, in window pixels.
    wxRegion m_invalid;
    bool m_bAllInvalid = true;
    bool m_bErase = true;
};
