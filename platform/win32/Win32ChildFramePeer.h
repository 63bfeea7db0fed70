#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include "platform/framework/FramePeer.h"
#include "platform/win32/Win32BarLayout.h"
#include "platform/win32/Win32WindowPeer.h"

class CWin32MainFramePeer;

// A document window: an MDI child of the main frame's client, with its bars and its view.
class CWin32ChildFramePeer : public CWin32WindowPeer, public CFramePeer {
public:
    CWin32ChildFramePeer(CWnd* pOwner, CWin32MainFramePeer& frame, const CWindowRequest& request);
    ~CWin32ChildFramePeer() override;

    void RecalcLayout() override;
    void Destroy() override;
    void AdoptChild(CWin32WindowPeer* child, int kind) override;
    void ForgetChild(CWin32WindowPeer* child) override;
    void ChildChanged() override { RecalcLayout(); }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnActivated(bool bActive);

    HWND m_hClient;
    CWin32BarLayout m_layout;
    CWin32WindowPeer* m_pView = nullptr; // takes the focus when the window does
};
