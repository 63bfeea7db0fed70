#pragma once
#include <cstdint>

class CHexPainter;
class CKolvaView;
struct CCaretState;

// The selection as the hex view's keys and mouse make it: from the anchor to the caret, with
// the rows it leaves or reaches repainted. A selection is being made while the button is held
// or, after a navigation key with Shift, until Shift is released.
class CHexSelection {
public:
    CHexSelection(CKolvaView& view, CHexPainter& painter, CCaretState& state)
        : m_view(view), m_painter(painter), m_state(state) {}

    // Drops the old selection and anchors a new one at the caret; hex entry starts over.
    void Start();
    // From the anchor to the caret, once the caret has moved.
    void ExtendSelection();
    void ClearSelection();
    bool TouchesVisibleRows() const;

    // Around a caret move by a navigation key or a jump: with Shift the move selects from where
    // the caret was (or goes on selecting); without, the selection is dropped.
    void BeforeMove(bool bShift);
    void AfterMove();
    // A key that moves nothing ends what a Shift move began.
    void ForgetShift() { m_bShiftKey = false; }
    void EndSelecting() { m_bSelecting = false; }
    bool IsSelecting() const { return m_bSelecting; }
    // Selecting with Shift held.
    bool IsShiftSelecting() const { return m_bSelecting && m_bShiftKey; }

private:
    CKolvaView& m_view;
    CHexPainter& m_painter;
    CCaretState& m_state;
    bool m_bSelecting = false;
    bool m_bShiftKey = false; // the key being handled came with Shift
    int32_t m_nAnchor = 0;
    int32_t m_nLastCaret = 0;
};
