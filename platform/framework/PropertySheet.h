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

// A modal sheet of tabbed pages with OK, Cancel and Apply.
class CPropertySheet : public CWnd {
public:
    // The Apply button's command.
    static constexpr UINT kApplyID = 0x3021;

    CPropertySheet(std::string caption, CWnd* pParent)
        : m_strCaption(std::move(caption)), m_pParentWnd(pParent) {}

    CDialogPeer* GetDialogPeer() const { return PeerAs<CDialogPeer>(); }
    void AddPage(CPropertyPage* pPage);
    void RemoveAllPages();
    const std::vector<CPropertyPage*>& GetPages() const { return m_pages; }
    int GetActiveIndex() const { return m_nActive; }
    // IDOK after every page took its values, IDCANCEL otherwise.
    virtual int DoModal();
    void OnCommandFromUI(UINT id) override;
    void OnClose() override { OnCommandFromUI(2); }

    // The backend's tab control: false keeps the current page in front.
    bool OnPageChanging();
    void OnPageChanged(int index);

protected:
    bool PeerFitsKind() const override { return GetDialogPeer() != nullptr; }
    // After Apply read the active page.
    virtual void OnApply() {}

private:
    CPropertyPage* ActivePage() const;

    std::string m_strCaption;
    CWnd* m_pParentWnd;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = 0;
};
