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
