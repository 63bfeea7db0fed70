#pragma once
#include <string>

#include "platform/framework/DialogBar.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/StatusBar.h"
#include "shell/SettingChange.h"

class CKolvaDoc;

// A document window: the view, its address ruler bar at the top and a status bar with the
// mode, character code and caret address of the active view.
class CChildFrame : public CMDIChildWnd {
public:
    enum Pane { kPaneMessage, kPaneMode, kPaneJCode, kPaneAddress };

    bool Create(CMDIFrameWnd* pFrame, const std::string& title) override;
    void OnCreate() override;
    void OnUpdateFrameTitle() override;
    void SetMessageText(const std::string& text) override;
    bool CreateRulerBar();
    // The indicator panes for the active view, as at idle time.
    void UpdateIndicators();
    // A shown setting changed: the bar follows it and pView re-lays out for its new client
    // area, as on a resize.
    void OnSettingChanged(SettingChange what, CView* pView);

    // "caret/size" in hexadecimal, six digits from 65535 bytes up, else four.
    static std::string FormatAddress(int caret, int size);
    static const char* ModeText(int mode);

    CStatusBar m_wndStatusBar;
    CDialogBar m_wndRulerBar;

private:
    CKolvaDoc* ActiveDoc() const;
};
