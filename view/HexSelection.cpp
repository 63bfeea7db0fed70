#include "view/HexSelection.h"

#include <algorithm>
#include <cstdint>

#include "engine/BinData.h"
#include "view/KolvaView.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
} // namespace

void CHexSelection::Start() {
    CKolvaView& v = m_view;
    Clear();
    v.m_bSelecting = true;
    v.m_nAnchor = v.m_nLastCaret = v.GetData()->m_nCaret;
}

bool CHexSelection::TouchesVisibleRows() const {
    CBinData* data = m_view.GetData();
    return data && data->m_bSelection && data->m_nSelStart / kBytesPerRow <= m_view.m_nLastRow &&
           data->m_nSelEnd / kBytesPerRow >= m_view.m_nFirstRow;
}

void CHexSelection::Clear() {
    CBinData* data = m_view.GetData();
    if (!data || !data->m_bSelection) return;
    m_view.m_bSelecting = false;
    data->m_bSelection = false;
    m_view.InvalidateRows(data->m_nSelStart / kBytesPerRow, data->m_nSelEnd / kBytesPerRow, false);
}

void CHexSelection::Extend() {
    CKolvaView& v = m_view;
    CBinData* data = v.GetData();
    if (!data || data->m_nCaret == v.m_nLastCaret) return;
    int low = INT32_MAX, high = INT32_MIN;
    auto addSelectionRows = [&] {
        if (!data->m_bSelection) return;
        low = std::min(low, data->m_nSelStart / kBytesPerRow);
        high = std::max(high, data->m_nSelEnd / kBytesPerRow);
    };
    addSelectionRows();
    int a = v.m_nAnchor, c = data->m_nCaret;
    data->SetSelection(std::min(a, c), std::max(a, c) - 1);
    addSelectionRows();
    if (low <= high) v.InvalidateRows(low, high, false);
    v.m_nLastCaret = c;
}
