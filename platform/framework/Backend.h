#pragma once
#include <memory>
#include <string>

#include "platform/framework/WindowPeer.h"

class CClipboard;
class CPrintService;
struct CLogFont;
class CProfileStore;
class CWnd;

// The window system the program runs on: the real one, or a recording one for tests.
// Exactly one backend is current at a time.
class CBackend {
public:
    virtual ~CBackend() = default;

    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    virtual void Beep(unsigned type) = 0;
    virtual CClipboard& Clipboard() = 0;
    // The per-user profile store of the application (family key, application name).
    virtual CProfileStore& Profile() = 0;
    // The print dialog, the printer, print preview and page setup.
    virtual CPrintService& Printing() = 0;

    // Windows.
    virtual std::unique_ptr<CWindowPeer> CreateWindowPeer(CWnd* pOwner,
                                                          const CWindowRequest& request) = 0;
    virtual short GetKeyState(int vk) = 0;
    // System colours; the default gives the classic light theme.
    virtual COLORREF GetSysColor(int index);
    // The file dialog; false when cancelled. bOpen: open an existing file, else save as.
    virtual bool GetFileName(bool bOpen, const std::string& initial, std::string& path) = 0;
    // The font dialog, offering fixed-pitch faces only and sizes up to maxPoints; lf gives the
    // starting choice and takes the chosen one. False when cancelled.
    virtual bool ChooseFont(CLogFont& lf, int maxPoints) = 0;
    // The same dialog for a printer font: heights in 0.01 mm, and the style chosen stays.
    virtual bool ChoosePrinterFont(CLogFont& lf, int maxPoints) = 0;
    // Screen pixels in a point, as the font dialog sizes screen fonts.
    virtual double ScreenPixelsPerPoint() = 0;
    // The largest area a top-level window can cover (screen less panels and docks), in pixels.
    virtual CSize GetWorkAreaSize() = 0;
    // The folder the program file is in, ending with a separator.
    virtual std::string ProgramFolder() = 0;
    // Opens a document or web page in the user's default program.
    virtual bool ShellOpen(const std::string& target) = 0;
    // Ends the message loop once the current message is handled.
    virtual void PostQuitMessage(int code) = 0;

    static CBackend& Current();
    // Makes backend current (not owned); returns the previous one.
    static CBackend* SetCurrent(CBackend* backend);
};
