// The real program on Windows: the application object on the native backend. The runtime's
// start-up calls main for a program of the windows subsystem too.
#include "platform/win32/Win32Application.h"
#include "shell/KolvaApp.h"

int main() {
    CKolvaApp app;
    return RunWin32Application(app);
}
