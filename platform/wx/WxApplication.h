#pragma once

class CWinApp;

// Runs the program on wxWidgets: makes the wx backend current, gives app the command line,
// runs InitInstance, the message loop (with OnIdle at idle time) and ExitInstance. Returns the
// process's exit code: 1 when InitInstance fails.
int RunWxApplication(CWinApp& app, int argc, char** argv);
