#include "commands/UndoCommands.h"

#include <utility>

#include "res/Resource.h"
#include "view/KolvaView.h"

CUndoCommands::CUndoCommands(CKolvaView& view) : CViewCommandSet(view) {
    OnCommand(ID_EDIT_UNDO, [this] { Step([](CBinData& d) { d.ApplyUndoStep(true); }); });
    OnCommand(ID_EDIT_REDO, [this] { Step([](CBinData& d) { d.ApplyUndoStep(false); }); });
    OnCommand(ID_EDIT_UNDO_ALL, [this] {
        Step([](CBinData& d) {
            while (!d.m_undo.IsEmpty())
                d.ApplyUndoStep(true);
        });
    });
    for (UINT id : {ID_EDIT_UNDO, ID_EDIT_UNDO_ALL})
        OnUpdate(id, [this](CCmdUI* pCmdUI) {
            CBinData* data = Data();
            pCmdUI->Enable(data && !data->m_undo.IsEmpty());
        });
    OnUpdate(ID_EDIT_REDO, [this](CCmdUI* pCmdUI) {
        CBinData* data = Data();
        pCmdUI->Enable(data && !data->m_redo.IsEmpty());
    });
}

template <typename Steps> void CUndoCommands::Step(Steps&& steps) {
    Edit(std::forward<Steps>(steps), UpdateHint::kClearSelection | UpdateHint::kAfterChange);
    View().BringCaretIntoView();
}
