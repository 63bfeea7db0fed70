#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include "platform/framework/Font.h"
#include "platform/framework/ViewPeer.h"
#include "platform/win32/Win32RingPicture.h"
#include "platform/win32/Win32WindowPeer.h"

// A view (or a plain control drawn by the program): a child window with the native scroll
// bars, the system caret and the input method's composition window. Its picture keeps its
// pixels between paints: the owner renders only what it invalidated, a scroll moves the
// picture's rows so that only the uncovered strip is rendered, and a paint copies the picture
// to the window.
class CWin32ViewPeer : public CWin32WindowPeer, public CViewPeer {
public:
    CWin32ViewPeer(CWnd* pOwner, HWND parent, UINT id);
    ~CWin32ViewPeer() override;

    void SetScrollInfo(int bar, const SCROLLINFO& si, bool bRedraw) override;
    bool GetScrollInfo(int bar, SCROLLINFO& si) override;
    void ShowScrollBar(int bar, bool bShow) override;
    void CreateCaret(int w, int h) override;
    void SetCaretPos(CPoint pt) override;
    void ShowCaret() override;
    void HideCaret() override;
    void DestroyCaret() override;
    void SetImeCompositionWindow(CPoint pt, const CFont* pFont) override;
    void Invalidate(const CRect* pRect, bool bErase) override;
    void ScrollWindow(int dx, int dy) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();
    // The owner renders what it invalidated into the picture.
    void Render();
    void AddInvalid(const RECT& rect);
    // Gives the input method the composition window's place and font, if they changed.
    void ApplyCompositionWindow();
    // Runs change, which changes the window's frame, and draws the window with its next paint.
    template <typename F> void ChangeFrame(F change);

    bool m_bCaret = false;
    bool m_bCaretPlaced = false;
    CPoint m_caretAt;
    int m_nCaretHidden = 0; // as the system counts it for our caret
    bool m_bComposing = false;
    bool m_bImePending = false; // the place and font below wait for a composition
    CPoint m_imePoint;
    bool m_bImeFont = false;
    CLogFont m_imeFont;
    CWin32RingPicture m_picture;
    // What the owner must render again, in window pixels.
    HRGN m_hInvalid;
    bool m_bAllInvalid = true;
    bool m_bErase = true;
};
