#include "commands/MarkCommands.h"

#include <memory>

#include "engine/BinData.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/KolvaView.h"
#include "view/ViewHost.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
}

CMarkCommands::CMarkCommands(CKolvaView& view) : m_view(view) {
    view.AddCommandHandler(ID_MARK_TOGGLE, [this] { OnToggle(); });
    view.AddCommandHandler(ID_MARK_NEXT, [this] { OnJump(true); });
    view.AddCommandHandler(ID_MARK_NEXT_SELECT, [this] { OnJump(true); });
    view.AddCommandHandler(ID_MARK_PREV, [this] { OnJump(false); });
    view.AddCommandHandler(ID_MARK_PREV_SELECT, [this] { OnJump(false); });
    view.AddCommandHandler(ID_MARK_CLEAR_ALL, [this] { OnClearAll(); });
    view.AddCommandHandler(ID_REGISTER_RANGE, [this] { OnRegister(); });
    for (UINT id : {ID_MARK_TOGGLE, ID_REGISTER_RANGE})
        view.AddUpdateHandler(id, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(m_view.GetData()); });
    for (UINT id :
         {ID_MARK_NEXT, ID_MARK_NEXT_SELECT, ID_MARK_PREV, ID_MARK_PREV_SELECT, ID_MARK_CLEAR_ALL})
        view.AddUpdateHandler(id, [this](CCmdUI* pCmdUI) { EnableWithMarks(pCmdUI); });
}

void CMarkCommands::Install(CKolvaView& view) {
    view.AddCommandSet(std::make_unique<CMarkCommands>(view));
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
    CBinData* data = m_view.GetData();
    pCmdUI->Enable(data && PruneMarks(*data) > 0);
}

void CMarkCommands::OnToggle() {
    CBinData* data = m_view.GetData();
    int caret = data->m_nCaret;
    // The end position holds no byte to mark.
    if (caret < 0 || caret >= data->GetDataLength()) return;
    PruneMarks(*data);
    data->m_marks.Toggle(static_cast<uint32_t>(caret));
    m_view.InvalidateRows(caret / kBytesPerRow, caret / kBytesPerRow, false);
}

int CMarkCommands::JumpTarget(bool bNext) {
    CBinData* data = m_view.GetData();
    CMarkList& marks = data->m_marks;
    int count = PruneMarks(*data);
    if (count == 0) return -1;
    auto caret = static_cast<uint32_t>(data->m_nCaret);
    int i = bNext ? marks.FindFirstAtOrAfter(caret + 1) : marks.FindFirstAtOrAfter(caret) - 1;
    if (i >= count) i = 0;
    if (i < 0) i = count - 1;
    return static_cast<int>(marks.GetAt(i));
}

void CMarkCommands::PrepareSelection() {
    CBinData* data = m_view.GetData();
    if (GetKeyState(VK_SHIFT) >= 0) {
        m_view.m_bShiftKey = false;
        m_view.ClearSelection();
        return;
    }
    m_view.m_bShiftKey = true;
    if (m_view.m_bSelecting) return;
    m_view.ClearSelection();
    m_view.m_bSelecting = true;
    m_view.m_nAnchor = m_view.m_nLastCaret = data->m_nCaret;
    m_view.m_nNibble = 0;
}

void CMarkCommands::OnJump(bool bNext) {
    CBinData* data = m_view.GetData();
    int target = JumpTarget(bNext);
    if (target < 0 || target >= data->GetDataLength()) return;
    m_view.PlaceCaret(nullptr, m_view.ShapeForMode());
    PrepareSelection();
    m_view.GoToPosition(target);
    if (m_view.m_bSelecting && m_view.m_bShiftKey) m_view.ExtendSelection();
}

void CMarkCommands::OnClearAll() {
    m_view.GetData()->m_marks.ClearMarks();
    m_view.Invalidate(false);
}

void CMarkCommands::OnRegister() {
    CBinData* data = m_view.GetData();
    // Without a selection this clears the registered range.
    data->m_bRegistered = data->m_bSelection;
    data->m_nRegStart = data->m_bSelection ? data->m_nSelStart : -1;
    data->m_nRegEnd = data->m_bSelection ? data->m_nSelEnd : -1;
    data->m_nSelStart = data->m_nSelEnd = -1;
    data->m_bSelection = false;
    m_view.m_bSelecting = false;
    m_view.Invalidate(false);
    CViewHost::Get().RefreshSearchDialogs(&m_view);
}
