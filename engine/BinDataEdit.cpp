// Edit primitives and undo/redo of CBinData.
#include <algorithm>

#include "engine/BinData.h"

void CBinData::OverwriteAtCaret(uint8_t b) {
    // At the append position there is no byte to overwrite.
    if (m_nCaret < 0 || m_nCaret >= GetDataLength() || !StartEdit()) return;
    int depth = m_undo.GetCount();
    m_undo.RecordByte(CUndoLog::kOverwrittenByte, m_nCaret, ByteAt(m_nCaret));
    // Merged into the record the saved state ends with: that state is gone from the history.
    if (m_undo.GetCount() == depth && depth == m_nSavePoint) m_nSavePoint = -1;
    m_pStore->Replace(m_nCaret, 1, &b, 1);
}

void CBinData::InsertAtCaret(uint8_t b) {
    if (m_nCaret < 0 || m_nCaret > GetDataLength() || !StartEdit()) return;
    m_undo.RecordByte(CUndoLog::kInsertedByte, m_nCaret);
    m_pStore->Insert(m_nCaret, &b, 1);
}

void CBinData::DeleteAtCaret() {
    if (m_nCaret < 0 || m_nCaret >= GetDataLength() || !StartEdit()) return;
    RemoveLogged(m_undo, m_nCaret, 1);
    m_nCaret = std::min(m_nCaret, GetDataLength());
}

void CBinData::ClearRedo() {
    if (m_nSavePoint > m_undo.GetCount()) m_nSavePoint = -1;
    m_redo.RemoveAll();
}

bool CBinData::StartEdit() {
    if (!m_pStore->IsEditable()) return false;
    ClearRedo();
    return true;
}

bool CBinData::SelectionIsLive() const {
    // An edit since the selection was made may have left it beyond the append position.
    return m_bSelection && m_nSelStart >= 0 && m_nSelStart <= GetDataLength() &&
           m_nSelEnd >= m_nSelStart;
}

bool CBinData::ClippedSelection(int& first, int& count) {
    first = m_nSelStart;
    count = 0;
    if (!SelectionIsLive()) return false;
    count = std::min(m_nSelEnd, GetDataLength() - 1) - first + 1;
    return count > 0;
}

void CBinData::DeleteSelection() {
    int first, count;
    if (!ClippedSelection(first, count) || !StartEdit()) {
        m_bSelection = false;
        return;
    }
    int last = first + count - 1;
    RemoveLogged(m_undo, first, count);
    int length = GetDataLength();
    if (m_nCaret >= first && m_nCaret <= m_nSelEnd) {
        m_nCaret = first;
        if (first >= length - 1) m_nCaret = length - 1;
        if (length == 0) m_nCaret = 0;
    } else if (m_nCaret > last) {
        m_nCaret -= count;
    }
    m_bSelection = false;
}

void CBinData::ReplaceSelection(int newCount, const uint8_t* newBytes) {
    newCount &= 0xFFFF;
    if (!SelectionIsLive() || !StartEdit()) {
        m_bSelection = false;
        return;
    }
    // Only the append position selected: none go, and the new bytes go at the end.
    int first = m_nSelStart;
    int count = std::max(std::min(m_nSelEnd, GetDataLength() - 1) - first + 1, 0);
    ReplaceLogged(m_undo, first, count, newCount, newBytes);
    int length = GetDataLength();
    if (m_nCaret >= first && m_nCaret <= m_nSelEnd) {
        m_nCaret = first + newCount;
        if (m_nCaret >= length - 1) m_nCaret = length - 1;
        if (length == 0) m_nCaret = 0;
    } else if (m_nCaret > first + count - 1) {
        m_nCaret += newCount - count;
    }
    m_bSelection = false;
}

void CBinData::PlaceCaretIfValid(int64_t pos) {
    if (pos >= 0 && pos < GetCaretLimit()) m_nCaret = static_cast<int32_t>(pos);
}

