#pragma once
#include <vector>

#include "platform/framework/StatusBarPeer.h"
#include "platform/wx/WxWindowPeer.h"

class wxStatusBar;

// A status bar at the bottom of a document window: the first pane takes the room the fixed
// panes leave. A fixed pane grows when its text would not fit (the desktop's font is wider
// than the one the widths were chosen for).
class CWxStatusBarPeer : public CWxWindowPeer, public CStatusBarPeer {
public:
    CWxStatusBarPeer(CWnd* pOwner, wxWindow* parent);

    void SetPanes(const std::vector<int>& widths) override;
    void SetPaneText(int index, const std::string& text) override;

private:
    wxStatusBar* Bar() const;
    void ApplyWidths();

    std::vector<int> m_widths;
};
