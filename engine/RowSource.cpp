#include "engine/RowSource.h"

bool CRowSource::SetSelection(int first, int last) {
    if (first < 0 || last >= GetCaretLimit() || last < first) {
        m_bSelection = false;
        return false;
    }
    m_nSelStart = first;
    m_nSelEnd = last;
    m_bSelection = true;
    return true;
}

void CRowSource::RegisterSelection() {
    m_bRegistered = m_bSelection;
    m_nRegStart = m_bSelection ? m_nSelStart : -1;
    m_nRegEnd = m_bSelection ? m_nSelEnd : -1;
    m_nSelStart = m_nSelEnd = -1;
    m_bSelection = false;
}

int CRowSource::SetCaret(int pos) {
    if (pos < 0) return -1;
    if (pos >= GetCaretLimit()) return -2;
    m_nCaret = pos;
    return pos;
}

int CRowSource::SetCaretRow(int row) {
    int bpr = GetBytesPerRow();
    int64_t pos = int64_t(m_nCaret % bpr) + int64_t(row) * bpr;
    if (pos < 0) return -1;
    if (pos >= GetCaretLimit()) return -2;
    m_nCaret = static_cast<int32_t>(pos);
    return row;
}

int CRowSource::MoveCaretRows(int n) {
    int bpr = GetBytesPerRow();
    int64_t pos = int64_t(m_nCaret) + int64_t(n) * bpr;
    if (pos < 0 || pos >= GetCaretLimit()) return -1;
    m_nCaret = static_cast<int32_t>(pos);
    return static_cast<int>(pos / bpr);
}
