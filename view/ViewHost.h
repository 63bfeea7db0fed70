#pragma once

class CDialogBar;
class CFont;
class CFrameWnd;
class CKolvaView;

// What the hex view needs from the program around it: the settings it reads, the fonts rows
// are drawn in, the document window's ruler bar and the search dialogs. The shell installs one
// at start-up, before any view is made.
class CViewHost {
public:
    virtual ~CViewHost() = default;

    // Settings, read where they are used and taken as stored.
    virtual int JCodeSetting() = 0;     // nJCode: the character code a new view starts with
    virtual int IndicatorVisible() = 0; // bIndicatorVisible: 1 shows the address ruler bar
    virtual int AllowedMode() = 0;      // the highest editing mode the options permit

    // The font rows are drawn in now (the screen font, or the printer font while printing),
    // the screen font itself, and the switch between the two.
    virtual CFont* GetCurrentFont() = 0;
    virtual CFont* GetScreenFont() = 0;
    virtual void UsePrinterFont(bool bPrinter) = 0;

    // The ruler bar of a document window: made on the view's first update (null when it could
    // not be made), then shown or hidden, given its height and the window laid out again.
    virtual CDialogBar* CreateRulerBar(CFrameWnd* pFrame) = 0;
    virtual void LayoutRulerBar(CFrameWnd* pFrame, bool bShow, int nHeight) = 0;

    // A view became active: the find and replace dialogs now work on it.
    virtual void RefreshSearchDialogs(CKolvaView* pView) = 0;

    // The installed host (not owned); a view without one is a fault of the program.
    static void Set(CViewHost* pHost);
    static CViewHost& Get();
};
