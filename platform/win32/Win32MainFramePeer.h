#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/MainFramePeer.h"
#include "platform/win32/Win32BarLayout.h"
#include "platform/win32/Win32MenuBar.h"
#include "platform/win32/Win32WindowPeer.h"

// The main frame: a real MDI frame whose document windows are children of an MDICLIENT, with
// the menu bar and accelerators from the resources and the bars above the documents.
class CWin32MainFramePeer : public CWin32WindowPeer, public CMainFramePeer {
public:
    CWin32MainFramePeer(CWnd* pOwner, const CWindowRequest& request);
    ~CWin32MainFramePeer() override;

    void UpdateCommandUI() override;
    void RecalcLayout() override;
    void ActivateChild(CWnd* pChild) override;
    void MaximizeChild(CWnd* pChild) override;
    void ArrangeChildren(Arrangement how) override;
    void SetRecentFiles(const std::vector<std::string>& paths) override;
    void Destroy() override;
    // The system adds the maximized document's title to the caption itself.
    void SetWindowText(const std::string& text) override;

    HWND ChildParent(int kind) override;
    void AdoptChild(CWin32WindowPeer* child, int kind) override;
    void ForgetChild(CWin32WindowPeer* child) override;
    void ChildChanged() override { RecalcLayout(); }

    HWND GetClient() const { return m_hClient; }
    HACCEL GetAccelerators() const { return m_hAccel; }
    // The main frame of the program, whose accelerators and MDI keys the message loop uses.
    static CWin32MainFramePeer* Current();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateClient();
    void OnCommand(WPARAM wp, LPARAM lp);
    void OnDropFiles(HDROP drop);
    // Tips and prompts of the toolbar's buttons; false for other notifications.
    bool OnNotify(NMHDR& nm);

    std::unique_ptr<CWin32MenuBar> m_pMenu;
    HACCEL m_hAccel = nullptr;
    HWND m_hClient = nullptr;
    CWin32BarLayout m_layout;
    std::vector<CWin32WindowPeer*> m_toolBars;
    std::wstring m_strTip;    // the tip the tooltip control is reading
    std::string m_strCaption; // the frame's own part of the caption, as last given
};
