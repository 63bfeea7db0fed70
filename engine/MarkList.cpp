#include "engine/MarkList.h"

#include <algorithm>

int CMarkList::FindFirstAtOrAfter(uint32_t pos) const {
    return static_cast<int>(std::lower_bound(m_marks.begin(), m_marks.end(), pos) -
                            m_marks.begin());
}

int CMarkList::Toggle(uint32_t pos) {
    auto it = std::lower_bound(m_marks.begin(), m_marks.end(), pos);
    if (it != m_marks.end() && *it == pos) {
        m_marks.erase(it);
        return -1;
    }
    m_marks.insert(it, pos);
    return 1;
}

int CMarkList::SelectRange(uint32_t low, uint32_t high) {
    if (m_marks.empty() || high < m_marks.front() || m_marks.back() < low) return 0;
    m_nCursor = FindFirstAtOrAfter(low);
    m_nLast =
        static_cast<int>(std::upper_bound(m_marks.begin(), m_marks.end(), high) - m_marks.begin()) -
        1;
    return m_nLast - m_nCursor + 1 > 0 ? m_nLast - m_nCursor + 1 : 0;
}

int64_t CMarkList::Next() {
    if (m_nCursor > m_nLast || m_nCursor >= GetCount()) return -1;
    return m_marks[static_cast<size_t>(m_nCursor++)];
}

int CMarkList::PruneAfter(uint32_t pos) {
    int removed = 0;
    while (!m_marks.empty() && m_marks.back() > pos) {
        m_marks.pop_back();
        ++removed;
    }
    return removed;
}

void CMarkList::ClearMarks() {
    m_marks.clear();
    m_nCursor = 0;
    m_nLast = -1;
}
