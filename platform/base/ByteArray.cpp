#include "platform/base/ByteArray.h"

#include <algorithm>
#include <cstring>

void CByteArray::MoveGap(size_t pos) {
    size_t gap = GapLength();
    if (pos < m_nGapStart)
        std::memmove(m_pBuf.get() + pos + gap, m_pBuf.get() + pos, m_nGapStart - pos);
    else if (pos > m_nGapStart)
        std::memmove(m_pBuf.get() + m_nGapStart, m_pBuf.get() + m_nGapEnd, pos - m_nGapStart);
    m_nGapStart = pos;
    m_nGapEnd = pos + gap;
}

void CByteArray::Reserve(size_t extra, size_t pos) {
    if (GapLength() >= extra) {
        MoveGap(pos);
        return;
    }
    // Growing copies every byte anyway: put the new gap where it is wanted on the way.
    size_t size = m_nCapacity - GapLength();
    size_t room = std::max({extra, m_nGrowBy, size / 8, size_t(64)});
    size_t capacity = size + room;
    std::unique_ptr<uint8_t[]> buf(new uint8_t[capacity]);
    if (m_pBuf) {
        CopyOut(0, static_cast<int>(pos), buf.get());
        CopyOut(static_cast<int>(pos), static_cast<int>(size - pos),
                buf.get() + capacity - (size - pos));
    }
    m_pBuf = std::move(buf);
    m_nCapacity = capacity;
    m_nGapStart = pos;
    m_nGapEnd = capacity - (size - pos);
}

void CByteArray::SetSize(int n, int growBy) {
    if (growBy >= 0) m_nGrowBy = static_cast<size_t>(growBy);
    size_t size = static_cast<size_t>(GetSize());
    size_t want = static_cast<size_t>(std::max(n, 0));
    if (want == 0) {
        m_pBuf.reset();
        m_nCapacity = m_nGapStart = m_nGapEnd = 0;
    } else if (want > size) {
        std::memset(Open(static_cast<int>(size), static_cast<int>(want - size)), 0, want - size);
    } else if (want < size) {
        RemoveAt(static_cast<int>(want), static_cast<int>(size - want));
    }
}

uint8_t* CByteArray::Open(int i, int n) {
    Reserve(static_cast<size_t>(n), static_cast<size_t>(i));
    uint8_t* p = m_pBuf.get() + m_nGapStart;
    m_nGapStart += static_cast<size_t>(n);
    return p;
}

uint8_t* CByteArray::AppendUninitialized(int n) {
    if (n <= 0) return nullptr;
    Open(GetSize(), n);
    return GetRange(GetSize() - n, n);
}

void CByteArray::InsertAt(int i, uint8_t b, int count) {
    if (count > 0) std::memset(Open(i, count), b, static_cast<size_t>(count));
}

void CByteArray::InsertAt(int i, const uint8_t* bytes, int n) {
    if (n > 0) std::memcpy(Open(i, n), bytes, static_cast<size_t>(n));
}

void CByteArray::RemoveAt(int i, int count) {
    if (count <= 0) return;
    MoveGap(static_cast<size_t>(i));
    m_nGapEnd += static_cast<size_t>(count);
}

uint8_t* CByteArray::GetRange(int i, int n) {
    size_t from = static_cast<size_t>(i), to = from + static_cast<size_t>(std::max(n, 0));
    if (from < m_nGapStart && to > m_nGapStart) {
        // Move the gap out of the range by the shorter way.
        if (m_nGapStart - from <= to - m_nGapStart)
            MoveGap(from);
        else
            MoveGap(to);
    }
    if (!m_pBuf) return nullptr;
    return from < m_nGapStart ? m_pBuf.get() + from : m_pBuf.get() + from + GapLength();
}

CByteArray::Pieces CByteArray::Locate(int i, int n) const {
    size_t from = static_cast<size_t>(i), count = static_cast<size_t>(std::max(n, 0));
    size_t before = from < m_nGapStart ? std::min(count, m_nGapStart - from) : 0;
    return {m_pBuf.get() + from, before, m_pBuf.get() + from + before + GapLength(),
            count - before};
}

void CByteArray::CopyOut(int i, int n, uint8_t* out) const {
    Pieces p = Locate(i, n);
    if (p.nFirst) std::memcpy(out, p.pFirst, p.nFirst);
    if (p.nSecond) std::memcpy(out + p.nFirst, p.pSecond, p.nSecond);
}

void CByteArray::CopyIn(int i, int n, const uint8_t* bytes) {
    Pieces p = Locate(i, n);
    if (p.nFirst) std::memcpy(p.pFirst, bytes, p.nFirst);
    if (p.nSecond) std::memcpy(p.pSecond, bytes + p.nFirst, p.nSecond);
}
