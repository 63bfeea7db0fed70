#pragma once
#include <cstdint>

#include "platform/base/Types.h"

class CKolvaView;

// Typed bytes: stored at the caret by the document's editing mode, a hex digit at a time or a
// character (one or two bytes) at a time, with the caret moving on after each.
class CByteEntry {
public:
    explicit CByteEntry(CKolvaView& view) : m_view(view) {}

    // Whether the mode and caret take a typed character at all.
    bool CanTakeCharacter() const;
    void Enter(uint8_t value);
    // A character committed by the input method: one byte, or a double-byte code.
    void EnterImeChar(UINT nChar);

private:
    bool CanEnterAtCaret() const;
    void ShowCaretRow();
    // Enter without its checks: stores the byte and moves on.
    void Store(uint8_t value);
    void EnterPair(uint8_t first, uint8_t second);

    CKolvaView& m_view;
};
