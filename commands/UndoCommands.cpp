#include "commands/UndoCommands.h"

#include <memory>

#include "engine/KolvaDoc.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

CUndoCommands::CUndoCommands(CKolvaView& view) : m_view(view) {
    view.AddCommandHandler(ID_EDIT_UNDO, [this] { OnUndo(); });
    view.AddCommandHandler(ID_EDIT_REDO, [this] { OnRedo(); });
    view.AddCommandHandler(ID_EDIT_UNDO_ALL, [this] { OnUndoAll(); });
    for (UINT id : {ID_EDIT_UNDO, ID_EDIT_UNDO_ALL})
        view.AddUpdateHandler(id, [this](CCmdUI* pCmdUI) {
            CBinData* data = m_view.GetData();
            pCmdUI->Enable(data && !data->m_undo.IsEmpty());
        });
    view.AddUpdateHandler(ID_EDIT_REDO, [this](CCmdUI* pCmdUI) {
        CBinData* data = m_view.GetData();
        pCmdUI->Enable(data && !data->m_redo.IsEmpty());
    });
}

void CUndoCommands::Install(CKolvaView& view) {
    view.AddCommandSet(std::make_unique<CUndoCommands>(view));
}

void CUndoCommands::OnUndo() {
    m_view.GetData()->ApplyUndoStep(true);
    AfterSteps();
}

void CUndoCommands::OnRedo() {
    m_view.GetData()->ApplyUndoStep(false);
    AfterSteps();
}

void CUndoCommands::OnUndoAll() {
    CBinData* data = m_view.GetData();
    while (!data->m_undo.IsEmpty())
        data->ApplyUndoStep(true);
    AfterSteps();
}

void CUndoCommands::AfterSteps() {
    CKolvaDoc* doc = m_view.GetDocument();
    doc->SetModifiedFlag(!doc->m_pData->IsAtSavePoint());
    m_view.ClearSelection();
    m_view.RefreshAfterChange();
    m_view.BringCaretIntoView();
}
