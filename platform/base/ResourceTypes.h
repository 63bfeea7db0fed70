#pragma once
// The shapes of the program's resources: menus, accelerators, strings, toolbars and dialog
// templates, as compiled-in data. The framework builds windows from them.
#include <string>
#include <vector>

#include "platform/base/Types.h"

struct CMenuItemDef {
    enum Kind { Command, Separator, Popup };
    Kind m_kind = Command;
    UINT m_nID = 0;     // Command
    std::string m_text; // Command and Popup; a tab separates the key shown at the right
    bool m_bDisabled = false;
    std::vector<CMenuItemDef> m_children; // Popup

    static CMenuItemDef Item(UINT id, std::string text, bool disabled = false) {
        CMenuItemDef d;
        d.m_nID = id;
        d.m_text = std::move(text);
        d.m_bDisabled = disabled;
        return d;
    }
    static CMenuItemDef Sep() {
        CMenuItemDef d;
        d.m_kind = Separator;
        return d;
    }
    static CMenuItemDef Sub(std::string text, std::vector<CMenuItemDef> children) {
        CMenuItemDef d;
        d.m_kind = Popup;
        d.m_text = std::move(text);
        d.m_children = std::move(children);
        return d;
    }
};

struct CMenuDef {
    UINT m_nID = 0;
    std::vector<CMenuItemDef> m_popups; // the menu bar's popups in order
};

struct CAccelDef {
    unsigned m_fVirt = 0; // FVIRTKEY with FSHIFT, FCONTROL, FALT
    unsigned m_key = 0;   // virtual-key code
    UINT m_cmd = 0;
};

struct CAccelTableDef {
    UINT m_nID = 0;
    std::vector<CAccelDef> m_entries;
};

// A toolbar button's picture: one of the desktop's stock icons, a small drawing, or a glyph.
struct CToolImageDef {
    enum Stock {
        NoStock,
        New,
        Open,
        Save,
        Print,
        Cut,
        Copy,
        Paste,
        Delete,
        Undo,
        Redo,
        Find,
        Help
    };
    UINT m_nID = 0;
    Stock m_stock = NoStock;
    std::vector<std::string> m_rows; // a drawing: one palette letter per pixel, '.' transparent
    // A letter in one ink: two hex digits a pixel, how much of it the ink covers (00 to ff).
    std::vector<std::string> m_coverage;
    COLORREF m_ink = 0;
};

struct CPaletteEntry {
    char m_letter = 0;
    COLORREF m_colour = 0;
};

struct CToolBarDef {
    UINT m_nID = 0;
    int m_cxImage = 16, m_cyImage = 15;
    std::vector<UINT> m_buttons; // 0 is a separator
    std::vector<CToolImageDef> m_images;
    std::vector<CPaletteEntry> m_palette; // the letters of the drawings

    // The picture of command id, or null when the bar has none.
    const CToolImageDef* FindImage(UINT id) const {
        for (const CToolImageDef& image : m_images)
            if (image.m_nID == id) return &image;
        return nullptr;
    }
};

// Controls of a dialog template, positioned in dialog units.
struct CControlDef {
    enum Kind {
        Static, // label
        GroupBox,
        PushButton,
        DefPushButton, // the default button
        CheckBox,      // automatic check box
        RadioButton,   // automatic radio button; kGroup starts a new group
        Edit,
        ComboBox, // drop-down with an edit part
        DropList, // drop-down list without an edit part
        ListBox,
        ListView,
        Spin, // up-down control attached to the control before it
    };
    enum Style : unsigned {
        kGroup = 0x1,
        kTabStop = 0x2,
        kAutoHScroll = 0x4,
        kNumber = 0x8,
        kDisabled = 0x10,
        kMultiLine = 0x20,
        kReadOnly = 0x40,
    };
    Kind m_kind = Static;
    UINT m_nID = 0; // 0xFFFF for labels nobody addresses
    std::string m_text;
    CRect m_rect; // x, y, x + cx, y + cy in dialog units
    unsigned m_style = 0;
};

struct CDialogDef {
    UINT m_nID = 0;
    std::string m_caption;
    CSize m_size; // dialog units
    std::vector<CControlDef> m_controls;
    bool m_bChild = false; // a page or bar without border and caption
};

struct CStringDef {
    UINT m_nID = 0;
    std::string m_text;
};
