#include "view/RowView.h"

#include <algorithm>
#include <cstdint>

#include "engine/RowSource.h"
#include "platform/framework/DC.h"
#include "platform/framework/SystemServices.h"
#include "view/CaretShape.h"

namespace {
// A wheel notch (120) scrolls three rows.
constexpr int kWheelDeltaPerRow = 120 / 3;

bool ControlHeld() {
    return GetKeyState(VK_CONTROL) < 0;
}
} // namespace

bool CRowView::MeasureFont(CDC* pDC) {
    CFont* font = GetRowFont();
    if (font == m_pMeasuredFont) return false;
    TEXTMETRIC tm;
    if (pDC) {
        pDC->GetTextMetrics(tm);
    } else {
        std::unique_ptr<CDC> dc = GetDC();
        if (!dc) return false; // no window yet: measured once there is one
        dc->SelectObject(font);
        dc->GetTextMetrics(tm);
    }
    m_pMeasuredFont = font;
    m_nRowHeight = tm.tmHeight;
    m_nCharWidth = tm.tmAveCharWidth + tm.tmOverhang;
    m_nAscent = tm.tmAscent;
    m_nDescent = tm.tmDescent;
    return true;
}

void CRowView::SetBar(int bar, int total, int visible, int pos) {
    if (visible >= total) {
        ShowScrollBar(bar, false);
        return;
    }
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = total - 1;
    si.nPage = static_cast<UINT>(visible);
    si.nPos = pos;
    SetScrollInfo(bar, si, true);
    ShowScrollBar(bar, true);
}

void CRowView::RecalcLayout() {
    CRect client = GetClientRect();
    MeasureFont(nullptr);
    m_nTotalCols = GetLastColumn() + 1;
    m_nTotalRows = 0;
    if (CRowSource* rs = GetRowSource())
        m_nTotalRows = (rs->GetCaretLimit() - 1) / rs->GetBytesPerRow() + 1;
    // A backend without metrics would otherwise divide by zero.
    m_nVisibleCols = m_nCharWidth > 0 ? client.Width() / m_nCharWidth : 0;
    m_nVisibleRows = m_nRowHeight > 0 ? client.Height() / m_nRowHeight : 0;
    SetBar(SB_VERT, m_nTotalRows, m_nVisibleRows, m_nFirstRow);
    SetBar(SB_HORZ, m_nTotalCols, m_nVisibleCols, m_nFirstCol);
}

int CRowView::ClampScroll() {
    int oldFirst = m_nFirstRow;
    m_nLastRow = std::min(m_nFirstRow + m_nVisibleRows - 1, m_nTotalRows - 1);
    m_nFirstRow = std::max(m_nLastRow - m_nVisibleRows + 1, 0);
    m_nLastCol = std::min(m_nFirstCol + m_nVisibleCols - 1, m_nTotalCols - 1);
    m_nFirstCol = std::max(m_nLastCol - m_nVisibleCols + 1, 0);
    return m_nFirstRow - oldFirst;
}

int CRowView::LimitOwnDelta(int n) {
    if (n == 0 || m_bScrollLocked) return 0;
    if (m_nFirstRow + n < 0) return -m_nFirstRow;
    if (n > 0 && m_nLastRow + n >= m_nTotalRows - 1) return m_nTotalRows - 1 - m_nLastRow;
    return n;
}

int CRowView::ScrollSelf(int n) {
    if (n == 0) return 0;
    m_nFirstRow += n;
    m_nLastRow += n;
    if (-m_nVisibleRows < n && n < m_nVisibleRows)
        ScrollWindow(0, -(n * m_nRowHeight));
    else
        Invalidate(false);
    // The bar follows the first row, which is where it stood before plus n.
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = m_nFirstRow;
    SetScrollInfo(SB_VERT, si, true);
    return n;
}

void CRowView::ShiftWithCaret(int n) {
    ScrollSelf(n);
    if (CRowSource* rs = GetRowSource(); rs && n != 0) rs->MoveCaretRows(n);
}

