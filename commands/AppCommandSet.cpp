#include "commands/AppCommandSet.h"

#include "platform/framework/WinApp.h"

CMDIFrameWnd* CAppCommandSet::MainWindow() const {
    return m_owner.m_pMainWnd;
}
