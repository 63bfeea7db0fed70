#pragma once
class CWinApp;

// Runs the application object on the Windows backend: the command line, InitInstance, the
// message loop (dialog keys, the document windows' keys, accelerators, idle-time command
// states) and ExitInstance. Returns the process's exit code.
int RunWin32Application(CWinApp& app);
