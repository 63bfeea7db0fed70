#include "platform/wx/WxKeyMap.h"

#include <wx/defs.h>

#include "platform/base/CodePage932.h"
#include "platform/base/VirtualKeys.h"
#include "platform/wx/WxCommandIds.h"

namespace {
struct KeyPair {
    int wxKey;
    unsigned vk;
};

// Keys whose codes differ between wx and the virtual keys; letters, digits and space share
// their codes.
constexpr KeyPair kKeys[] = {
    {WXK_BACK, VK_BACK},
    {WXK_TAB, VK_TAB},
    {WXK_RETURN, VK_RETURN},
    {WXK_ESCAPE, VK_ESCAPE},
    {WXK_DELETE, VK_DELETE},
    {WXK_SHIFT, VK_SHIFT},
    {WXK_ALT, VK_MENU},
    {WXK_CONTROL, VK_CONTROL},
    {WXK_MENU, 0x5D},
    {WXK_PAUSE, 0x13},
    {WXK_CAPITAL, 0x14},
    {WXK_PAGEUP, VK_PRIOR},
    {WXK_PAGEDOWN, VK_NEXT},
    {WXK_END, VK_END},
    {WXK_HOME, VK_HOME},
    {WXK_LEFT, VK_LEFT},
    {WXK_UP, VK_UP},
    {WXK_RIGHT, VK_RIGHT},
    {WXK_DOWN, VK_DOWN},
    {WXK_SNAPSHOT, 0x2C},
    {WXK_INSERT, VK_INSERT},
    {WXK_HELP, 0x2F},
    {WXK_MULTIPLY, 0x6A},
    {WXK_ADD, 0x6B},
    {WXK_SEPARATOR, 0x6C},
    {WXK_SUBTRACT, 0x6D},
    {WXK_DECIMAL, 0x6E},
    {WXK_DIVIDE, 0x6F},
    {WXK_NUMLOCK, 0x90},
    {WXK_SCROLL, 0x91},
    {';', 0xBA},
    {'=', 0xBB},
    {',', 0xBC},
    {'-', 0xBD},
    {'.', 0xBE},
    {'/', 0xBF},
    {'`', 0xC0},
    {'[', 0xDB},
    {'\\', 0xDC},
    {']', 0xDD},
    {'\'', 0xDE},
};

// Keypad keys that act as the keys of the main block (Num Lock off); the first of each pair
// is the main key, so accelerators can be bound to both.
constexpr KeyPair kKeypad[] = {
    {WXK_NUMPAD_INSERT, VK_INSERT}, {WXK_NUMPAD_DELETE, VK_DELETE}, {WXK_NUMPAD_HOME, VK_HOME},
    {WXK_NUMPAD_END, VK_END},       {WXK_NUMPAD_PAGEUP, VK_PRIOR},  {WXK_NUMPAD_PAGEDOWN, VK_NEXT},
    {WXK_NUMPAD_LEFT, VK_LEFT},     {WXK_NUMPAD_UP, VK_UP},         {WXK_NUMPAD_RIGHT, VK_RIGHT},
    {WXK_NUMPAD_DOWN, VK_DOWN},     {WXK_NUMPAD_ENTER, VK_RETURN},  {WXK_NUMPAD_SPACE, VK_SPACE},
    {WXK_NUMPAD_TAB, VK_TAB},       {WXK_NUMPAD_MULTIPLY, 0x6A},    {WXK_NUMPAD_ADD, 0x6B},
    {WXK_NUMPAD_SEPARATOR, 0x6C},   {WXK_NUMPAD_SUBTRACT, 0x6D},    {WXK_NUMPAD_DECIMAL, 0x6E},
    {WXK_NUMPAD_DIVIDE, 0x6F},
};

constexpr unsigned kNumpad0 = 0x60;

bool SharesCode(int key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == ' ';
}

int AccelFlags(unsigned fVirt) {
    int flags = wxACCEL_NORMAL;
    if (fVirt & FCONTROL) flags |= wxACCEL_CTRL;
    if (fVirt & FSHIFT) flags |= wxACCEL_SHIFT;
    if (fVirt & FALT) flags |= wxACCEL_ALT;
    return flags;
}

// A character accelerator (no FVIRTKEY) names the character typed: control characters are
// Ctrl with a letter, capitals need Shift.
void CharacterKey(unsigned ch, int& flags, int& key) {
    if (ch >= 1 && ch <= 26) {
        flags |= wxACCEL_CTRL;
        key = 'A' + static_cast<int>(ch) - 1;
    } else if (ch >= 'a' && ch <= 'z') {
        key = static_cast<int>(ch) - 'a' + 'A';
    } else {
        if (ch >= 'A' && ch <= 'Z') flags |= wxACCEL_SHIFT;
        key = static_cast<int>(ch);
    }
}
} // namespace

