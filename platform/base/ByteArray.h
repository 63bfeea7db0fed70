#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

// A growable byte array. The bytes are kept in a gap buffer: the free space sits where the last
// insertion or removal happened, so a run of edits at one place costs no more than edits at the
// end, wherever the place is. Reading single bytes never moves the gap; asking for a contiguous
// range moves it out of the range, which costs the distance it moves.
// Running out of memory throws std::bad_alloc and leaves the array unchanged.
class CByteArray {
public:
    CByteArray() = default;
    CByteArray(const CByteArray&) = delete;
    CByteArray& operator=(const CByteArray&) = delete;
    virtual ~CByteArray() = default;

    int GetSize() const { return static_cast<int>(m_nCapacity - GapLength()); }
    // New bytes are zero. growBy is the least spare room kept when the array grows.
    void SetSize(int n, int growBy = -1);
    void RemoveAll() { SetSize(0); }

    uint8_t GetAt(int i) const {
        size_t k = static_cast<size_t>(i);
        return k < m_nGapStart ? m_pBuf[k] : m_pBuf[k + GapLength()];
    }
    void SetAt(int i, uint8_t b) {
        size_t k = static_cast<size_t>(i);
        (k < m_nGapStart ? m_pBuf[k] : m_pBuf[k + GapLength()]) = b;
    }

    // n new bytes at the end, left for the caller to fill.
    uint8_t* AppendUninitialized(int n);
    void InsertAt(int i, uint8_t b, int count = 1);
    void InsertAt(int i, const uint8_t* bytes, int n);
    void RemoveAt(int i, int count = 1);

    // A pointer to bytes i to i + n - 1, contiguous; valid until the array changes.
    uint8_t* GetRange(int i, int n);
    // The whole array, contiguous.
    uint8_t* GetData() { return GetRange(0, GetSize()); }
    // Copies bytes i to i + n - 1 without moving the gap.
    void CopyOut(int i, int n, uint8_t* out) const;
    // Writes over bytes i to i + n - 1 without moving the gap.
    void CopyIn(int i, int n, const uint8_t* bytes);

private:
    // Bytes i to i + n - 1 as they lie around the gap: nFirst before it, nSecond after it.
    struct Pieces {
        uint8_t* pFirst;
        size_t nFirst;
        uint8_t* pSecond;
        size_t nSecond;
    };

    size_t GapLength() const { return m_nGapEnd - m_nGapStart; }
    Pieces Locate(int i, int n) const;
    void MoveGap(size_t pos);
    // Makes room for extra more bytes with the gap at pos.
    void Reserve(size_t extra, size_t pos);
    uint8_t* Open(int i, int n);

    std::unique_ptr<uint8_t[]> m_pBuf;
    size_t m_nCapacity = 0;
    size_t m_nGapStart = 0;
    size_t m_nGapEnd = 0;
    size_t m_nGrowBy = 0;
};
