#pragma once
#include <cstdint>

// The caret, the selection and the registered range of a document's data. The row view moves
// the caret through it by positions and rows; the one-byte edits at the caret are the hex view's
// typing, which CBinData does.
class CRowSource {
public:
    virtual ~CRowSource() = default;

    // The number of caret positions: data length + 1.
    virtual int GetCaretLimit() = 0;
    virtual void OverwriteAtCaret(uint8_t b) = 0;
    virtual void InsertAtCaret(uint8_t b) = 0;
    virtual uint8_t GetByteAtCaret() = 0;
    virtual void DeleteAtCaret() = 0;
    virtual int GetBytesPerRow() = 0;

    // Selects first to last inclusive, which may end on the append position. A range that is
    // empty or reaches outside the caret positions clears the selection and gives false.
    bool SetSelection(int first, int last);
    void ClearSelection() { m_bSelection = false; }
    // The selection becomes the registered range and is dropped; without one, no range is left.
    void RegisterSelection();

    // Caret moves for the row view. SetCaret gives pos, or -1 below 0 and -2 past the last
    // caret position; SetCaretRow keeps the column and gives row, -1 or -2 the same way;
    // MoveCaretRows gives the new row, or -1 when the move would leave the caret positions.
    // Nothing changes on failure.
    int SetCaret(int pos);
    int SetCaretRow(int row);
    int MoveCaretRows(int n);

    int32_t m_nSelStart = -1;
    int32_t m_nSelEnd = -1;
    bool m_bSelection = false;
    int32_t m_nRegStart = -1;
    int32_t m_nRegEnd = -1;
    bool m_bRegistered = false;
    int32_t m_nCaret = 0;
};
