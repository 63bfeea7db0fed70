#pragma once
#include <unordered_map>
#include <vector>

#include "platform/framework/StatusBarPeer.h"
#include "platform/wx/WxWindowPeer.h"

class wxStatusBar;
class wxString;

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
    // The text's width from the advances of its characters, each measured once per font: the
    // address pane changes with every key, and a measure asks GTK for the style every time.
    int TextWidth(const wxString& text);

    std::vector<int> m_widths;
    std::unordered_map<wxUniChar::value_type, int> m_advances;
};
