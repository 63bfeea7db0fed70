#pragma once
#include "platform/base/Types.h"

class CKolvaView;

// The hex view's mouse: a click places the caret on the byte it hits, a drag selects, and a
// drag beyond the rows scrolls on a timer that runs faster the further away the pointer is.
class CHexMouse {
public:
    explicit CHexMouse(CKolvaView& view) : m_view(view) {}

    void ButtonDown(UINT nFlags, CPoint pt);
    void ButtonUp();
    void Move(UINT nFlags, CPoint pt);
    void Timer(UINT nIDEvent);
    void SetCaretFromPoint(UINT flags, int x, int y);

private:
    // distance: rows between the pointer and the nearest visible row.
    void StartDragTimer(int distance);

    CKolvaView& m_view;
};
