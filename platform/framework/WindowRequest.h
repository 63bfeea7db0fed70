#pragma once
#include <string>
#include <vector>

#include "platform/base/ResourceTypes.h"
#include "platform/base/Types.h"

class CWnd;

// What kind of window the backend is asked to make, and what to build it from.
struct CWindowRequest {
    enum Kind {
        MainFrame,  // top-level window with menu bar, accelerators and a client area for documents
        ChildFrame, // a document window inside the main frame
        View,       // the drawing area of a document window
        ToolBar,    // a bar of buttons (a frame's toolbar or the file-name bar)
        StatusBar,  // a status bar with panes
        DialogBar,  // a bar from a dialog template, at the top of its frame
        Control,    // a plain child window drawn by the program (for example a ruler)
        Dialog,     // a dialog from a template, modal or modeless
        PropertySheet, // tabbed pages from templates, with OK and Cancel, modal
    };
    Kind m_kind = View;
    CWnd* m_pParent = nullptr;
    UINT m_nID = 0;
    std::string m_strTitle;
    const CMenuDef* m_pMenu = nullptr;
    const CAccelTableDef* m_pAccel = nullptr;
    const CToolBarDef* m_pToolBar = nullptr;
    const CDialogDef* m_pDialog = nullptr;
    std::vector<const CDialogDef*> m_pages; // PropertySheet: the pages' templates in order
    std::vector<std::string> m_pageCaptions;
    CSize m_size;              // initial outer size of a main frame; 0 for the backend's default
    bool m_bMaximized = false; // ChildFrame: made maximized rather than maximized once made
};
