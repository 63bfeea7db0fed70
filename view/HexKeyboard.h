#pragma once
#include "platform/base/Types.h"

class CByteEntry;
class CHexCaret;
class CHexSelection;
class CKolvaView;
struct CCaretState;

// Keys and characters of the hex view: deleting, selecting with Shift, the nibble steps of
// the navigation keys, Tab between the areas; typed characters go on to the byte entry.
class CHexKeyboard {
public:
    CHexKeyboard(CKolvaView& view, CCaretState& state, CHexCaret& caret, CHexSelection& selection,
                 CByteEntry& entry)
        : m_view(view), m_state(state), m_caret(caret), m_selection(selection), m_entry(entry) {}

    void KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void KeyUp(UINT nChar);
    void Char(UINT nChar);
    // Without key-up messages a keyboard selection whose Shift is no longer held has ended.
    void ReleaseMissedShift();

private:
    void DeleteKey(UINT nChar);
    // Runs one of the view's own commands for a key; beeps when no command set handles it.
    void RunKeyCommand(UINT id);
    // Shift state and nibble steps of a navigation key; false when the key is used up.
    bool PrepareNavigation(UINT nChar);
    void SwitchArea();

    CKolvaView& m_view;
    CCaretState& m_state;
    CHexCaret& m_caret;
    CHexSelection& m_selection;
    CByteEntry& m_entry;
};