void CRowView::FollowTo(int syncRow) {
    ShiftWithCaret(LimitOwnDelta(syncRow - m_nFirstRow));
    m_nSyncLag = syncRow - m_nFirstRow;
}

void CRowView::ScrollOthers(int n) {
    if (!InSyncGroup()) return;
    for (CRowView* view : *m_pSyncViews)
        if (view != this) view->FollowTo(view->SyncRow() + n);
}

int CRowView::ScrollRows(int n) {
    if (n == 0) return 0;
    // The group comes to where this view now is, also when this view had stayed behind it.
    int groupShift = n - m_nSyncLag;
    m_nSyncLag = 0;
    ScrollSelf(n);
    ScrollOthers(groupShift);
    return n;
}

void CRowView::ClampAndFollow() {
    int shift = ClampScroll();
    if (shift != 0) ScrollOthers(shift);
}

int CRowView::ScrollColumns(int n) {
    if (m_nFirstCol + n < 0) n = -m_nFirstCol;
    if (m_nLastCol + n >= m_nTotalCols - 1) n = m_nTotalCols - 1 - m_nLastCol;
    if (n == 0) return 0;
    m_nLastCol += n;
    m_nFirstCol += n;
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = m_nFirstCol;
    SetScrollInfo(SB_HORZ, si, true);
    int shift = -(n * m_nCharWidth);
    ScrollWindow(shift, 0);
    return shift;
}

bool CRowView::ScrollRowIntoView(int row) {
    if (row < 0 || row >= m_nTotalRows) return true;
    int delta = row < m_nFirstRow ? row - m_nFirstRow : row > m_nLastRow ? row - m_nLastRow : 0;
    if (LimitRowDelta(delta) != delta) return true;
    ScrollRows(delta);
    return false;
}

bool CRowView::ScrollRangeIntoView(int first, int last) {
    if (last < first || first < 0 || last >= m_nTotalRows) return true;
    int delta = first < m_nFirstRow ? first - m_nFirstRow
                : last > m_nLastRow ? last - m_nLastRow
                                    : 0;
    ScrollRows(LimitRowDelta(delta));
    PlaceCaret(nullptr, kCaretKeep);
    return false;
}

int CRowView::LastVisiblePosition() {
    CRowSource* rs = GetRowSource();
    if (!rs) return 0;
    int64_t last = int64_t(rs->GetBytesPerRow()) * (m_nLastRow + 1) - 1;
    return static_cast<int>(std::min<int64_t>(last, rs->GetCaretLimit()));
}

bool CRowView::GoToRow(int row) {
    CRowSource* rs = GetRowSource();
    if (!rs || ScrollRowIntoView(row)) return false;
    bool moved = rs->SetCaretRow(row) >= 0;
    PlaceCaret(nullptr, kCaretKeep);
    return moved;
}

bool CRowView::GoToPosition(int pos) {
    CRowSource* rs = GetRowSource();
    if (!rs || ScrollRowIntoView(pos / rs->GetBytesPerRow())) return false;
    bool moved = rs->SetCaret(pos) >= 0;
    PlaceCaret(nullptr, kCaretKeep);
    return moved;
}

int CRowView::ScrollWithCaret(int n) {
    int scrolled = LimitRowDelta(n);
    ScrollRows(scrolled);
    if (CRowSource* rs = GetRowSource(); rs && scrolled != 0) rs->MoveCaretRows(scrolled);
    PlaceCaret(nullptr, kCaretKeep);
    return scrolled;
}

bool CRowView::ScrollPage(int direction) {
    int rows = m_nVisibleRows * (ControlHeld() ? 10 : 1);
    return ScrollWithCaret(direction * rows) != 0;
}

