#pragma once
#include <string>
#include <vector>

#include "platform/framework/FramePeer.h"

// The main frame: menu bar, accelerators and the document windows.
class CMainFramePeer : public CFramePeer {
public:
    // The bars follow the owner's command states; a menu may wait until it opens.
    virtual void UpdateCommandUI() = 0;
    virtual void ActivateChild(CWnd* pChild) = 0;
    virtual void MaximizeChild(CWnd* pChild) = 0;
    enum Arrangement {
        Cascade, // overlapping
        Rows,    // one above the other
        Columns, // side by side
    };
    virtual void ArrangeChildren(Arrangement how) = 0;
    virtual void SetRecentFiles(const std::vector<std::string>& paths) = 0;
};
