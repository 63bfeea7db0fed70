#pragma once
#include "platform/ControlBars.h"
#include "platform/MDIFrameWnd.h"

struct AppSettings;

// The main window: menu bar, toolbar, file-name bar and the document windows.
class CMainFrame : public CMDIFrameWnd {
public:
    CMainFrame();

    // Makes the window, sized from the settings when they hold a usable size.
    bool Create(const AppSettings& settings);
    void OnCreate() override;
    // Remembers the size and writes the settings and the last-files list, then closes the
    // documents (which may ask to be saved; a cancel keeps everything open).
    void OnClose() override;

    CToolBar m_wndToolBar;
    CToolBar m_wndFileBar;

private:
    void OnArrange(UINT id);
    void OnUpdateArrange(CCmdUI* pCmdUI);
    void OnViewToolBar();
};
