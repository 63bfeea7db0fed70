#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The marked byte positions of a document, ascending and without duplicates. Marks stay where
// they are when bytes are inserted or removed; those left past the data are pruned lazily.
class CMarkList {
public:
    int GetCount() const { return static_cast<int>(m_marks.size()); }
    uint32_t GetAt(int i) const { return m_marks[static_cast<size_t>(i)]; }

    // Index of the first mark >= pos (the count when there is none).
    int FindFirstAtOrAfter(uint32_t pos) const;
    // Removes the mark at pos (-1) or adds one there (1).
    int Toggle(uint32_t pos);
    // Prepares a walk over the marks from low to high; returns how many there are.
    int SelectRange(uint32_t low, uint32_t high);
    // The next mark of the walk, or -1 after the last.
    int64_t Next();
    // Removes the marks past pos; returns how many.
    int PruneAfter(uint32_t pos);
    void ClearMarks();

private:
    std::vector<uint32_t> m_marks;
    int m_nCursor = 0;
    int m_nLast = -1;
};
