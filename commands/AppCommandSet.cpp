#include "commands/AppCommandSet.h"

#include "platform/framework/WinApp.h"

CMDIFrameWnd* CAppCommandSet::MainWindow() const {
    return Owner().m_pMainWnd;
}
