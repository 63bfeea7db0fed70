#pragma once
#include <string>

#include "platform/framework/Dialog.h"

class CPropertySheet;

// One page of a property sheet, built from a child dialog template. Its controls live in the
// sheet's window.
class CPropertyPage : public CDialog {
public:
    CPropertyPage(UINT templateId, std::string caption)
        : CDialog(templateId, nullptr), m_strCaption(std::move(caption)) {}

    const std::string& GetCaption() const { return m_strCaption; }
    // The page comes to the front (also the first page when the sheet opens).
    virtual void OnSetActive() {}
    // Leaving the page, Apply or OK: false keeps the sheet open on this page.
    virtual bool OnKillActive() { return UpdateData(true); }
    void OnOK() override {}
    void OnCancel() override {}

    CPropertySheet* m_pSheet = nullptr;

protected:
    CDialogPeer* ControlPeer() override;

private:
    std::string m_strCaption;
};
