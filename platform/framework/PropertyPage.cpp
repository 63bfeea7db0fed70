#include "platform/framework/PropertyPage.h"

#include "platform/framework/PropertySheet.h"

CDialogPeer* CPropertyPage::ControlPeer() {
    return m_pSheet ? m_pSheet->GetDialogPeer() : nullptr;
}
