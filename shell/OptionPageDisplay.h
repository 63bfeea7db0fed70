#pragma once
#include "platform/framework/PropertySheet.h"

// The options' display page: the character code of new views and the synchronized-scroll type.
class COptionPageDisplay : public CPropertyPage {
public:
    COptionPageDisplay();

    void DoDataExchange(CDataExchange* pDX) override;

    int m_nJCode = 0;
    int m_nSyncType = 0;
};
