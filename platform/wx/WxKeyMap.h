#pragma once
#include <vector>

#include <wx/accel.h>

#include "platform/base/ResourceTypes.h"

class wxKeyEvent;

// Translation between the program's virtual keys and accelerators and wx key codes, and of
// typed characters into the program's 8-bit characters.
class CWxKeyMap {
public:
    CWxKeyMap() = delete;

    // The virtual-key code of a wx key code; 0 when the key has none.
    static unsigned VirtualKey(int wxKey);
    // The wx key code of a virtual-key code; 0 when there is none.
    static int WxKey(unsigned vk);

    // The wx entries of an accelerator table. Keys that also exist on the numeric keypad get
    // an entry for the keypad key as well.
    static std::vector<wxAcceleratorEntry> Accelerators(const CAccelTableDef& table);

    // The mouse-key flags (MK_) of an event's modifier and button state.
    static unsigned MouseFlags(bool left, bool right, bool shift, bool control);

    // A typed character as the program takes it: ASCII through OnChar, other characters as
    // one byte or a double-byte character of code page 932 through OnImeChar.
    struct Char {
        enum Kind { None, Plain, Ime };
        Kind m_kind = None;
        unsigned m_nCode = 0;
    };
    static Char TranslateChar(unsigned codePoint);
};
