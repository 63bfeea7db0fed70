#pragma once
#include <cstdint>

#include "platform/base/Types.h"

class CHexCaret;
class CHexSelection;
class CKolvaView;
struct CCaretState;

// The hex view's mouse: a click places the caret on the byte it hits, a drag selects, and a
// drag beyond the rows scrolls on a timer that runs faster the further away the pointer is.
class CHexMouse {
public:
    CHexMouse(CKolvaView& view, CCaretState& state, CHexCaret& caret, CHexSelection& selection)
        : m_view(view), m_state(state), m_caret(caret), m_selection(selection) {}

    void ButtonDown(UINT nFlags, CPoint pt);
    void ButtonUp();
    void Move(UINT nFlags, CPoint pt);
    void Timer(UINT nIDEvent);
    void SetCaretFromPoint(UINT flags, int x, int y);

private:
    // distance: rows between the pointer and the nearest visible row.
    void StartDragTimer(int distance);

    CKolvaView& m_view;
    CCaretState& m_state;
    CHexCaret& m_caret;
    CHexSelection& m_selection;
    // The last pointer beyond the visible rows, where the drag timer scrolls to.
    int32_t m_nDragFlags = 0;
    CPoint m_ptDrag;
};
