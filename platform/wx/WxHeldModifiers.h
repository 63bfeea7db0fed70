#pragma once
#include <optional>

class wxKeyEvent;

// The modifier keys as the key event being handled has them, while it is handled. The system
// the program was designed on answers a key's state as of the message being handled; asking
// X for the state now costs two round trips, and the view asks after every key.
class CWxHeldModifiers {
public:
    // For a key event of a key that is no modifier itself (X gives a modifier's own event
    // the state from before it), else nothing is known.
    explicit CWxHeldModifiers(const wxKeyEvent& event);
    ~CWxHeldModifiers();
    CWxHeldModifiers(const CWxHeldModifiers&) = delete;
    CWxHeldModifiers& operator=(const CWxHeldModifiers&) = delete;

    // Whether the modifier vk (Shift, Ctrl or Alt) is held for the event being handled;
    // nothing outside one, and for other keys.
    static std::optional<bool> IsHeld(unsigned vk);

private:
    const CWxHeldModifiers* m_pOuter;
    bool m_bKnown;
    bool m_bShift, m_bControl, m_bAlt;
};
