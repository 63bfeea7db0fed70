#pragma once
#include <string>
#include <vector>

#include "platform/framework/WindowPeer.h"

// A dialog or property sheet: runs modally and reaches its controls by id.
class CDialogPeer : public virtual CWindowPeer {
public:
    virtual int RunModal() = 0;
    virtual void EndModal(int result) = 0;
    virtual void SetItemText(UINT id, const std::string& text) = 0;
    virtual std::string GetItemText(UINT id) = 0;
    virtual void SetItemCheck(UINT id, int state) = 0;
    virtual int GetItemCheck(UINT id) = 0;
    virtual void EnableItem(UINT id, bool bEnable) = 0;
    virtual void SetComboItems(UINT id, const std::vector<std::string>& items) = 0;
    virtual void SetSpinRange(UINT id, int low, int high) = 0;
    virtual void FocusItem(UINT id) = 0;
    // Sends command id to the owner after the current message.
    virtual void PostCommand(UINT id) = 0;
};
