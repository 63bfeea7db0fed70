#pragma once
#include "platform/framework/PropertySheet.h"

// The options' editing page: initial and allowed modes, the on-memory limit, backup, shortcut
// editing and reopening the last files.
class COptionPageEdit : public CPropertyPage {
public:
    static constexpr int kMinMemoryMB = 1;
    static constexpr int kMaxMemoryMB = 256;

    COptionPageEdit();

    void DoDataExchange(CDataExchange* pDX) override;
    void OnSetActive() override;

    int m_nInitialMode = 0;
    int m_nBackup = 0;
    int m_nAllowedMode = 0;
    int m_nEditShortcut = 0;
    int m_nMaxOnMemory = kMinMemoryMB;
    int m_nReadLastFiles = 0;

private:
    // Keeps the initial mode within what the allowed mode permits.
    void ApplyAllowedMode(int allowed);
    // The initial mode the radios show, read or not.
    int CheckedInitialMode();
};
