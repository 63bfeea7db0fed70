#pragma once
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/framework/Backend.h"
#include "platform/framework/Font.h"
#include "platform/headless/HeadlessPrinter.h"
#include "platform/headless/HeadlessWindowPeer.h"
#include "platform/headless/MemoryClipboard.h"
#include "platform/headless/MemoryProfileStore.h"

class CMDIFrameWnd;

// The recording backend: nothing is shown; what a user would have seen is kept for tests to
// read, input is delivered by the test, and message boxes and dialogs are answered from a
// script. It makes itself current while it lives.
class CHeadlessBackend : public CBackend {
public:
    struct Message {
        std::string m_strText;
        unsigned m_nType;
    };
    using DialogScript = std::function<void(CHeadlessWindowPeer& dialog)>;

    CHeadlessBackend();
    ~CHeadlessBackend() override;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void Beep(unsigned type) override;
    CClipboard& Clipboard() override { return m_clipboard; }
    CProfileStore& Profile() override { return m_profile; }
    CPrintService& Printing() override { return m_printer; }
    std::unique_ptr<CWindowPeer> CreateWindowPeer(CWnd* pOwner,
                                                  const CWindowRequest& request) override;
    short GetKeyState(int vk) override;
    bool GetFileName(bool bOpen, const std::string& initial, std::string& path) override;
    bool ChooseFont(CLogFont& lf, int maxPoints) override;
    bool ChoosePrinterFont(CLogFont& lf, int maxPoints) override;
    double ScreenPixelsPerPoint() override { return m_nScreenDpi / 72.0; }
    CSize GetWorkAreaSize() override { return m_workArea; }
    std::string ProgramFolder() override { return m_strProgramFolder; }
    bool ShellOpen(const std::string& target) override;
    void PostQuitMessage(int code) override;

    // The answer the next message box gives; without one a box gives its first button.
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    // What the user does in the next modal dialog (fill it, then press a button).
    void QueueDialog(DialogScript script) { m_dialogScripts.push_back(std::move(script)); }
    // The font the next font dialog gives; without one the dialog is cancelled.
    void QueueFont(const CLogFont& lf) { m_fonts.push_back(lf); }
    // The path the next file dialog gives; an empty one cancels it.
    void QueueFileName(const std::string& path) { m_fileNames.push_back(path); }

    // Input. A key goes through the main frame's accelerators first, then to the focus.
    void SetKeyDown(int vk, bool bDown);
    void PressKey(unsigned vk, unsigned modifiers = 0);
    void TypeChar(unsigned ch);
    CHeadlessWindowPeer* Focus() const { return m_pFocus; }

    // A command posted to a window waits here, as it waits for the message loop in the real
    // program, until the test pumps the messages; one posted on the way runs in the same pump.
    void Post(CHeadlessWindowPeer* peer, unsigned id);
    // Returns how many commands ran.
    int PumpMessages();

    // Live windows, oldest first.
    const std::vector<CHeadlessWindowPeer*>& Windows() const { return m_windows; }
    std::vector<CHeadlessWindowPeer*> WindowsOfKind(CWindowRequest::Kind kind) const;
    CHeadlessWindowPeer* PeerOf(const CWnd* pWnd) const;
    // Repaints every invalid window.
    void PaintAll();

    bool RunDialogScript(CHeadlessWindowPeer& dialog);
    void Register(CHeadlessWindowPeer* peer);
    void Unregister(CHeadlessWindowPeer* peer);

    std::vector<Message> m_messages;
    std::vector<unsigned> m_beeps;
    std::vector<std::string> m_shellOpened;
    bool m_bShellOpenWorks = true; // false: no program to open documents with
    struct FontRequest {
        CLogFont m_initial;
        int m_nMaxPoints;
        bool m_bPrinter = false;
    };
    std::vector<FontRequest> m_fontRequests;
    std::string m_strProgramFolder = "/opt/quelm/";
    int m_nScreenDpi = 96;
    CSize m_workArea{1280, 800};
    bool m_bQuitPosted = false;
    int m_nQuitCode = 0;
    CMemoryClipboard m_clipboard;
    CMemoryProfileStore m_profile;
    CHeadlessPrinter m_printer;
    CHeadlessWindowPeer* m_pFocus = nullptr;

private:
    std::deque<int> m_answers;
    std::deque<DialogScript> m_dialogScripts;
    std::deque<std::string> m_fileNames;
    std::deque<CLogFont> m_fonts;
    std::deque<std::pair<CHeadlessWindowPeer*, unsigned>> m_posted;
    std::set<int> m_keysDown;
    std::vector<CHeadlessWindowPeer*> m_windows;
    CBackend* m_pPrevious;
};