void CRowView::KeepCaretVisible() {
    CRowSource* rs = GetRowSource();
    if (!rs) return;
    int bpr = rs->GetBytesPerRow();
    int caret = rs->m_nCaret;
    if (caret >= int64_t(m_nFirstRow) * bpr && caret <= LastVisiblePosition()) return;
    int row = caret / bpr;
    if (ScrollRowIntoView(row)) return;
    rs->SetCaretRow(row);
    PlaceCaret(nullptr, kCaretKeep);
}

void CRowView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    RecalcLayout();
    ClampAndFollow();
    KeepCaretVisible();
}

void CRowView::OnInitialUpdate() {
    if (GetRowSource()) {
        RecalcLayout();
        ClampAndFollow();
    }
    SetCaretShape(kCaretKeep);
    OnUpdate(nullptr, 0);
}

void CRowView::OnPrepareDC(CDC* pDC) {
    CView::OnPrepareDC(pDC);
    // A screen paint between two printed pages (a print dialog closing above a view) still
    // draws in the screen font; the next page takes the printer font again.
    UsePrinterFont(pDC->IsPrinting());
    if (pDC->IsPrinting()) pDC->SetMapMode(MM_HIMETRIC);
    pDC->SelectObject(GetRowFont());
    MeasureFont(pDC);
}

void CRowView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CRowSource* rs = GetRowSource();
    if (!rs) {
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    int bpr = rs->GetBytesPerRow();
    int end = rs->GetCaretLimit() - 1;
    switch (nChar) {
    case VK_UP:
        GoToRow(rs->m_nCaret / bpr - 1);
        break;
    case VK_DOWN:
        if (!GoToRow(rs->m_nCaret / bpr + 1)) GoToPosition(end);
        break;
    case VK_LEFT:
        GoToPosition(rs->m_nCaret - 1);
        break;
    case VK_RIGHT:
        GoToPosition(rs->m_nCaret + 1);
        break;
    case VK_HOME:
        if (ControlHeld()) GoToPosition(0);
        break;
    case VK_END:
        if (ControlHeld()) GoToPosition(end);
        break;
    case VK_PRIOR:
        if (!ScrollPage(-1)) GoToPosition(0);
        break;
    case VK_NEXT:
        if (!ScrollPage(+1)) GoToPosition(end);
        break;
    default:
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CRowView::OnVScroll(UINT nSBCode, UINT /*nPos*/) {
    int delta = 0;
    switch (nSBCode) {
    case SB_LINEUP:
        delta = -1;
        break;
    case SB_LINEDOWN:
        delta = 1;
        break;
    case SB_PAGEUP:
        delta = -m_nVisibleRows;
        break;
    case SB_PAGEDOWN:
        delta = m_nVisibleRows;
        break;
    case SB_THUMBTRACK: {
        // The message's own position is 16 bits; the scroll information has all 32.
        SCROLLINFO si;
        GetScrollInfo(SB_VERT, si, SIF_POS | SIF_TRACKPOS);
        delta = si.nTrackPos - si.nPos;
        break;
    }
    default:
        break;
    }
    ScrollWithCaret(delta);
}

void CRowView::OnHScroll(UINT nSBCode, UINT nPos) {
    switch (nSBCode) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        ScrollColumns(-1);
        break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        ScrollColumns(1);
        break;
    case SB_THUMBTRACK:
        ScrollColumns(static_cast<int16_t>(nPos - static_cast<UINT>(GetScrollPos(SB_HORZ))));
        break;
    default:
        break;
    }
}

void CRowView::OnMouseWheel(UINT /*nFlags*/, int zDelta, CPoint /*pt*/) {
    // Three rows a notch; turning away from the user shows earlier rows. Touchpads send parts
    // of a notch, which add up until they make a row; turning back starts over.
    if ((zDelta < 0) != (m_nWheelDelta < 0)) m_nWheelDelta = 0;
    m_nWheelDelta += zDelta;
    int rows = m_nWheelDelta / kWheelDeltaPerRow;
    m_nWheelDelta -= rows * kWheelDeltaPerRow;
    if (rows != 0) ScrollWithCaret(-rows);
}
