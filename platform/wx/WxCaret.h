#pragma once
#include "platform/base/Types.h"

// The state of a solid caret drawn by its window: shown only while it exists, is not hidden,
// the window has the focus and the blink phase is on. Hiding counts as on the platform the
// program was designed on: each HideCaret needs its own ShowCaret.
class CWxCaret {
public:
    static constexpr int kBlinkMs = 530;

    void Create(int w, int h);
    void Destroy();
    void SetPos(CPoint pt);
    void Show();
    void Hide();
    void SetFocus(bool bFocused);
    void Blink() { m_bPhaseOn = !m_bPhaseOn; }

    bool Exists() const { return m_bExists; }
    // Whether the caret should blink now (the blink timer runs only then).
    bool IsActive() const { return m_bExists && m_nHidden == 0 && m_bFocused; }
    bool IsDrawn() const { return IsActive() && m_bPhaseOn; }
    CRect Rect() const;

private:
    bool m_bExists = false;
    bool m_bFocused = false;
    bool m_bPhaseOn = true;
    int m_nHidden = 0;
    CPoint m_pos;
    CSize m_size;
};
