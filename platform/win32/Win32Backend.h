#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <memory>

#include "platform/base/Clipboard.h"
#include "platform/base/ProfileStore.h"
#include "platform/framework/Backend.h"
#include "platform/win32/Win32PrintService.h"

// The Windows backend: every window kind as a native window, the system's dialogs, message
// boxes and printing. Current while it lives. The settings and the clipboard are given to it,
// so that tests can keep theirs away from the user's.
class CWin32Backend : public CBackend {
public:
    CWin32Backend(std::unique_ptr<CProfileStore> pProfile, std::unique_ptr<CClipboard> pClipboard);
    ~CWin32Backend() override;
    CWin32Backend(const CWin32Backend&) = delete;
    CWin32Backend& operator=(const CWin32Backend&) = delete;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void Beep(unsigned type) override;
    CClipboard& Clipboard() override { return *m_pClipboard; }
    CProfileStore& Profile() override { return *m_pProfile; }
    CPrintService& Printing() override { return m_printer; }
    std::unique_ptr<CWindowPeer> CreateWindowPeer(CWnd* pOwner,
                                                  const CWindowRequest& request) override;
    short GetKeyState(int vk) override;
    COLORREF GetSysColor(int index) override;
    bool GetFileName(bool bOpen, const std::string& initial, std::string& path) override;
    bool ChooseFont(CLogFont& lf, int maxPoints) override;
    bool ChoosePrinterFont(CLogFont& lf, int maxPoints) override;
    double ScreenPixelsPerPoint() override;
    CSize GetWorkAreaSize() override;
    std::string ProgramFolder() override;
    bool ShellOpen(const std::string& target) override;
    void PostQuitMessage(int code) override;

    bool IsQuitPosted() const { return m_bQuitPosted; }
    int GetQuitCode() const { return m_nQuitCode; }

    static constexpr int kPointsPerInch = 72;
    static constexpr int kHiMetricPerInch = 2540;

private:
    bool RunFontDialog(CLogFont& lf, int maxPoints, bool bPrinter);

    CBackend* m_pPrevious;
    std::unique_ptr<CProfileStore> m_pProfile;
    std::unique_ptr<CClipboard> m_pClipboard;
    CWin32PrintService m_printer;
    bool m_bQuitPosted = false;
    int m_nQuitCode = 0;
};
