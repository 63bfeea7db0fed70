#pragma once
#include "platform/framework/FrameWnd.h"

class CMDIFrameWnd;

// A document window inside the main frame.
class CMDIChildWnd : public CFrameWnd {
public:
    CMDIFrameWnd* GetMDIFrame() const;
    // Makes the window inside the main frame and its view.
    virtual bool Create(CMDIFrameWnd* pFrame, const std::string& title);
    void MDIActivate();
    void MDIMaximize();
    // The main frame's title shows the active window's document.
    void OnUpdateFrameTitle() override;
    void OnClose() override;
    // Leaves the main frame and takes its view with it.
    void OnDestroy() override;

protected:
    // Makes the window, maximized from the start when asked: a window maximized once shown
    // lays out and draws its frame, bars and view twice.
    bool MakeWindow(CMDIFrameWnd* pFrame, const std::string& title, bool bMaximized);
};
