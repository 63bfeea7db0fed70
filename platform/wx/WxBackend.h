#pragma once
#include <memory>
#include <string>

#include "platform/framework/Backend.h"
#include "platform/wx/WxClipboard.h"
#include "platform/wx/WxPrinter.h"

class CWxProfileStore;

// The real window system through wxWidgets. It makes itself current while it lives.
class CWxBackend : public CBackend {
public:
    // profilePath: the settings file, made when the settings are first used.
    explicit CWxBackend(std::string profilePath);
    ~CWxBackend() override;
    CWxBackend(const CWxBackend&) = delete;
    CWxBackend& operator=(const CWxBackend&) = delete;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void Beep(unsigned type) override;
    CClipboard& Clipboard() override { return m_clipboard; }
    CProfileStore& Profile() override;
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

    // wx's failed assertions and logged errors go to stderr instead of message boxes.
    static void QuietDiagnostics();
    // The message-box style of a platform message-box type, and the answer of a wx answer.
    static long MessageBoxStyle(unsigned type);
    static int MessageBoxAnswer(int wxAnswer, unsigned type);

private:
    CBackend* m_pPrevious;
    std::string m_strProfilePath;
    std::unique_ptr<CWxProfileStore> m_pProfile;
    CWxClipboard m_clipboard;
    CWxPrinter m_printer;
    bool m_bQuitPosted = false;
    int m_nQuitCode = 0;
};
