#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include "platform/framework/ViewPeer.h"
#include "platform/win32/Win32WindowPeer.h"

// A view (or a plain control drawn by the program): a child window with the native scroll
// bars, the system caret and the input method's composition window.
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

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool m_bCaret = false;
};
