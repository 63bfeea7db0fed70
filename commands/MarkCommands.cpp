#include "commands/MarkCommands.h"

#include "engine/BinData.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/HexSelection.h"
#include "view/KolvaView.h"
#include "view/ViewHost.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
}

CMarkCommands::CMarkCommands(CKolvaView& view) : CViewCommandSet(view) {
    OnCommand(ID_MARK_TOGGLE, [this] { OnToggle(); });
    // The Shift key, not the command, decides whether a jump selects.
    for (UINT id : {ID_MARK_NEXT, ID_MARK_NEXT_SELECT})
        OnCommand(id, [this] { OnJump(true); });
    for (UINT id : {ID_MARK_PREV, ID_MARK_PREV_SELECT})
        OnCommand(id, [this] { OnJump(false); });
    OnCommand(ID_MARK_CLEAR_ALL, [this] { OnClearAll(); });
    OnCommand(ID_REGISTER_RANGE, [this] { OnRegister(); });
    for (UINT id : {ID_MARK_TOGGLE, ID_REGISTER_RANGE})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(Data()); });
    for (UINT id :
         {ID_MARK_NEXT, ID_MARK_NEXT_SELECT, ID_MARK_PREV, ID_MARK_PREV_SELECT, ID_MARK_CLEAR_ALL})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { EnableWithMarks(pCmdUI); });
}

int CMarkCommands::PruneMarks(CBinData& data) {
    int length = data.GetDataLength();
    if (length == 0)
        data.m_marks.ClearMarks();
    else
        data.m_marks.PruneAfter(static_cast<uint32_t>(length - 1));
    return data.m_marks.GetCount();
}

void CMarkCommands::EnableWithMarks(CCmdUI* pCmdUI) {
    CBinData* data = Data();
    pCmdUI->Enable(data && PruneMarks(*data) > 0);
}

void CMarkCommands::OnToggle() {
    CBinData* data = Data();
    int caret = data->m_nCaret;
    // The end position holds no byte to mark.
    if (caret < 0 || caret >= data->GetDataLength()) return;
    PruneMarks(*data);
    data->m_marks.Toggle(static_cast<uint32_t>(caret));
    View().InvalidateRows(caret / kBytesPerRow, caret / kBytesPerRow, false);
}

int CMarkCommands::JumpTarget(bool bNext) {
    CBinData* data = Data();
    CMarkList& marks = data->m_marks;
    int count = PruneMarks(*data);
    if (count == 0) return -1;
    auto caret = static_cast<uint32_t>(data->m_nCaret);
    int i = bNext ? marks.FindFirstAtOrAfter(caret + 1) : marks.FindFirstAtOrAfter(caret) - 1;
    if (i >= count) i = 0;
    if (i < 0) i = count - 1;
    return static_cast<int>(marks.GetAt(i));
}

void CMarkCommands::OnJump(bool bNext) {
    CBinData* data = Data();
    int target = JumpTarget(bNext);
    if (target < 0 || target >= data->GetDataLength()) return;
    View().PlaceCaret(nullptr, View().ShapeForMode());
    CHexSelection& selection = View().Selection();
    selection.BeforeMove(GetKeyState(VK_SHIFT) < 0);
    View().GoToPosition(target);
    selection.AfterMove();
}

void CMarkCommands::OnClearAll() {
    Data()->m_marks.ClearMarks();
    View().Invalidate(false);
}

void CMarkCommands::OnRegister() {
    // Without a selection this clears the registered range.
    Data()->RegisterSelection();
    View().Selection().EndSelecting();
    View().Invalidate(false);
    CViewHost::Get().RefreshSearchDialogs(&View());
}
