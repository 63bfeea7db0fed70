#include "view/HexMouse.h"

#include <algorithm>
#include <cstdint>

#include "engine/BinData.h"
#include "platform/base/VirtualKeys.h"
#include "view/CaretShape.h"
#include "view/CaretState.h"
#include "view/HexCaret.h"
#include "view/HexSelection.h"
#include "view/KolvaView.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
// Drag-scroll intervals for a pointer one row, two rows and further beyond the rows.
constexpr UINT kNearDragMs = 120;
constexpr UINT kMiddleDragMs = 90;
constexpr UINT kFarDragMs = 60;
} // namespace

void CHexMouse::StartDragTimer(int distance) {
    m_view.SetTimer(CKolvaView::kDragTimer, distance == 1   ? kNearDragMs
                                            : distance == 2 ? kMiddleDragMs
                                                            : kFarDragMs);
}

void CHexMouse::SetCaretFromPoint(UINT flags, int x, int y) {
    CKolvaView& v = m_view;
    CBinData* data = v.GetData();
    if (!data || v.m_nRowHeight <= 0 || v.m_nCharWidth <= 0) return;
    int row = y / v.m_nRowHeight + v.m_nFirstRow;
    int c = x / v.m_nCharWidth + v.m_nFirstCol;
    int charColumn = data->m_layout.CharAreaStart();
    int i;
    if (c >= charColumn) {
        i = data->m_bShowChars ? c - charColumn : c;
    } else if (c < 0) {
        i = 0;
    } else {
        i = data->m_layout.ByteAtHexColumn(c);
    }
    int pointRow = row;
    if (i >= kBytesPerRow) {
        ++row;
        i = 0;
    }
    i = std::max(i, 0);
    m_state.m_bCharArea = data->m_bShowChars && c >= charColumn ? 1 : 0;
    v.KillTimer(CKolvaView::kDragTimer);
    if (row < v.m_nFirstRow || row > v.m_nLastRow) {
        m_nDragFlags = static_cast<int32_t>(flags);
        m_ptDrag = CPoint(x, y);
        StartDragTimer(row < v.m_nFirstRow ? v.m_nFirstRow - row : row - v.m_nLastRow);
    }
    int lastRow = v.m_nTotalRows - 1;
    if (pointRow > lastRow) return;
    // A point past the end of a short last row means the end position.
    int target = static_cast<int>(
        std::min<int64_t>(int64_t(row) * kBytesPerRow + i, data->GetCaretLimit() - 1));
    row = target / kBytesPerRow;
    i = target % kBytesPerRow;
    int column = data->m_nCaret / kBytesPerRow * kBytesPerRow + i;
    data->SetCaret(column);
    if (v.ScrollRowIntoView(row)) return;
    data->SetCaret(target);
    m_caret.Place(kCaretKeep);
}

void CHexMouse::ButtonDown(UINT nFlags, CPoint pt) {
    if (!m_view.GetData()) return;
    // A click puts the caret on the high digit of the byte it hits.
    m_state.m_nNibble = 0;
    SetCaretFromPoint(nFlags, pt.x, pt.y);
    m_caret.Place(m_caret.ShapeForMode());
    if (m_selection.IsSelecting()) {
        m_selection.ExtendSelection();
        return;
    }
    m_selection.Start();
    m_view.SetCapture();
}

void CHexMouse::Move(UINT nFlags, CPoint pt) {
    if (!m_selection.IsSelecting() || !(nFlags & MK_LBUTTON)) return;
    SetCaretFromPoint(nFlags, pt.x, pt.y);
    m_selection.ExtendSelection();
}

void CHexMouse::ButtonUp() {
    m_selection.EndSelecting();
    m_view.KillTimer(CKolvaView::kDragTimer);
    m_view.ReleaseCapture();
}

void CHexMouse::Timer(UINT nIDEvent) {
    if (nIDEvent == CKolvaView::kDragTimer && m_selection.IsSelecting() &&
        (m_nDragFlags & MK_LBUTTON)) {
        SetCaretFromPoint(static_cast<UINT>(m_nDragFlags), m_ptDrag.x, m_ptDrag.y);
        m_selection.ExtendSelection();
    }
}
