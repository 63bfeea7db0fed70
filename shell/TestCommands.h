#pragma once
#include "commands/AppCommandSet.h"

class CBinData;
class CKolvaView;

// Ctrl+0 to Ctrl+5: lock the active view's scrolling, switch the address column and the
// character area; the rest do nothing.
class CTestCommands : public CAppCommandSet {
public:
    explicit CTestCommands(CWinApp& app);

private:
    CKolvaView* ActiveView() const;
    void OnScrollLock();
    // Flips one shown area of the active document and lays its view out again.
    void ToggleArea(bool CBinData::*flag);

    bool m_bScrollLock = false; // program-wide: each press copies it into the active view
};
