#include "platform/win32/Win32Application.h"

// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/ExceptionBoundary.h"
#include "platform/framework/WinApp.h"
#include "platform/win32/Win32Backend.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32DialogPeer.h"
#include "platform/win32/Win32MainFramePeer.h"
#include "platform/win32/Win32ProfileStore.h"
#include "platform/win32/Win32Text.h"

namespace {
const char kVendor[] = "Marlox";

std::vector<std::string> CommandLineArguments() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(CWin32Text::Utf8(argv[i]));
    LocalFree(argv);
    return args;
}

// Input, commands, activation and sizes; not painting, timers or the pointer passing by.
bool MayChangeStates(UINT message) {
    return message != WM_PAINT && message != WM_TIMER && message != WM_MOUSEMOVE &&
           message != WM_NCMOUSEMOVE && message != WM_NULL;
}

bool TranslateFrameKeys(MSG& msg) {
    CWin32MainFramePeer* frame = CWin32MainFramePeer::Current();
    if (!frame || !frame->GetHwnd()) return false;
    if (frame->GetClient() && TranslateMDISysAccel(frame->GetClient(), &msg)) return true;
    // Keys of a dialog are the dialog's, not the menu's.
    if (GetAncestor(msg.hwnd, GA_ROOT) != frame->GetHwnd()) return false;
    return frame->GetAccelerators() &&
           TranslateAcceleratorW(frame->GetHwnd(), frame->GetAccelerators(), &msg);
}

int RunLoop(CWinApp& app) {
    MSG msg{};
    bool stale = true;
    for (;;) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (stale) {
                stale = false;
                CExceptionBoundary::Run([&app] { app.OnIdle(); });
                continue;
            }
            if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        } else if (msg.message == WM_QUIT) {
            break;
        }
        if (MayChangeStates(msg.message)) stale = true;
        if (CWin32DialogPeer::IsDialogKey(msg) || TranslateFrameKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
} // namespace

int RunWin32Application(CWinApp& app) {
    app.m_argv = CommandLineArguments();
    CWin32Backend backend(std::make_unique<CWin32ProfileStore>(
                              CWin32ProfileStore::DefaultKey(kVendor, app.m_pszAppName)),
                          std::make_unique<CWin32Clipboard>());
    bool started = false;
    CExceptionBoundary::Run([&] { started = app.InitInstance(); });
    int loopCode = 0;
    if (started && !backend.IsQuitPosted()) loopCode = RunLoop(app);
    int exitCode = app.ExitInstance();
    if (!started) return 1;
    return backend.GetQuitCode() != 0 ? backend.GetQuitCode() : loopCode != 0 ? loopCode : exitCode;
}
