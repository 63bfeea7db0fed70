#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/framework/CmdUI.h"
#include "platform/framework/DialogPeer.h"
#include "platform/framework/MainFramePeer.h"
#include "platform/framework/StatusBarPeer.h"
#include "platform/framework/ToolBarPeer.h"
#include "platform/framework/ViewPeer.h"
#include "platform/headless/HeadlessDC.h"

class CHeadlessBackend;

// A window that exists only as recorded state: what a user would see, and hooks for tests to
// deliver input to its owner. Every kind of window is this one class, so that a test reads any
// window the same way; each kind's calls are recorded, none ignored.
class CHeadlessWindowPeer : public CViewPeer,
                            public CMainFramePeer,
                            public CToolBarPeer,
                            public CStatusBarPeer,
                            public CDialogPeer {
public:
    CHeadlessWindowPeer(CHeadlessBackend* pBackend, CWnd* pOwner, const CWindowRequest& request);
    ~CHeadlessWindowPeer() override;

    CRect GetClientRect() override { return m_client; }
    CRect GetWindowRect() override { return m_window; }
    void MoveWindow(const CRect& rect) override;
    void Show(bool bShow) override { m_bVisible = bShow; }
    bool IsVisible() override { return m_bVisible; }
    void SetWindowText(const std::string& text) override {
        m_strText = text;
        m_textsSet.push_back(text);
    }
    std::string GetWindowText() override { return m_strText; }
    void Invalidate(const CRect* pRect, bool bErase) override;
    void UpdateWindow() override;
    void ScrollWindow(int dx, int dy) override;
    void SetFocus() override;
    void SetTimer(UINT id, UINT ms) override { m_timers[id] = ms; }
    void KillTimer(UINT id) override { m_timers.erase(id); }
    void SetCapture() override { m_bCapture = true; }
    void ReleaseCapture() override { m_bCapture = false; }
    std::unique_ptr<CDC> GetDC() override;
    void Destroy() override;

    void SetScrollInfo(int bar, const SCROLLINFO& si, bool bRedraw) override;
    bool GetScrollInfo(int bar, SCROLLINFO& si) override;
    void ShowScrollBar(int bar, bool bShow) override { m_bScrollShown[bar & 1] = bShow; }

    void CreateCaret(int w, int h) override;
    void SetCaretPos(CPoint pt) override {
        m_caretPos = pt;
        ++m_nCaretPlaced;
    }
    void ShowCaret() override { ++m_nCaretShow; }
    void HideCaret() override { --m_nCaretShow; }
    void DestroyCaret() override;
    void SetImeCompositionWindow(CPoint pt, const CFont* pFont) override;

    void RecalcLayout() override { ++m_nLayouts; }
    void UpdateCommandUI() override;
    void ActivateChild(CWnd* pChild) override { m_pActiveChild = pChild; }
    void MaximizeChild(CWnd* pChild) override { m_pMaximizedChild = pChild; }
    void ArrangeChildren(Arrangement how) override { m_nArrangement = how; }
    void SetRecentFiles(const std::vector<std::string>& paths) override {
        m_recent = paths;
        ++m_nRecentSet;
    }
    void SetButtons(const std::vector<Button>& buttons) override {
        m_buttons = buttons;
        ++m_nButtonsSet;
    }
    void SetButtonImage(int index, int image) override;
    void SetPanes(const std::vector<int>& widths) override;
    void SetPaneText(int index, const std::string& text) override;

    int RunModal() override;
    void EndModal(int result) override;
    void SetItemText(UINT id, const std::string& text) override { m_items[id].m_strText = text; }
    std::string GetItemText(UINT id) override { return m_items[id].m_strText; }
    void SetItemCheck(UINT id, int state) override { m_items[id].m_nCheck = state; }
    int GetItemCheck(UINT id) override { return m_items[id].m_nCheck; }
    void EnableItem(UINT id, bool bEnable) override { m_items[id].m_bEnabled = bEnable; }
    void SetComboItems(UINT id, const std::vector<std::string>& items) override {
        m_items[id].m_list = items;
    }
    void SetSpinRange(UINT id, int low, int high) override;
    void FocusItem(UINT id) override { m_nFocusItem = id; }
    // The command arrives when the test pumps the messages (CHeadlessBackend::PumpMessages).
    void PostCommand(UINT id) override;

    // A property sheet's tab clicked by the user; false when the page in front refused.
    bool SelectPage(int index);
    // Repaints the invalid part by the owner's OnPaint, with the bounding box of the invalid
    // rectangles as the clip box; a window with nothing invalid is painted whole.
    void Paint();
    // Gives the window a new client size and tells the owner.
    void Resize(int cx, int cy);

    CHeadlessBackend* m_pBackend;
    CWnd* m_pOwner;
    CWindowRequest m_request;
    CRect m_client{0, 0, 640, 480};
    CRect m_window{0, 0, 640, 480};
    bool m_bVisible = false;
    bool m_bDestroyed = false;
    std::string m_strText;
    std::vector<std::string> m_textsSet; // every text given, in order
    bool m_bInvalid = true;
    bool m_bAllInvalid = true;
    bool m_bEraseRequested = false;
    std::vector<CRect> m_invalidRects;
    std::vector<CPoint> m_scrolls;
    CCellGrid m_grid;
    int m_nPaints = 0;
    std::map<UINT, UINT> m_timers;
    bool m_bCapture = false;
    SCROLLINFO m_scroll[2];
    bool m_bScrollShown[2] = {true, true};
    CSize m_caretSize;
    bool m_bCaretExists = false;
    CPoint m_caretPos;
    int m_nCaretPlaced = 0;
    int m_nCaretShow = 0; // > 0 while shown
    CPoint m_imePos;
    int m_nLayouts = 0;
    CWnd* m_pActiveChild = nullptr;
    CWnd* m_pMaximizedChild = nullptr;
    int m_nArrangement = -1;
    std::vector<std::string> m_recent;
    int m_nRecentSet = 0; // how often the recent files were given
    std::vector<Button> m_buttons;
    int m_nButtonsSet = 0;
    std::map<int, int> m_buttonImages;
    std::vector<int> m_paneWidths;
    std::vector<std::string> m_paneTexts;
    int m_nPaneTextsSet = 0; // every text given to a pane
    // Menu items and buttons as the last command-state refresh left them.
    std::map<UINT, CCmdUI> m_commandStates;
    struct Item {
        std::string m_strText;
        int m_nCheck = 0;
        bool m_bEnabled = true;
        std::vector<std::string> m_list;
        int m_nLow = 0, m_nHigh = 0;
    };
    std::map<UINT, Item> m_items;
    UINT m_nFocusItem = 0;
    int m_nPostedCommands = 0;
    bool m_bModal = false;
    int m_nModalResult = 0;
};