void CBinData::RemoveLogged(CUndoLog& log, int pos, int count) {
    if (count == 1)
        log.RecordByte(CUndoLog::kRemovedByte, pos, ByteAt(pos));
    else
        m_pStore->Copy(pos, count, log.RecordRange(CUndoLog::kRemovedRange, pos, count, 0));
    m_pStore->Remove(pos, count);
}

void CBinData::ReplaceLogged(CUndoLog& log, int pos, int oldCount, int newCount,
                             const uint8_t* newBytes) {
    m_pStore->Copy(pos, oldCount,
                   log.RecordRange(CUndoLog::kReplacedRange, pos, oldCount, newCount));
    m_pStore->Replace(pos, oldCount, newBytes, newCount);
}

void CBinData::InsertBlock(int pos, const uint8_t* bytes, int n) {
    if (!StartEdit()) return;
    m_undo.RecordRange(CUndoLog::kInsertedRange, pos, n, 0);
    try {
        m_pStore->Insert(pos, bytes, n);
    } catch (...) {
        // Without the bytes the record would take away others on undo.
        CUndoRecord dropped;
        m_undo.PopRecord(dropped);
        throw;
    }
}

void CBinData::OverwriteBlock(int pos, const uint8_t* bytes, int n) {
    if (!StartEdit()) return;
    ReplaceLogged(m_undo, pos, n, n, bytes);
}

void CBinData::BeginUndoGroup() {
    m_undo.PushMarker(CUndoLog::kGroupStart);
}

void CBinData::EndUndoGroup() {
    m_undo.PushMarker(CUndoLog::kGroupEnd);
}

void CBinData::ApplyInsertedRecord(CUndoLog& target, const CUndoRecord& record) {
    RemoveLogged(target, record.m_nPos, record.m_nPresent);
    PlaceCaretIfValid(record.m_nPos);
}

void CBinData::ApplyRemovedRecord(CUndoLog& target, const CUndoRecord& record) {
    target.RecordRange(CUndoLog::kInsertedRange, record.m_nPos, record.m_nSaved, 0);
    m_pStore->Insert(record.m_nPos, record.m_saved.data(), record.m_nSaved);
    PlaceCaretIfValid(int64_t(record.m_nPos) + record.m_nSaved);
}

void CBinData::ApplyReplacedRecord(CUndoLog& target, const CUndoRecord& record) {
    if (record.m_nKind & CUndoLog::kOneByte) {
        target.RecordByte(CUndoLog::kOverwrittenByte, record.m_nPos, ByteAt(record.m_nPos));
        m_pStore->Replace(record.m_nPos, 1, record.m_saved.data(), 1);
    } else {
        ReplaceLogged(target, record.m_nPos, record.m_nPresent, record.m_nSaved,
                      record.m_saved.data());
    }
    int n = record.m_nSaved;
    PlaceCaretIfValid(n == 1 ? record.m_nPos : int64_t(record.m_nPos) + n);
}

bool CBinData::ApplyUndoStep(bool undo) {
    CUndoLog& source = undo ? m_undo : m_redo;
    CUndoLog& target = undo ? m_redo : m_undo;
    CUndoRecord record;
    if (!source.PopRecord(record)) return true;
    if (record.m_nKind == CUndoLog::kGroupStart) {
        target.PushMarker(CUndoLog::kGroupEnd);
        return true;
    }
    if (record.m_nKind == CUndoLog::kGroupEnd) {
        target.PushMarker(CUndoLog::kGroupStart);
        while (!ApplyUndoStep(undo)) {
        }
        return false;
    }
    if (record.m_nKind & CUndoLog::kInserted && !(record.m_nKind & CUndoLog::kReplaced))
        ApplyInsertedRecord(target, record);
    else if (record.m_nKind & CUndoLog::kRemoved)
        ApplyRemovedRecord(target, record);
    else if (record.m_nKind & CUndoLog::kReplaced)
        ApplyReplacedRecord(target, record);
    return false;
}
