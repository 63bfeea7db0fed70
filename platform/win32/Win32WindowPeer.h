#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <string>

#include "platform/framework/WindowPeer.h"

class CWnd;

// The part every Win32 window peer shares: the owner to deliver messages to and the window
// handle. Messages reach WindowProc, which turns the common ones into the owner's handlers;
// kinds with more to do override it and call the default for the rest.
class CWin32WindowPeer : public virtual CWindowPeer {
public:
    explicit CWin32WindowPeer(CWnd* pOwner);
    ~CWin32WindowPeer() override;

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

    HWND GetHwnd() const { return m_hWnd; }
    CWnd* GetOwner() const { return m_pOwner; }
    // The window that child windows of the given kind are made in.
    virtual HWND ChildParent(int /*kind*/) { return m_hWnd; }
    // A child window of this window was made, or is going; frames lay them out.
    virtual void AdoptChild(CWin32WindowPeer* /*child*/, int /*kind*/) {}
    virtual void ForgetChild(CWin32WindowPeer* /*child*/) {}
    // A child window changed size or visibility.
    virtual void ChildChanged() {}
    // The parent frame gave this window a new place.
    virtual void Placed() {}

    static CWin32WindowPeer* Of(const CWnd* pWnd);
    static CWin32WindowPeer* FromHwnd(HWND hwnd);
    // The window procedure of every class registered here.
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Registers a window class of ours once; returns its name.
    static const wchar_t* WindowClass(const wchar_t* name, UINT style, int background);
    // Dispatches a message to the peer's handler; exceptions become a message to the user.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // What the system does with a message nobody handled.
    virtual LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // Ties the handle to this peer; messages reach the owner once StartDelivery ran.
    void Attach(HWND hwnd);
    void StartDelivery() { m_pOwner = m_pCreator; }
    void Detach();
    // Messages of another window of this peer (a page of a sheet) reach it too.
    static void Register(HWND hwnd, CWin32WindowPeer* peer);
    static void Unregister(HWND hwnd);
    // The parent frame lays this window out again.
    void TellParent();
    // Input messages shared by views and controls; false when msg is none of them.
    bool HandleInput(UINT msg, WPARAM wp, LPARAM lp);
    bool HandlePaint();

    CWnd* const m_pCreator;
    CWnd* m_pOwner = nullptr; // null while messages must not reach the owner
    HWND m_hWnd = nullptr;
    CWin32WindowPeer* m_pParentPeer = nullptr;

private:
    void HandleKey(UINT msg, WPARAM wp, LPARAM lp);
    void HandleMouse(UINT msg, WPARAM wp, LPARAM lp);
    void HandleScroll(UINT msg, WPARAM wp);

public:
    void SetParentPeer(CWin32WindowPeer* parent) { m_pParentPeer = parent; }
};
