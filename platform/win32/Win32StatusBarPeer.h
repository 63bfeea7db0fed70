#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <vector>

#include "platform/framework/StatusBarPeer.h"
#include "platform/win32/Win32WindowPeer.h"

// A status bar common control; the first pane takes the room the others leave.
class CWin32StatusBarPeer : public CWin32WindowPeer, public CStatusBarPeer {
public:
    CWin32StatusBarPeer(CWnd* pOwner, HWND parent, UINT id);
    ~CWin32StatusBarPeer() override;

    void SetPanes(const std::vector<int>& widths) override;
    void SetPaneText(int index, const std::string& text) override;
    void Placed() override { ApplyPanes(); }

private:
    void ApplyPanes();

    std::vector<int> m_widths;
};
