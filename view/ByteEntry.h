#pragma once
#include <cstdint>

#include "platform/base/Types.h"

class CBinData;
class CHexCaret;
class CKolvaDoc;
class CKolvaView;
struct CCaretState;

// Typed bytes: stored at the caret by the document's editing mode, a hex digit at a time or a
// character (one or two bytes) at a time, with the caret moving on after each.
class CByteEntry {
public:
    CByteEntry(CKolvaView& view, CCaretState& state, CHexCaret& caret);

    // A typed character: a hex digit in the hex area, a printable character in the other.
    void Type(UINT nChar);
    void EnterByte(uint8_t value);
    // A character committed by the input method: one byte, or a double-byte code.
    void EnterImeChar(UINT nChar);

private:
    // Whether the mode and the caret take a typed character at all.
    static bool CanTakeCharacter(const CKolvaDoc& doc);
    // The byte a typed character makes at the caret; -1 when it is refused.
    int ValueOf(UINT nChar, const CKolvaDoc& doc) const;
    static int HexDigitValue(UINT nChar);
    // Enter without its checks: stores the byte and moves on.
    void EnterAt(CKolvaDoc& doc, uint8_t value);
    void ShowCaretRow(const CBinData& data);
    void Store(CKolvaDoc& doc, uint8_t value);
    // After the byte at caret: the low digit of the same byte, or the next byte.
    void MoveOn(CBinData& data, int caret);
    void EnterPair(CKolvaDoc& doc, uint8_t first, uint8_t second);

    CKolvaView& m_view;
    CCaretState& m_state;
    CHexCaret& m_caret;
};
