#pragma once
#include <string>
#include <vector>

#include "platform/base/Afx.h"
#include "platform/framework/PropertyPage.h"

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
    void OnClose() override { OnCommandFromUI(IDCANCEL); }

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
