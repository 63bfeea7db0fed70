#include "commands/EditModes.h"

#include <algorithm>

#include "engine/KolvaDoc.h"
#include "res/Resource.h"
#include "view/KolvaView.h"
#include "view/ViewHost.h"

CEditModes::CEditModes(CKolvaView& view) : CViewCommandSet(view) {
    OnCommand(ID_MODE_VIEW, [this] { SetMode(kModeView); });
    OnCommand(ID_MODE_OVERWRITE, [this] { SetMode(kModeOverwrite); });
    OnCommand(ID_MODE_INSERT, [this] { SetMode(kModeInsert); });
    OnCommand(ID_MODE_TOGGLE, [this] { OnToggle(); });
    OnUpdate(ID_MODE_VIEW, [this](CCmdUI* pCmdUI) { OnUpdateView(pCmdUI); });
    OnUpdate(ID_MODE_OVERWRITE,
             [this](CCmdUI* pCmdUI) { OnUpdateEditing(pCmdUI, kModeOverwrite); });
    OnUpdate(ID_MODE_INSERT, [this](CCmdUI* pCmdUI) { OnUpdateEditing(pCmdUI, kModeInsert); });
}

bool CEditModes::IsPermitted(const CKolvaDoc& doc, int mode) {
    if (mode == kModeView || doc.m_bNewDocument) return true;
    int dataLimit = doc.m_pData ? doc.m_pData->m_nAllowedMode : kModeView;
    return std::min(CViewHost::Get().AllowedMode(), dataLimit) >= mode;
}

void CEditModes::SetMode(int mode) {
    CKolvaDoc* doc = Document();
    if (!doc) return;
    doc->m_nEditMode = mode;
    View().OnModeChanged();
    // An open Replace dialog must not keep offering to change a document now in VIEW.
    if (View().IsActiveView()) CViewHost::Get().RefreshSearchDialogs(&View());
}

void CEditModes::OnToggle() {
    CKolvaDoc* doc = Document();
    int partner = !doc                                 ? kModeView
                  : doc->m_nEditMode == kModeOverwrite ? kModeInsert
                  : doc->m_nEditMode == kModeInsert    ? kModeOverwrite
                                                       : kModeView;
    if (partner == kModeView || !IsPermitted(*doc, partner)) return CKolvaView::Refuse();
    SetMode(partner);
}

void CEditModes::OnUpdateView(CCmdUI* pCmdUI) {
    CKolvaDoc* doc = Document();
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(doc && doc->m_nEditMode == kModeView ? 1 : 0);
}

void CEditModes::OnUpdateEditing(CCmdUI* pCmdUI, int mode) {
    CKolvaDoc* doc = Document();
    bool permitted = doc && IsPermitted(*doc, mode);
    if (doc && doc->m_nEditMode == mode && !permitted) SetMode(kModeView);
    pCmdUI->Enable(permitted);
    pCmdUI->SetCheck(doc && doc->m_nEditMode == mode ? 1 : 0);
}
