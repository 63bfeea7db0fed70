#include "view/HexSelection.h"

#include <algorithm>

#include "engine/BinData.h"
#include "view/CaretState.h"
#include "view/HexPainter.h"
#include "view/KolvaView.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
} // namespace

void CHexSelection::Start() {
    ClearSelection();
    m_bSelecting = true;
    m_nAnchor = m_nLastCaret = m_view.GetData()->m_nCaret;
    m_state.m_nNibble = 0;
}

bool CHexSelection::TouchesVisibleRows() const {
    CBinData* data = m_view.GetData();
    return data && data->m_bSelection && data->m_nSelStart / kBytesPerRow <= m_view.m_nLastRow &&
           data->m_nSelEnd / kBytesPerRow >= m_view.m_nFirstRow;
}

void CHexSelection::ClearSelection() {
    CBinData* data = m_view.GetData();
    if (!data || !data->m_bSelection) return;
    m_bSelecting = false;
    data->ClearSelection();
    m_painter.InvalidateRows(data->m_nSelStart / kBytesPerRow, data->m_nSelEnd / kBytesPerRow,
                             false);
}

void CHexSelection::ExtendSelection() {
    CBinData* data = m_view.GetData();
    if (!data || data->m_nCaret == m_nLastCaret) return;
    int low = INT32_MAX, high = INT32_MIN;
    auto addSelectionRows = [&] {
        if (!data->m_bSelection) return;
        low = std::min(low, data->m_nSelStart / kBytesPerRow);
        high = std::max(high, data->m_nSelEnd / kBytesPerRow);
    };
    addSelectionRows();
    int a = m_nAnchor, c = data->m_nCaret;
    data->SetSelection(std::min(a, c), std::max(a, c) - 1);
    addSelectionRows();
    if (low <= high) m_painter.InvalidateRows(low, high, false);
    m_nLastCaret = c;
}

void CHexSelection::BeforeMove(bool bShift) {
    m_bShiftKey = bShift;
    if (!bShift)
        ClearSelection();
    else if (!m_bSelecting)
        Start();
}

void CHexSelection::AfterMove() {
    if (IsShiftSelecting()) ExtendSelection();
}
