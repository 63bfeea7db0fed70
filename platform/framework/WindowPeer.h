#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/base/ResourceTypes.h"
#include "platform/base/Types.h"
#include "platform/framework/DC.h"

class CWnd;

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;

constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_ENDSCROLL = 8;
constexpr UINT SB_LINELEFT = SB_LINEUP;
constexpr UINT SB_LINERIGHT = SB_LINEDOWN;
constexpr UINT SB_PAGELEFT = SB_PAGEUP;
constexpr UINT SB_PAGERIGHT = SB_PAGEDOWN;

constexpr UINT SIF_RANGE = 0x01;
constexpr UINT SIF_PAGE = 0x02;
constexpr UINT SIF_POS = 0x04;
constexpr UINT SIF_DISABLENOSCROLL = 0x08;
constexpr UINT SIF_TRACKPOS = 0x10;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;

    // Takes the fields the change's mask names; the position stays within the range less the
    // page, as the system keeps it.
    void Apply(const SCROLLINFO& change) {
        if (change.fMask & SIF_RANGE) {
            nMin = change.nMin;
            nMax = change.nMax;
        }
        if (change.fMask & SIF_PAGE) nPage = change.nPage;
        if (change.fMask & SIF_POS) nPos = change.nPos;
        int top = nMax - (static_cast<int>(nPage) > 1 ? static_cast<int>(nPage) - 1 : 0);
        if (top < nMin) top = nMin;
        nPos = nPos < nMin ? nMin : nPos > top ? top : nPos;
    }
    // Everything, with the caller's mask kept.
    void CopyTo(SCROLLINFO& out) const {
        UINT mask = out.fMask;
        out = *this;
        out.fMask = mask;
    }
};

// What kind of window the backend is asked to make, and what to build it from.
struct CWindowSpec {
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
    CSize m_size; // initial outer size of a main frame; 0 for the backend's default
};

// The window system's side of one window. Frames, bars and dialogs use the groups of
// operations that concern them; the others keep the defaults.
class CWindowPeer {
public:
    virtual ~CWindowPeer() = default;

    // Every window.
    virtual CRect GetClientRect() = 0;
    virtual CRect GetWindowRect() = 0; // outer rectangle, in screen coordinates
    virtual void MoveWindow(const CRect& rect) = 0;
    virtual void Show(bool bShow) = 0;
    virtual bool IsVisible() = 0;
    virtual void SetWindowText(const std::string& text) = 0;
    virtual std::string GetWindowText() = 0;
    virtual void Invalidate(const CRect* pRect, bool bErase) = 0;
    virtual void UpdateWindow() = 0;
    virtual void ScrollWindow(int dx, int dy) = 0;
    virtual void SetFocus() = 0;
    virtual void SetTimer(UINT id, UINT ms) = 0;
    virtual void KillTimer(UINT id) = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    // A context for measuring outside painting.
    virtual std::unique_ptr<CDC> GetDC() = 0;
    virtual void SetFont(const CFont* /*pFont*/) {}
    virtual void Destroy() = 0;

    // Scroll bars (views).
    virtual void SetScrollInfo(int /*bar*/, const SCROLLINFO& /*si*/, bool /*bRedraw*/) {}
    virtual bool GetScrollInfo(int /*bar*/, SCROLLINFO& /*si*/) { return false; }
    virtual void ShowScrollBar(int /*bar*/, bool /*bShow*/) {}

    // The caret (views): a solid block of w x h pixels.
    virtual void CreateCaret(int /*w*/, int /*h*/) {}
    virtual void SetCaretPos(CPoint /*pt*/) {}
    virtual void ShowCaret() {}
    virtual void HideCaret() {}
    virtual void DestroyCaret() {}
    // Where the input method composes, and in which font.
    virtual void SetImeCompositionWindow(CPoint /*pt*/, const CFont* /*pFont*/) {}

    // Frames: the menu and control bars are refreshed from the owner's command states.
    virtual void UpdateCommandUI() {}
    virtual void RecalcLayout() {}
    // Main frame: document windows.
    virtual void ActivateChild(CWnd* /*pChild*/) {}
    virtual void MaximizeChild(CWnd* /*pChild*/) {}
    // how: 0 cascade (overlapping), 1 one above the other, 2 side by side.
    virtual void ArrangeChildren(int /*how*/) {}
    virtual void SetRecentFiles(const std::vector<std::string>& /*paths*/) {}

    // Tool bars.
    struct Button {
        UINT m_nID = 0; // 0 is a separator
        std::string m_strLabel;
        int m_nImage = -1;
        bool m_bCheckStyle = false;
    };
    virtual void SetButtons(const std::vector<Button>& /*buttons*/) {}
    virtual void SetButtonImage(int /*index*/, int /*image*/) {}

    // Status bars.
    virtual void SetPanes(const std::vector<int>& /*widths*/) {}
    virtual void SetPaneText(int /*index*/, const std::string& /*text*/) {}

    // Dialogs: controls by id.
    virtual int RunModal() { return 0; }
    virtual void EndModal(int /*result*/) {}
    virtual void SetItemText(UINT /*id*/, const std::string& /*text*/) {}
    virtual std::string GetItemText(UINT /*id*/) { return std::string(); }
    virtual void SetItemCheck(UINT /*id*/, int /*state*/) {}
    virtual int GetItemCheck(UINT /*id*/) { return 0; }
    virtual void EnableItem(UINT /*id*/, bool /*bEnable*/) {}
    virtual void SetComboItems(UINT /*id*/, const std::vector<std::string>& /*items*/) {}
    virtual void SetSpinRange(UINT /*id*/, int /*low*/, int /*high*/) {}
    virtual void FocusItem(UINT /*id*/) {}
    // Sends command id to the owner after the current message.
    virtual void PostCommand(UINT /*id*/) {}
};
