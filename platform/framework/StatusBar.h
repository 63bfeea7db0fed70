#pragma once
#include <string>
#include <vector>

#include "platform/framework/StatusBarPeer.h"
#include "platform/framework/Wnd.h"

// A status bar with panes; the program sets the panes' texts.
class CStatusBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT id);
    CStatusBarPeer* GetStatusBarPeer() const { return PeerAs<CStatusBarPeer>(); }
    void SetPanes(const std::vector<int>& widths);
    void SetPaneText(int index, const std::string& text);
    std::string GetPaneText(int index) const;

protected:
    bool PeerFitsKind() const override { return GetStatusBarPeer() != nullptr; }

private:
    std::vector<std::string> m_texts;
};
