#pragma once
#include <cstdint>
#include <vector>

#include "platform/framework/CmdUI.h"
#include "view/ViewCommandSet.h"

// Cut, copy and the two paste commands through the private clipboard format, and copying and
// pasting the bytes as text.
class CClipboardCommands : public CViewCommandSet {
public:
    explicit CClipboardCommands(CKolvaView& view);

private:
    void OnCut();
    void OnTextPaste();
    // Inserts the bytes at the caret as one step and moves the caret after them.
    void InsertBlock(const std::vector<uint8_t>& bytes);
    // Replaces as many bytes from the caret on, as one step; refuses with a notice when they
    // do not fit before the end of the data.
    void OverwriteBlock(const std::vector<uint8_t>& bytes);
    void EnableWithSelection(CCmdUI* pCmdUI);
    void EnableInModes(CCmdUI* pCmdUI, int lowestMode);
};
