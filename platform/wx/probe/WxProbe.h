#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/base/Types.h"

class CWnd;
class CWxMenuBar;

// Drives and inspects the windows of the wx backend for tests, in the program's own terms:
// input as a user gives it, and what the window system shows.
class CWxProbe {
public:
    CWxProbe() = delete;

    // wx for a test run; false without a display.
    static bool Start(int& argc, char** argv);
    static void Stop();
    // Lets wx run its pending events and idle work for about ms milliseconds.
    static void Pump(int ms = 100);

    struct Pixels {
        int m_nWidth = 0, m_nHeight = 0;
        std::vector<COLORREF> m_data;
        COLORREF At(int x, int y) const;
        // Whether the rectangle holds a pixel of another colour than background.
        bool Differs(const CRect& rect, COLORREF background) const;
    };
    // A window's pixels as the screen shows them, after it has painted.
    static Pixels Capture(const CWnd& wnd);

    static void Key(const CWnd& wnd, unsigned vk, bool bDown = true, bool bShift = false,
                    bool bControl = false);
    static void Char(const CWnd& wnd, unsigned codePoint, bool bAlt = false);
    enum ScrollAction { LineUp, LineDown, PageUp, PageDown, Track, Release, Top, Bottom };
    static void Scroll(const CWnd& wnd, int bar, ScrollAction action, int pos = 0);
    static void Focus(const CWnd& wnd, bool bFocused);
    // The close box; true when the window's owner kept it open.
    static bool RequestClose(const CWnd& wnd);
    static void MenuCommand(const CWnd& frame, UINT id);
    // Files dropped on the window; false when it takes no files.
    static bool DropFiles(const CWnd& wnd, const std::vector<std::string>& paths);

    // Scroll bars as the window system holds them.
    static int ScrollPos(const CWnd& wnd, int bar);
    static int ScrollRange(const CWnd& wnd, int bar);

    // The document windows of a main frame.
    static int PageCount(const CWnd& frame);
    static int PageIndex(const CWnd& frame, const CWnd& child);
    static int SelectedPage(const CWnd& frame);
    static void ClickPage(const CWnd& frame, int index);
    static std::string PageText(const CWnd& frame, int index);
    static int PaneCount(const CWnd& frame);
    // A property sheet's tab clicked; the page in front afterwards.
    static int ClickSheetTab(const CWnd& sheet, int index);

    struct Tool {
        bool m_bEnabled = false, m_bChecked = false, m_bCheckStyle = false;
        std::string m_strLabel;
        bool m_bMarkerShown = false; // the picture is the red line, not the empty one
    };
    static int ToolCount(const CWnd& bar);
    static Tool ToolState(const CWnd& bar, UINT id);
    static void ClickTool(const CWnd& bar, UINT id);
    // Whether a user can get at the button: on the bar inside the window, or in the menu of
    // the bar's overflow arrow.
    static bool ToolReachable(const CWnd& bar, UINT id);

    // The open print preview, turned to its last page: the page box's text and whether all of
    // it shows; no text without a preview.
    struct PageBox {
        std::string m_strText;
        bool m_bFits = false;
    };
    static PageBox PreviewLastPage();
    static void ClosePreview();

    // Dialog items, in the dialog's client coordinates.
    static CRect ItemRect(const CWnd& dialog, UINT id);
    static CSize DialogBaseUnits(const CWnd& dialog);
    static bool ItemEnabled(const CWnd& dialog, UINT id);
    static void ClickItem(const CWnd& dialog, UINT id);
    // The notice a combo box sends as its list opens.
    static void DropDownItem(const CWnd& dialog, UINT id);
    // A key pressed in the dialog (the dialog sees it before its controls).
    static void DialogKey(const CWnd& dialog, unsigned vk);
    static void ItemKeyDown(const CWnd& dialog, UINT id, unsigned vk);
    static bool StepSpin(const CWnd& dialog, UINT id, int step);

    struct MenuItem {
        UINT m_nID = 0; // 0 for a separator or a submenu
        bool m_bVisible = true, m_bEnabled = true, m_bChecked = false;
        bool m_bBound = false;             // wx would bind a key for it
        std::vector<std::string> m_labels; // the texts shown in the item
    };
    // The items of a menu of the bar, in order; submenus are walked into.
    static std::vector<MenuItem> MenuItems(const CWxMenuBar& bar, int menu);
    static MenuItem FindMenuItem(const CWxMenuBar& bar, UINT id);

    static void SetClipboardText(const std::string& utf8);
    static std::string ClipboardText();

    // Answers the next print dialog as a user printing to a file does: GTK's file printer,
    // pages from to to in the range box, the output into pdfPath, then Print.
    static void AnswerPrintDialog(int from, int to, const std::string& pdfPath);

    // How many messages wx logged while body ran (they are not shown).
    static int CountLogged(const std::function<void()>& body);
};
