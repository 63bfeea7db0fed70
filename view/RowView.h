#pragma once
#include <cstdint>
#include <vector>

#include "platform/framework/View.h"

class CFont;
class CRowSource;

// A view that scrolls in whole rows and whole character columns of a fixed-pitch font, drives
// its own scroll bars and moves the other views of its synchronized group with it. What a row
// shows is the derived view's business; the caret position comes from the row source.
class CRowView : public CView {
public:
    CRowView() = default;

    // Metrics of the row font, and the scroll state in rows and columns.
    int32_t m_nRowHeight = 0;
    int32_t m_nCharWidth = 0;
    int32_t m_nFirstCol = 0;
    int32_t m_nFirstRow = 0;
    int32_t m_nLastCol = 0;
    int32_t m_nLastRow = 0;
    int32_t m_nVisibleCols = 0;
    int32_t m_nVisibleRows = 0;
    int32_t m_nTotalCols = 0;
    int32_t m_nTotalRows = 0;
    int32_t m_nAscent = 0;
    int32_t m_nDescent = 0;
    CFont* m_pMeasuredFont = nullptr;
    bool m_bScrollLocked = false;
    // The main frame's group of views scrolled in step (this view included), or null.
    std::vector<CRowView*>* m_pSyncViews = nullptr;
    // Rows this member stays short of where the group would have it, because its own rows end
    // there (negative: they start there). Kept so that the group comes back into step.
    int m_nSyncLag = 0;

    virtual int GetLastColumn() = 0;
    // n must already be limited; moves this view and the others of its group.
    virtual int ScrollRows(int n);
    // Returns the pixel shift of the contents.
    virtual int ScrollColumns(int n);
    virtual CFont* GetRowFont() = 0;
    virtual void UsePrinterFont(bool bPrinter) = 0;
    virtual CRowSource* GetRowSource() = 0;
    virtual void SetCaretShape(int /*type*/) {}
    virtual void PlaceCaret(CDC* /*pDC*/, int /*type*/) {}

    void RecalcLayout();
    // Returns the change of m_nFirstRow.
    int ClampScroll();
    // False when the row font is the one already measured.
    bool MeasureFont(CDC* pDC);
    // Both return true when they failed.
    bool ScrollRowIntoView(int row);
    bool ScrollRangeIntoView(int first, int last);
    // A view reaches its own rows whatever its group can follow.
    int LimitRowDelta(int n) { return LimitOwnDelta(n); }
    int LimitOwnDelta(int n);
    int ScrollSelf(int n);
    // Moves the other members by n rows, each as far as its own rows go.
    void ScrollOthers(int n);
    // Where the group would have this member's first row.
    int SyncRow() const { return m_nFirstRow + m_nSyncLag; }
    // Goes as near to that first row as its own rows allow, carrying the caret along.
    void FollowTo(int syncRow);
    int LastVisiblePosition();

    // The caret moves of the navigation keys; false when the row could not be brought into
    // view or the caret could not be put there.
    bool GoToRow(int row);
    bool GoToPosition(int pos);
    // Scrolls by the limited delta with the caret keeping its place on the screen; returns the
    // rows scrolled.
    int ScrollWithCaret(int n);
    // After the totals changed: clamps, and the group follows this view's shift.
    void ClampAndFollow();
    bool InSyncGroup() const { return m_pSyncViews && m_pSyncViews->size() >= 2; }
    bool IsRowVisible(int row) const { return row >= m_nFirstRow && row <= m_nLastRow; }

    void OnInitialUpdate() override;
    void OnPrepareDC(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnVScroll(UINT nSBCode, UINT nPos) override;
    void OnHScroll(UINT nSBCode, UINT nPos) override;
    void OnMouseWheel(UINT nFlags, int zDelta, CPoint pt) override;

protected:
    // A caret off the screen is brought back to the nearest edge of the view.
    void KeepCaretVisible();

private:
    // Scrolls this view alone and carries its caret along when it stays in range.
    void ShiftWithCaret(int n);
    // Page Up (-1) or Down (+1); false when nothing scrolled.
    bool ScrollPage(int direction);
    void SetBar(int bar, int total, int visible, int pos);

    // Wheel turns not yet worth a row.
    int m_nWheelDelta = 0;
};
