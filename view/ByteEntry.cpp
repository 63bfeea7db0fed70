#include "view/ByteEntry.h"

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "engine/JCodeTable.h"
#include "engine/KolvaDoc.h"
#include "view/CaretShape.h"
#include "view/KolvaView.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
} // namespace

bool CByteEntry::CanTakeCharacter() const {
    CBinData* data = m_view.GetData();
    int mode = m_view.EditMode();
    if (!data || mode == kModeView) return false;
    return !(mode == kModeOverwrite && data->m_nCaret >= data->GetDataLength());
}

bool CByteEntry::CanEnterAtCaret() const {
    return m_view.GetData() && m_view.EditMode() != kModeView;
}

void CByteEntry::Enter(uint8_t value) {
    if (!CanEnterAtCaret()) return CKolvaView::Refuse();
    // A caret the screen does not show (scrolled away, or a window too low for one row)
    // still takes the byte: a refusal there lost typing without the user seeing it.
    ShowCaretRow();
    Store(value);
}

void CByteEntry::ShowCaretRow() {
    if (!m_view.IsCaretRowVisible()) m_view.BringCaretIntoView();
}

void CByteEntry::Store(uint8_t value) {
    CKolvaView& v = m_view;
    CBinData* data = v.GetData();
    CKolvaDoc* doc = v.GetDocument();
    int caret = data->m_nCaret;
    if (v.EditMode() == kModeInsert && (v.m_bCharArea || v.m_nNibble == 0)) {
        data->InsertAtCaret(value);
        doc->SetModifiedFlag();
        v.RefreshAfterChange();
    } else {
        // The end position holds no byte to overwrite.
        if (caret >= data->GetDataLength()) return CKolvaView::Refuse();
        data->OverwriteAtCaret(value);
        doc->SetModifiedFlag();
        v.InvalidateRows(caret / kBytesPerRow, caret / kBytesPerRow, false);
    }
    if (!v.m_bCharArea) {
        v.m_nNibble ^= 1;
        if (v.m_nNibble == 1) {
            v.PlaceCaret(nullptr, kCaretKeep);
            return;
        }
    } else {
        v.PlaceCaret(nullptr, v.ShapeForMode());
    }
    // The next byte goes after this one even where the view cannot scroll to show it;
    // otherwise typed bytes would pile up in reverse order at one place.
    if (!v.GoToPosition(caret + 1) && data->SetCaret(caret + 1) >= 0)
        v.PlaceCaret(nullptr, kCaretKeep);
}

void CByteEntry::EnterImeChar(UINT nChar) {
    CKolvaView& v = m_view;
    CBinData* data = v.GetData();
    if (!CanTakeCharacter() || !v.m_bCharArea) return CKolvaView::Refuse();
    auto lead = static_cast<uint8_t>(nChar > 0xFF ? nChar >> 8 : nChar);
    auto trail = static_cast<uint8_t>(nChar > 0xFF ? nChar : 0);
    const uint8_t typed[2] = {lead, trail};
    uint8_t bytes[2] = {};
    if (CJCodeTable::Of(v.m_nJCode).m_pfnEncodeChar(typed, trail ? 2 : 1, bytes) == 1) {
        Enter(bytes[0]);
        return;
    }
    // Both bytes or neither: overwriting needs two bytes under the caret.
    if (!CanEnterAtCaret() ||
        (v.EditMode() == kModeOverwrite && data->m_nCaret + 1 >= data->GetDataLength()))
        return CKolvaView::Refuse();
    ShowCaretRow();
    EnterPair(bytes[0], bytes[1]);
}

void CByteEntry::EnterPair(uint8_t first, uint8_t second) {
    CBinData* data = m_view.GetData();
    data->ClearRedo(); // before the group starts, so the saved state is judged at its depth
    data->BeginUndoGroup();
    Store(first);
    Store(second);
    data->EndUndoGroup();
}
