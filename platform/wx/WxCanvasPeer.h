#pragma once
#include <memory>

#include <wx/bitmap.h>
#include <wx/region.h>

#include "platform/wx/WxServerPicture.h"
#include "platform/wx/WxWindowPeer.h"

class wxDC;
class wxMemoryDC;

// A window the program paints itself (a control such as a ruler, and the base of views). Its
// picture keeps its pixels between paints as a window does: a paint renders only the invalid
// region, on an image that starts from the picture's pixels there, and scrolling moves the
// picture's pixels so that only the uncovered strip is rendered. Keys, characters, the mouse,
// focus and size go to the owner.
class CWxCanvasPeer : public CWxWindowPeer {
public:
    CWxCanvasPeer(CWnd* pOwner, wxWindow* parent, long style = 0);
    ~CWxCanvasPeer() override;

    void Invalidate(const CRect* pRect, bool bErase) override;
    void ScrollWindow(int dx, int dy) override;

protected:
    // Drawn over the program's picture on the screen (the caret).
    virtual void DrawOverlay(wxDC& /*dc*/) {}
    virtual void FocusChanged(bool /*bFocused*/) {}
    // While true, keys go to the input method only.
    virtual bool KeysBelongToInputMethod() { return false; }

private:
    void OnPaint(wxPaintEvent& event);
    // The owner paints the invalid region, which then goes to the picture.
    void Render();
    void PaintRegion(const wxRegion& region, bool bErase);
    // The image holds the picture's pixels over region before the owner paints there.
    void StartImage(const wxRegion& region, wxRegion uncovered);
    void OnSize(wxSizeEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    static bool IsSystemKey(const wxKeyEvent& event);
    // Keys that never make a character: moving and deleting.
    static bool IsCharacterlessKey(unsigned vk);
    void OnMouse(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnFocus(wxFocusEvent& event);

    CWxServerPicture m_picture;
    // Where the owner paints, as large as the window; kept with its DC, which is costly to make.
    wxBitmap m_image;
    std::unique_ptr<wxMemoryDC> m_pImageDC;
    // What the owner must paint again, in window pixels.
    wxRegion m_invalid;
    // The part of it that scrolls uncovered: the background, not yet painted over.
    wxRegion m_uncovered;
    bool m_bAllInvalid = true;
    bool m_bErase = true;
};
