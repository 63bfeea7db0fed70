#include "commands/EditModes.h"

#include <algorithm>
#include <memory>

#include "engine/KolvaDoc.h"
#include "res/Resource.h"
#include "view/KolvaView.h"
#include "view/ViewHost.h"

CEditModes::CEditModes(CKolvaView& view) : m_view(view) {
    view.AddCommandHandler(ID_MODE_VIEW, [this] { SetMode(kModeView); });
    view.AddCommandHandler(ID_MODE_OVERWRITE, [this] { SetMode(kModeOverwrite); });
    view.AddCommandHandler(ID_MODE_INSERT, [this] { SetMode(kModeInsert); });
    view.AddCommandHandler(ID_MODE_TOGGLE, [this] { OnToggle(); });
    view.AddUpdateHandler(ID_MODE_VIEW, [this](CCmdUI* pCmdUI) { OnUpdateView(pCmdUI); });
    view.AddUpdateHandler(ID_MODE_OVERWRITE,
                          [this](CCmdUI* pCmdUI) { OnUpdateEditing(pCmdUI, kModeOverwrite); });
    view.AddUpdateHandler(ID_MODE_INSERT,
                          [this](CCmdUI* pCmdUI) { OnUpdateEditing(pCmdUI, kModeInsert); });
}

void CEditModes::Install(CKolvaView& view) {
    view.AddCommandSet(std::make_unique<CEditModes>(view));
}

bool CEditModes::IsPermitted(const CKolvaDoc& doc, int mode) {
    if (mode == kModeView || doc.m_bNewDocument) return true;
    int dataLimit = doc.m_pData ? doc.m_pData->m_nAllowedMode : kModeView;
    return std::min(CViewHost::Get().AllowedMode(), dataLimit) >= mode;
}

void CEditModes::SetMode(int mode) {
    CKolvaDoc* doc = m_view.GetDocument();
    if (!doc) return;
    doc->m_nEditMode = mode;
    m_view.OnModeChanged();
    // An open Replace dialog must not keep offering to change a document now in VIEW.
    if (m_view.IsActiveView()) CViewHost::Get().RefreshSearchDialogs(&m_view);
}

void CEditModes::OnToggle() {
    CKolvaDoc* doc = m_view.GetDocument();
    int partner = !doc                                 ? kModeView
                  : doc->m_nEditMode == kModeOverwrite ? kModeInsert
                  : doc->m_nEditMode == kModeInsert    ? kModeOverwrite
                                                       : kModeView;
    if (partner == kModeView || !IsPermitted(*doc, partner)) return CKolvaView::Refuse();
    SetMode(partner);
}

void CEditModes::OnUpdateView(CCmdUI* pCmdUI) {
    CKolvaDoc* doc = m_view.GetDocument();
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(doc && doc->m_nEditMode == kModeView ? 1 : 0);
}

void CEditModes::OnUpdateEditing(CCmdUI* pCmdUI, int mode) {
    CKolvaDoc* doc = m_view.GetDocument();
    bool permitted = doc && IsPermitted(*doc, mode);
    if (doc && doc->m_nEditMode == mode && !permitted) SetMode(kModeView);
    pCmdUI->Enable(permitted);
    pCmdUI->SetCheck(doc && doc->m_nEditMode == mode ? 1 : 0);
}
