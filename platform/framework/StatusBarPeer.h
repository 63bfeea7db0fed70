#pragma once
#include <string>
#include <vector>

#include "platform/framework/WindowPeer.h"

// A status bar with panes of the given widths.
class CStatusBarPeer : public virtual CWindowPeer {
public:
    virtual void SetPanes(const std::vector<int>& widths) = 0;
    virtual void SetPaneText(int index, const std::string& text) = 0;
};
