#include "platform/win32/Win32DialogTemplate.h"

#include <algorithm>

#include "platform/win32/Win32Text.h"

namespace {
constexpr WORD kAtomPrefix = 0xFFFF;
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kListBoxAtom = 0x0083;
constexpr WORD kComboBoxAtom = 0x0085;
constexpr int kDropDownHeight = 120; // dialog units: a combo box's height counts its list
const wchar_t kFontFace[] = L"MS Shell Dlg";

WORD Atom(CControlDef::Kind kind) {
    switch (kind) {
    case CControlDef::Static:
        return kStaticAtom;
    case CControlDef::Edit:
        return kEditAtom;
    case CControlDef::ListBox:
        return kListBoxAtom;
    case CControlDef::ComboBox:
    case CControlDef::DropList:
        return kComboBoxAtom;
    default:
        return kButtonAtom;
    }
}

DWORD KindStyle(const CControlDef& c) {
    switch (c.m_kind) {
    case CControlDef::Static:
        return SS_LEFT;
    case CControlDef::GroupBox:
        return BS_GROUPBOX;
    case CControlDef::PushButton:
        return BS_PUSHBUTTON | WS_TABSTOP;
    case CControlDef::DefPushButton:
        return BS_DEFPUSHBUTTON | WS_TABSTOP;
    case CControlDef::CheckBox:
        return BS_AUTOCHECKBOX | WS_TABSTOP;
    case CControlDef::RadioButton:
        return BS_AUTORADIOBUTTON;
    case CControlDef::Edit: {
        DWORD style = ES_LEFT | WS_BORDER | WS_TABSTOP;
        if (c.m_style & CControlDef::kAutoHScroll) style |= ES_AUTOHSCROLL;
        if (c.m_style & CControlDef::kNumber) style |= ES_NUMBER;
        if (c.m_style & CControlDef::kMultiLine)
            style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
        if (c.m_style & CControlDef::kReadOnly) style |= ES_READONLY;
        return style;
    }
    case CControlDef::ComboBox:
        return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
    case CControlDef::DropList:
        return CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    case CControlDef::ListBox:
        return LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP;
    case CControlDef::ListView:
        return LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER | WS_BORDER |
               WS_TABSTOP;
    case CControlDef::Spin:
        return UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    }
    return 0;
}
} // namespace

DWORD CWin32DialogTemplate::ControlStyle(const CControlDef& c) {
    DWORD style = WS_CHILD | WS_VISIBLE | KindStyle(c);
    if (c.m_style & CControlDef::kGroup) style |= WS_GROUP;
    if (c.m_style & CControlDef::kTabStop) style |= WS_TABSTOP;
    if (c.m_style & CControlDef::kDisabled) style |= WS_DISABLED;
    return style;
}

const wchar_t* CWin32DialogTemplate::ControlClass(CControlDef::Kind kind) {
    if (kind == CControlDef::ListView) return WC_LISTVIEWW;
    if (kind == CControlDef::Spin) return UPDOWN_CLASSW;
    return nullptr;
}

CWin32DialogTemplate::CWin32DialogTemplate(const CDialogDef& def, Frame frame) {
    DWORD style =
        frame == Child ? WS_CHILD | DS_CONTROL : WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    Header(style, def.m_caption, def.m_size, def.m_controls.size());
    for (const CControlDef& c : def.m_controls)
        Item(c);
}

CWin32DialogTemplate::CWin32DialogTemplate(const std::string& caption, CSize size) {
    Header(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, caption, size, 0);
}

void CWin32DialogTemplate::String(const std::wstring& s) {
    for (wchar_t c : s)
        m_words.push_back(static_cast<WORD>(c));
    m_words.push_back(0);
}

void CWin32DialogTemplate::AlignToDword() {
    if (m_words.size() % 2) m_words.push_back(0);
}

void CWin32DialogTemplate::Header(DWORD style, const std::string& caption, CSize size,
                                  size_t count) {
    style |= DS_SETFONT;
    m_words = {LOWORD(style),
               HIWORD(style),
               0,
               0,
               static_cast<WORD>(count),
               0,
               0,
               static_cast<WORD>(size.cx),
               static_cast<WORD>(size.cy)};
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the standard class
    String(CWin32Text::Wide(caption));
    m_words.push_back(kFontPoints);
    String(kFontFace);
}

void CWin32DialogTemplate::Item(const CControlDef& c) {
    AlignToDword();
    DWORD style = ControlStyle(c);
    int height = c.m_rect.Height();
    if (c.m_kind == CControlDef::ComboBox || c.m_kind == CControlDef::DropList)
        height = std::max(height, kDropDownHeight);
    const WORD item[] = {LOWORD(style),
                         HIWORD(style),
                         0,
                         0,
                         static_cast<WORD>(c.m_rect.left),
                         static_cast<WORD>(c.m_rect.top),
                         static_cast<WORD>(c.m_rect.Width()),
                         static_cast<WORD>(height),
                         static_cast<WORD>(c.m_nID)};
    m_words.insert(m_words.end(), std::begin(item), std::end(item));
    if (const wchar_t* cls = ControlClass(c.m_kind)) {
        String(cls);
    } else {
        m_words.push_back(kAtomPrefix);
        m_words.push_back(Atom(c.m_kind));
    }
    String(CWin32Text::Wide(c.m_text));
    m_words.push_back(0); // no creation data
}
