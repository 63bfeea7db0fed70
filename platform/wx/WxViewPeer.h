#pragma once
#include <memory>

#include "platform/framework/ViewPeer.h"
#include "platform/wx/WxCanvasPeer.h"
#include "platform/wx/WxCaret.h"
#include "platform/wx/WxInputMethod.h"

class CWxTimer;
class wxScrollWinEvent;

// The drawing area of a document window: a canvas with scroll bars of 32-bit range, a caret
// drawn by inverting its pixels, and the input method placed at the caret.
class CWxViewPeer : public CWxCanvasPeer, public CViewPeer {
public:
    CWxViewPeer(CWnd* pOwner, wxWindow* parent);
    ~CWxViewPeer() override;

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
    void DrawOverlay(cairo_t* cr) override;
    void FocusChanged(bool bFocused) override;
    bool KeysBelongToInputMethod() override { return m_ime.IsComposing(); }

private:
    // Applies a caret change: repaints where the caret was and where it is now.
    template <typename F> void ChangeCaret(F change, bool bRestartBlink);
    void ApplyScrollBar(int bar, bool bRedraw);
    // Gives wx the bar's thumb, page and range; a change of the thumb alone moves only the thumb.
    void SetBar(int bar, int pos, int page, int range, bool bRedraw);
    // Moves the bar's thumb alone; its page and range stay.
    void MoveThumb(int bar, int pos, bool bRedraw);
    void KeepBarShown(int bar, bool bShown);
    void OnScroll(wxScrollWinEvent& event);

    SCROLLINFO m_scroll[2];
    bool m_bScrollShown[2] = {true, true};
    struct BarShape {
        int page = -1, range = -1;
    };
    BarShape m_barShape[2]; // as last given to wx
    CWxCaret m_caret;
    std::unique_ptr<CWxTimer> m_pBlink;
    int m_nBlinks = 0; // since the caret last changed
    CWxInputMethod m_ime;
};
