#pragma once
#include "platform/framework/CommandSet.h"

class CMDIFrameWnd;
class CWinApp;

// Commands of the application object that work with or without a document window: options,
// fonts, help and the about box. The shell attaches them to the application; sets that need
// the shell's settings or fonts derive from this in the shell.
class CAppCommandSet : public CCommandSet<CWinApp> {
public:
    using CCommandSet::CCommandSet;

protected:
    // The main window, owner of the dialogs the commands open; null before it exists.
    CMDIFrameWnd* MainWindow() const;
};
