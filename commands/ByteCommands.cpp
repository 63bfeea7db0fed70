#include "commands/ByteCommands.h"

#include <memory>

#include "commands/EditModes.h"
#include "engine/KolvaDoc.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

CByteCommands::CByteCommands(CKolvaView& view) : m_view(view) {
    view.AddCommandHandler(ID_EDIT_INSERT_NULL, [this] { OnInsertNull(); });
    view.AddCommandHandler(ID_EDIT_DELETE_CHAR, [this] { OnDeleteChar(); });
    view.AddCommandHandler(ID_EDIT_DELETE_BACK, [this] { OnDeleteBack(); });
    view.AddCommandHandler(ID_EDIT_CLEAR, [this] { OnDeleteSelection(); });
    for (UINT id : {ID_EDIT_INSERT_NULL, ID_EDIT_DELETE_CHAR, ID_EDIT_DELETE_BACK})
        view.AddUpdateHandler(id, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(CanEditAtCaret()); });
    view.AddUpdateHandler(ID_EDIT_CLEAR,
                          [this](CCmdUI* pCmdUI) { OnUpdateDeleteSelection(pCmdUI); });
}

void CByteCommands::Install(CKolvaView& view) {
    view.AddCommandSet(std::make_unique<CByteCommands>(view));
}

CBinData* CByteCommands::Data() {
    return m_view.GetData();
}

bool CByteCommands::CanEditAtCaret() {
    CBinData* data = Data();
    return data && m_view.IsCaretRowVisible() && m_view.EditMode() == kModeInsert &&
           !data->m_bSelection;
}

void CByteCommands::Changed() {
    m_view.GetDocument()->SetModifiedFlag();
    m_view.RefreshAfterChange();
}

void CByteCommands::OnInsertNull() {
    Data()->InsertAtCaret(0);
    Changed();
}

void CByteCommands::OnDeleteChar() {
    CBinData* data = Data();
    if (data->m_nCaret >= data->GetDataLength()) return CKolvaView::Refuse();
    data->DeleteAtCaret();
    Changed();
}

void CByteCommands::OnDeleteBack() {
    CBinData* data = Data();
    // A first hex digit typed in insert mode made a new byte at the caret: that byte goes.
    if (m_view.EditMode() == kModeInsert && m_view.m_nNibble == 1) {
        OnDeleteChar();
        return;
    }
    if (data->m_nCaret <= 0) return CKolvaView::Refuse();
    data->SetCaret(data->m_nCaret - 1);
    data->DeleteAtCaret();
    Changed();
    m_view.BringCaretIntoView();
}

void CByteCommands::OnDeleteSelection() {
    if (!m_view.SelectionTouchesVisibleRows()) return CKolvaView::Refuse();
    Data()->DeleteSelection();
    Changed();
}

void CByteCommands::OnUpdateDeleteSelection(CCmdUI* pCmdUI) {
    CBinData* data = Data();
    pCmdUI->Enable(data && data->m_bSelection && m_view.EditMode() == kModeInsert);
}
