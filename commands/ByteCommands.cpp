#include "commands/ByteCommands.h"

#include "commands/EditModes.h"
#include "res/Resource.h"
#include "view/CaretState.h"
#include "view/HexSelection.h"
#include "view/KolvaView.h"

CByteCommands::CByteCommands(CKolvaView& view) : CViewCommandSet(view) {
    OnCommand(ID_EDIT_INSERT_NULL, [this] { Edit([](CBinData& data) { data.InsertAtCaret(0); }); });
    OnCommand(ID_EDIT_DELETE_CHAR, [this] { OnDeleteChar(); });
    OnCommand(ID_EDIT_DELETE_BACK, [this] { OnDeleteBack(); });
    OnCommand(ID_EDIT_CLEAR, [this] { OnDeleteSelection(); });
    for (UINT id : {ID_EDIT_INSERT_NULL, ID_EDIT_DELETE_CHAR, ID_EDIT_DELETE_BACK})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(CanEditAtCaret()); });
    OnUpdate(ID_EDIT_CLEAR, [this](CCmdUI* pCmdUI) { OnUpdateDeleteSelection(pCmdUI); });
}

bool CByteCommands::CanEditAtCaret() {
    CBinData* data = Data();
    return data && View().IsCaretRowVisible() && EditMode() == kModeInsert && !data->m_bSelection;
}

void CByteCommands::OnDeleteChar() {
    CBinData* data = Data();
    if (data->m_nCaret >= data->GetDataLength()) return CKolvaView::Refuse();
    Edit([](CBinData& d) { d.DeleteAtCaret(); });
}

void CByteCommands::OnDeleteBack() {
    CBinData* data = Data();
    // A first hex digit typed in insert mode made a new byte at the caret: that byte goes.
    if (EditMode() == kModeInsert && View().CaretState().m_nNibble == 1) {
        OnDeleteChar();
        return;
    }
    if (data->m_nCaret <= 0) return CKolvaView::Refuse();
    Edit([](CBinData& d) {
        d.SetCaret(d.m_nCaret - 1);
        d.DeleteAtCaret();
    });
    View().BringCaretIntoView();
}

void CByteCommands::OnDeleteSelection() {
    if (!View().Selection().TouchesVisibleRows()) return CKolvaView::Refuse();
    Edit([](CBinData& d) { d.DeleteSelection(); });
}

void CByteCommands::OnUpdateDeleteSelection(CCmdUI* pCmdUI) {
    CBinData* data = Data();
    pCmdUI->Enable(data && data->m_bSelection && EditMode() == kModeInsert);
}
