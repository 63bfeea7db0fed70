#include "engine/UndoLog.h"

namespace {
constexpr size_t kBlock = 1024;
// Counts from here on need 32 bits.
constexpr int kWideCount = 0x10000;
} // namespace

CUndoLog::CUndoLog() {
    m_bytes.reserve(kBlock);
    m_index.reserve(256);
}

void CUndoLog::Begin(uint8_t kind) {
    m_index.push_back(static_cast<uint32_t>(m_bytes.size()));
    m_bytes.push_back(kind);
}

void CUndoLog::PutInt(uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        m_bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t CUndoLog::GetInt(size_t& at, int width) const {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value |= uint32_t(m_bytes[at++]) << (8 * i);
    return value;
}

void CUndoLog::RecordByte(uint8_t kind, int pos, uint8_t saved) {
    if (kind == kOverwrittenByte && !m_index.empty()) {
        size_t top = m_index.back();
        size_t at = top + 1;
        if (m_bytes[top] == kOverwrittenByte && static_cast<int>(GetInt(at, 4)) == pos)
            return; // keep the value from before the first of repeated overwrites
    }
    Begin(kind);
    PutInt(static_cast<uint32_t>(pos), 4);
    if (kind & (kRemoved | kReplaced)) m_bytes.push_back(saved);
}

uint8_t* CUndoLog::RecordRange(uint8_t kind, int pos, int first, int second) {
    // A count of 65,536 or more needs 32 bits; both counts share the width.
    bool wide = first >= kWideCount || (kind == kReplacedRange && second >= kWideCount);
    int width = wide ? 4 : 2;
    Begin(static_cast<uint8_t>(kind | (wide ? kWide : 0)));
    PutInt(static_cast<uint32_t>(pos), 4);
    PutInt(static_cast<uint32_t>(first), width);
    if (kind == kReplacedRange) PutInt(static_cast<uint32_t>(second), width);
    if (kind != kRemovedRange && kind != kReplacedRange) return nullptr;
    size_t end = m_bytes.size();
    size_t count = static_cast<size_t>(first);
    // Large saves go in one block into a log grown to a whole number of blocks.
    size_t size = count >= kBlock ? (end + count) / kBlock * kBlock + kBlock : end + count;
    m_bytes.resize(size);
    return m_bytes.data() + end;
}

void CUndoLog::PushMarker(uint8_t kind) {
    Begin(kind);
}

bool CUndoLog::PopRecord(CUndoRecord& record) {
    if (m_index.empty()) return false;
    size_t start = m_index.back();
    size_t at = start + 1;
    uint8_t kind = m_bytes[start];
    record.m_nKind = kind;
    record.m_nPos = 0;
    record.m_nSaved = record.m_nPresent = 0;
    record.m_saved.clear();
    if (!(kind & kMarker)) {
        record.m_nPos = static_cast<int32_t>(GetInt(at, 4));
        int width = (kind & kWide) ? 4 : 2;
        bool counted = kind & kCounted;
        if (kind & (kRemoved | kReplaced))
            record.m_nSaved = counted ? static_cast<int32_t>(GetInt(at, width)) : 1;
        if (kind & (kInserted | kReplaced))
            record.m_nPresent = counted ? static_cast<int32_t>(GetInt(at, width)) : 1;
        if (kind & (kRemoved | kReplaced))
            record.m_saved.assign(m_bytes.begin() + static_cast<ptrdiff_t>(at),
                                  m_bytes.begin() + static_cast<ptrdiff_t>(at) + record.m_nSaved);
    }
    m_bytes.resize(start);
    m_index.pop_back();
    return true;
}

void CUndoLog::RemoveAll() {
    m_bytes.clear();
    m_index.clear();
}
