#include "platform/framework/PropertySheet.h"

#include "platform/base/Afx.h"

CWindowPeer* CPropertyPage::ControlPeer() {
    return m_pSheet ? m_pSheet->GetPeer() : nullptr;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
}

int CPropertySheet::DoModal() {
    CWindowSpec request;
    request.m_kind = CWindowSpec::PropertySheet;
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
    int result = m_pPeer->RunModal();
    DestroyWindow();
    return result == IDOK ? IDOK : IDCANCEL;
}

void CPropertySheet::OnCommandFromUI(UINT id) {
    if (!m_pPeer) return;
    if (id == IDOK) {
        for (CPropertyPage* page : m_pages)
            if (!page->OnKillActive()) return;
        for (CPropertyPage* page : m_pages)
            page->OnOK();
        m_pPeer->EndModal(IDOK);
    } else if (id == IDCANCEL) {
        for (CPropertyPage* page : m_pages)
            page->OnCancel();
        m_pPeer->EndModal(IDCANCEL);
    } else {
        // A page's own controls: the page that handles the command.
        for (CPropertyPage* page : m_pages)
            if (page->RunCommand(id)) return;
    }
}
