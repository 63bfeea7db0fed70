#pragma once
#include "platform/framework/CmdTarget.h"

class CMDIFrameWnd;
class CWinApp;

// Commands of the application object that work with or without a document window: options,
// fonts, help and the about box. A derived set fills its table in its constructor; the shell
// attaches it to the application, whose table then answers with the set's handlers after its
// own. Sets that need the shell's settings or fonts derive from this in the shell.
class CAppCommandSet : public CCmdTarget {
public:
    explicit CAppCommandSet(CWinApp& app) : m_app(app) {}

protected:
    // The main window, owner of the dialogs the commands open; null before it exists.
    CMDIFrameWnd* MainWindow() const;

private:
    CWinApp& m_app;
};
