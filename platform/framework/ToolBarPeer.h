#pragma once
#include <string>
#include <vector>

#include "platform/framework/WindowPeer.h"

// A bar of buttons: a frame's toolbar or the file-name bar.
class CToolBarPeer : public virtual CWindowPeer {
public:
    struct Button {
        UINT m_nID = 0; // 0 is a separator
        std::string m_strLabel;
        int m_nImage = -1;
        bool m_bCheckStyle = false;
    };
    virtual void SetButtons(const std::vector<Button>& buttons) = 0;
    virtual void SetButtonImage(int index, int image) = 0;
};
