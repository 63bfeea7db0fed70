#include "view/HexKeyboard.h"

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/ByteEntry.h"
#include "view/CaretShape.h"
#include "view/CaretState.h"
#include "view/HexCaret.h"
#include "view/HexSelection.h"
#include "view/KolvaView.h"

namespace {
constexpr UINT kBackspaceChar = 8;
constexpr UINT kTabChar = 9;
} // namespace

void CHexKeyboard::RunKeyCommand(UINT id) {
    if (!m_view.RunCommand(id)) CKolvaView::Refuse();
}

void CHexKeyboard::DeleteKey(UINT nChar) {
    CBinData* data = m_view.GetData();
    if (!data || m_view.EditMode() != kModeInsert) {
        CKolvaView::Refuse();
    } else if (!data->m_bSelection) {
        if (m_view.IsCaretRowVisible())
            RunKeyCommand(nChar == VK_DELETE ? ID_EDIT_DELETE_CHAR : ID_EDIT_DELETE_BACK);
        else
            CKolvaView::Refuse();
    } else if (m_selection.TouchesVisibleRows()) {
        RunKeyCommand(ID_EDIT_CLEAR);
        m_selection.ClearSelection();
    } else {
        CKolvaView::Refuse();
    }
}

bool CHexKeyboard::PrepareNavigation(UINT nChar) {
    if (!m_view.GetData()) return false;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    m_selection.BeforeMove(shift);
    if (shift || m_state.m_bCharArea) return true;
    int mode = m_view.EditMode();
    if (mode == kModeOverwrite && (nChar == VK_RIGHT || nChar == VK_LEFT)) {
        // Right steps onto the low digit, Left back onto the high digit, before moving a byte.
        bool wasLow = m_state.m_nNibble == 1;
        m_state.m_nNibble ^= 1;
        if ((nChar == VK_RIGHT) != wasLow) {
            m_caret.Place(kCaretKeep);
            return false;
        }
    } else if (mode == kModeInsert) {
        m_state.m_nNibble = 0;
        m_caret.Place(kCaretKeep);
    }
    return true;
}

void CHexKeyboard::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_BACK || nChar == VK_DELETE) return DeleteKey(nChar);
    if (nChar == VK_ESCAPE) return m_selection.ClearSelection();
    m_selection.ForgetShift();
    if (nChar < VK_PRIOR || nChar > VK_DOWN) return;
    if (!PrepareNavigation(nChar)) return;
    m_view.CRowView::OnKeyDown(nChar, nRepCnt, nFlags);
    m_selection.AfterMove();
}

void CHexKeyboard::KeyUp(UINT nChar) {
    if (nChar == VK_SHIFT) m_selection.EndSelecting();
}

void CHexKeyboard::ReleaseMissedShift() {
    if (m_selection.IsShiftSelecting() && GetKeyState(VK_SHIFT) >= 0) KeyUp(VK_SHIFT);
}

void CHexKeyboard::SwitchArea() {
    CBinData* data = m_view.GetData();
    m_state.m_bCharArea = !m_state.m_bCharArea && data && data->m_bShowChars ? 1 : 0;
    m_caret.Place(m_caret.ShapeForMode());
}

void CHexKeyboard::Char(UINT nChar) {
    if (nChar == kBackspaceChar) return;
    if (nChar == kTabChar) return SwitchArea();
    m_entry.Type(nChar);
}
