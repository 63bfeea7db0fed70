#include "platform/framework/PropertySheet.h"

#include "platform/base/Afx.h"
#include "platform/base/ResourceSet.h"

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
}

void CPropertySheet::RemoveAllPages() {
    for (CPropertyPage* page : m_pages)
        page->m_pSheet = nullptr;
    m_pages.clear();
}

CPropertyPage* CPropertySheet::ActivePage() const {
    return m_nActive >= 0 && m_nActive < static_cast<int>(m_pages.size()) ? m_pages[m_nActive]
                                                                          : nullptr;
}

int CPropertySheet::DoModal() {
    CWindowRequest request;
    request.m_kind = CWindowRequest::PropertySheet;
    request.m_pParent = m_pParentWnd;
    request.m_strTitle = m_strCaption;
    for (CPropertyPage* page : m_pages) {
        const CDialogDef* def = CResourceSet::Current().FindDialog(page->GetTemplateID());
        if (!def) return -1;
        request.m_pages.push_back(def);
        request.m_pageCaptions.push_back(page->GetCaption());
    }
    if (!CreatePeer(request)) return -1;
    for (CPropertyPage* page : m_pages)
        page->OnInitDialog();
    m_nActive = 0;
    if (CPropertyPage* first = ActivePage()) first->OnSetActive();
    int result = GetDialogPeer()->RunModal();
    DestroyWindow();
    return result == IDOK ? IDOK : IDCANCEL;
}

bool CPropertySheet::OnPageChanging() {
    CPropertyPage* page = ActivePage();
    return !page || page->OnKillActive();
}

void CPropertySheet::OnPageChanged(int index) {
    m_nActive = index;
    if (CPropertyPage* page = ActivePage()) page->OnSetActive();
}

void CPropertySheet::OnCommandFromUI(UINT id) {
    CDialogPeer* peer = GetDialogPeer();
    if (!peer) return;
    if (id == IDOK) {
        for (CPropertyPage* page : m_pages)
            if (!page->OnKillActive()) return;
        for (CPropertyPage* page : m_pages)
            page->OnOK();
        peer->EndModal(IDOK);
    } else if (id == IDCANCEL) {
        for (CPropertyPage* page : m_pages)
            page->OnCancel();
        peer->EndModal(IDCANCEL);
    } else if (id == kApplyID) {
        if (OnPageChanging()) OnApply();
    } else {
        // A page's own controls: the page that handles the command.
        for (CPropertyPage* page : m_pages)
            if (page->RunCommand(id)) return;
    }
}
