#pragma once
#include "platform/framework/ScrollInfo.h"
#include "platform/framework/WindowPeer.h"

class CFont;

// The drawing area of a document window: scroll bars, the caret and the input method.
class CViewPeer : public virtual CWindowPeer {
public:
    virtual void SetScrollInfo(int bar, const SCROLLINFO& si, bool bRedraw) = 0;
    virtual bool GetScrollInfo(int bar, SCROLLINFO& si) = 0;
    virtual void ShowScrollBar(int bar, bool bShow) = 0;

    // A solid block of w x h pixels.
    virtual void CreateCaret(int w, int h) = 0;
    virtual void SetCaretPos(CPoint pt) = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    virtual void DestroyCaret() = 0;
    // Where the input method composes, and in which font.
    virtual void SetImeCompositionWindow(CPoint pt, const CFont* pFont) = 0;
};
