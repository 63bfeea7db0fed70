#pragma once
#include "platform/base/Types.h"

class CKolvaView;

// Keys and characters of the hex view: deleting, selecting with Shift, the nibble steps of
// the navigation keys, Tab between the areas, and hex digits or characters typed into bytes.
class CHexKeyboard {
public:
    explicit CHexKeyboard(CKolvaView& view) : m_view(view) {}

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
    static int HexDigitValue(UINT nChar);

    CKolvaView& m_view;
};
