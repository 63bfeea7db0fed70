#pragma once
#include <map>
#include <memory>
#include <string>

#include <wx/event.h>
#include <wx/window.h>
// After the window header: the weak reference needs the complete class.
#include <wx/weakref.h>

#include "platform/framework/WindowPeer.h"

class CWnd;
class CWxTimer;

// The part every wx window peer shares: the owner to deliver messages to, the wx window,
// timers, and deferred destruction. A peer is a wx event handler so that the handlers it binds
// are removed with it.
class CWxWindowPeer : public virtual CWindowPeer, public wxEvtHandler {
public:
    explicit CWxWindowPeer(CWnd* pOwner);
    ~CWxWindowPeer() override;

    CRect GetClientRect() override;
    CRect GetWindowRect() override;
    void MoveWindow(const CRect& rect) override;
    void Show(bool bShow) override;
    bool IsVisible() override;
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() override;
    void Invalidate(const CRect* pRect, bool bErase) override;
    void UpdateWindow() override;
    void ScrollWindow(int dx, int dy) override;
    void SetFocus() override;
    void SetTimer(UINT id, UINT ms) override;
    void KillTimer(UINT id) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    std::unique_ptr<CDC> GetDC() override;
    void Destroy() override;

    wxWindow* GetWindow() const { return m_pWindow; }
    CWnd* GetOwner() const { return m_pOwner; }
    // The wx window that child windows of the given kind are made in.
    virtual wxWindow* ChildParent(int /*kind*/) { return m_pWindow; }
    // A child window of this window was made; containers lay it out.
    virtual void AdoptChild(wxWindow* /*child*/, int /*kind*/) {}

    // The top-level window a dialog belongs to: that of parent, else the active one, else the
    // application's main window.
    static wxWindow* DialogOwner(wxWindow* parent);
    // The peer of a program window, or of the wx window it was made with.
    static CWxWindowPeer* Of(const CWnd* pWnd);
    static CWxWindowPeer* OfWindow(const wxWindow* window);

    // Text for the screen: bytes that are no UTF-8 (a file name from another system) show as
    // \xNN rather than leaving the whole text empty.
    static wxString Utf8(const std::string& s);
    static std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

protected:
    // The length of the valid UTF-8 sequence at i; 0 when there is none.
    static size_t Utf8SequenceLength(const std::string& s, size_t i);
    void Attach(wxWindow* window);
    // Lays out the sizer the window sits in after it changed size or visibility.
    void RelayoutContainer();
    // Takes the window out of its container before it is hidden and deleted.
    virtual void Detach() {}
    // Clicks of buttons, check boxes and radio buttons in host reach the owner as commands.
    void ForwardControlCommands(wxWindow* host);
    // Gives the window its theme's font and text colour as its own: every paint DC takes them,
    // and a window without its own asks the GTK theme for each at every paint. (Its own
    // background would paint differently from the theme's.)
    static void FixAttributes(wxWindow* window);
    // Messages reach the owner once the peer is made: constructors end with this.
    void StartDelivery() { m_pOwner = m_pCreator; }

    CWnd* const m_pCreator;
    CWnd* m_pOwner = nullptr; // null while messages must not reach the owner
    wxWeakRef<wxWindow> m_pWindow;

private:
    std::map<UINT, std::unique_ptr<CWxTimer>> m_timers;
};
