#pragma once
#include "platform/framework/Wnd.h"

// A bar built from a dialog template.
class CDialogBar : public CWnd {
public:
    bool Create(CWnd* pParent, UINT templateId, UINT id);
};