unsigned CWxKeyMap::VirtualKey(int wxKey) {
    if (SharesCode(wxKey)) return static_cast<unsigned>(wxKey);
    if (wxKey >= 'a' && wxKey <= 'z') return static_cast<unsigned>(wxKey - 'a' + 'A');
    if (wxKey >= WXK_F1 && wxKey <= WXK_F24) return VK_F1 + static_cast<unsigned>(wxKey - WXK_F1);
    if (wxKey >= WXK_NUMPAD0 && wxKey <= WXK_NUMPAD9)
        return kNumpad0 + static_cast<unsigned>(wxKey - WXK_NUMPAD0);
    for (const KeyPair& k : kKeys)
        if (k.wxKey == wxKey) return k.vk;
    for (const KeyPair& k : kKeypad)
        if (k.wxKey == wxKey) return k.vk;
    return 0;
}

int CWxKeyMap::WxKey(unsigned vk) {
    if (SharesCode(static_cast<int>(vk))) return static_cast<int>(vk);
    if (vk >= VK_F1 && vk <= VK_F1 + 23) return WXK_F1 + static_cast<int>(vk - VK_F1);
    if (vk >= kNumpad0 && vk <= kNumpad0 + 9) return WXK_NUMPAD0 + static_cast<int>(vk - kNumpad0);
    for (const KeyPair& k : kKeys)
        if (k.vk == vk) return k.wxKey;
    return 0;
}

std::vector<wxAcceleratorEntry> CWxKeyMap::Accelerators(const CAccelTableDef& table) {
    std::vector<wxAcceleratorEntry> entries;
    for (const CAccelDef& a : table.m_entries) {
        int flags = AccelFlags(a.m_fVirt);
        int key = 0;
        if (a.m_fVirt & FVIRTKEY)
            key = WxKey(a.m_key);
        else
            CharacterKey(a.m_key, flags, key);
        if (key == 0) continue;
        entries.emplace_back(flags, key, CWxCommandIds::ToWx(a.m_cmd));
        if (!(a.m_fVirt & FVIRTKEY)) continue;
        for (const KeyPair& k : kKeypad)
            if (k.vk == a.m_key) entries.emplace_back(flags, k.wxKey, CWxCommandIds::ToWx(a.m_cmd));
    }
    return entries;
}

unsigned CWxKeyMap::MouseFlags(bool left, bool right, bool shift, bool control) {
    return (left ? MK_LBUTTON : 0u) | (right ? MK_RBUTTON : 0u) | (shift ? MK_SHIFT : 0u) |
           (control ? MK_CONTROL : 0u);
}

CWxKeyMap::Char CWxKeyMap::TranslateChar(unsigned codePoint) {
    Char c;
    if (codePoint == 0) return c;
    if (codePoint < 0x80) {
        c.m_kind = Char::Plain;
        c.m_nCode = codePoint;
        return c;
    }
    unsigned char bytes[2] = {'?', 0};
    int n =
        codePoint > 0xFFFF ? 1 : CCodePage932::FromUnicode(static_cast<char16_t>(codePoint), bytes);
    if (n == 2) {
        c.m_kind = Char::Ime;
        c.m_nCode = static_cast<unsigned>(bytes[0]) << 8 | bytes[1];
    } else {
        c.m_kind = bytes[0] < 0x80 ? Char::Plain : Char::Ime;
        c.m_nCode = bytes[0];
    }
    return c;
}
