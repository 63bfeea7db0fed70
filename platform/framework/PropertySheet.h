#pragma once
#include <string>
#include <vector>

#include "platform/framework/Dialog.h"

class CPropertySheet;

// One page of a property sheet, built from a child dialog template. Its controls live in the
// sheet's window.
class CPropertyPage : public CDialog {
public:
    CPropertyPage(UINT templateId, std::string caption)
        : CDialog(templateId, nullptr), m_strCaption(std::move(caption)) {}

    const std::string& GetCaption() const { return m_strCaption; }
    // Leaving the page (or pressing OK): false keeps the sheet open on this page.
    virtual bool OnKillActive() { return UpdateData(true); }
    void OnOK() override {}
    void OnCancel() override {}

    CPropertySheet* m_pSheet = nullptr;

protected:
    CWindowPeer* ControlPeer() override;

private:
    std::string m_strCaption;
};

// A modal sheet of tabbed pages with OK and Cancel.
class CPropertySheet : public CWnd {
public:
    CPropertySheet(std::string caption, CWnd* pParent)
        : m_strCaption(std::move(caption)), m_pParentWnd(pParent) {}

    void AddPage(CPropertyPage* pPage);
    const std::vector<CPropertyPage*>& GetPages() const { return m_pages; }
    // IDOK after every page took its values, IDCANCEL otherwise.
    int DoModal();
    void OnCommandFromUI(UINT id) override;
    void OnClose() override { OnCommandFromUI(2); }

private:
    std::string m_strCaption;
    CWnd* m_pParentWnd;
    std::vector<CPropertyPage*> m_pages;
};
