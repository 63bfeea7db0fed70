#pragma once
#include <string>

#include "platform/base/Types.h"

// What update handlers set on a command's menu item, toolbar button or status pane.
class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    virtual ~CCmdUI() = default;

    virtual void Enable(bool bOn = true) { m_bEnabled = bOn; }
    // 0 unchecked, 1 checked.
    virtual void SetCheck(int nCheck = 1) {
        m_nCheck = nCheck;
        m_bCheckSet = true;
    }
    virtual void SetText(const std::string& text) {
        m_strText = text;
        m_bTextSet = true;
    }

    UINT m_nID;
    bool m_bEnabled = true;
    int m_nCheck = 0;
    bool m_bCheckSet = false;
    std::string m_strText;
    bool m_bTextSet = false;
};
