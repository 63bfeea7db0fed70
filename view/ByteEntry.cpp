#include "view/ByteEntry.h"

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "engine/JCodeTable.h"
#include "engine/KolvaDoc.h"
#include "view/CaretShape.h"
#include "view/CaretState.h"
#include "view/HexCaret.h"
#include "view/KolvaView.h"
#include "view/UpdateHint.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
constexpr UINT kFirstPrintable = 32;
constexpr UINT kLastPrintable = 126;
constexpr int kDigitBase = 16;
} // namespace

CByteEntry::CByteEntry(CKolvaView& view, CCaretState& state, CHexCaret& caret)
    : m_view(view), m_state(state), m_caret(caret) {}

bool CByteEntry::CanTakeCharacter(const CKolvaDoc& doc) {
    const CBinData* data = doc.m_pData.get();
    int mode = doc.m_nEditMode;
    if (!data || mode == kModeView) return false;
    return !(mode == kModeOverwrite && data->m_nCaret >= data->GetDataLength());
}

int CByteEntry::HexDigitValue(UINT nChar) {
    if (nChar >= '0' && nChar <= '9') return static_cast<int>(nChar - '0');
    if (nChar >= 'A' && nChar <= 'F') return static_cast<int>(nChar - 'A' + 10);
    if (nChar >= 'a' && nChar <= 'f') return static_cast<int>(nChar - 'a' + 10);
    return -1;
}

int CByteEntry::ValueOf(UINT nChar, const CKolvaDoc& doc) const {
    if (!CanTakeCharacter(doc)) return -1;
    if (m_state.m_bCharArea)
        return nChar >= kFirstPrintable && nChar <= kLastPrintable ? static_cast<int>(nChar) : -1;
    int digit = HexDigitValue(nChar);
    if (digit < 0) return -1;
    int byte = doc.m_pData->GetByteAtCaret();
    if (m_state.m_nNibble == 1) return digit + (byte & 0xF0);
    return doc.m_nEditMode == kModeOverwrite ? digit * kDigitBase + (byte & 0x0F)
                                             : digit * kDigitBase;
}

void CByteEntry::Type(UINT nChar) {
    CKolvaDoc* doc = m_view.GetDocument();
    int value = doc ? ValueOf(nChar, *doc) : -1;
    if (value < 0) return CKolvaView::Refuse();
    EnterAt(*doc, static_cast<uint8_t>(value));
}

void CByteEntry::EnterByte(uint8_t value) {
    CKolvaDoc* doc = m_view.GetDocument();
    if (!doc || !doc->m_pData || doc->m_nEditMode == kModeView) return CKolvaView::Refuse();
    EnterAt(*doc, value);
}

void CByteEntry::EnterAt(CKolvaDoc& doc, uint8_t value) {
    // A caret the screen does not show (scrolled away, or a window too low for one row)
    // still takes the byte: a refusal there lost typing without the user seeing it.
    ShowCaretRow(*doc.m_pData);
    Store(doc, value);
}

void CByteEntry::ShowCaretRow(const CBinData& data) {
    int row = data.m_nCaret / kBytesPerRow;
    if (!m_view.IsRowVisible(row)) m_view.ScrollRowIntoView(row);
}

void CByteEntry::Store(CKolvaDoc& doc, uint8_t value) {
    CBinData& data = *doc.m_pData;
    int caret = data.m_nCaret;
    if (doc.m_nEditMode == kModeInsert && (m_state.m_bCharArea || m_state.m_nNibble == 0)) {
        doc.Edit([value](CBinData& d) { d.InsertAtCaret(value); }, UpdateHint::kAfterChange);
    } else {
        // The end position holds no byte to overwrite.
        if (caret >= data.GetDataLength()) return CKolvaView::Refuse();
        doc.Edit([value](CBinData& d) { d.OverwriteAtCaret(value); }, UpdateHint::kCaretRow);
    }
    MoveOn(data, caret);
}

void CByteEntry::MoveOn(CBinData& data, int caret) {
    if (!m_state.m_bCharArea) {
        m_state.m_nNibble ^= 1;
        if (m_state.m_nNibble == 1) return m_caret.Place(kCaretKeep);
    } else {
        m_caret.Place(m_caret.ShapeForMode());
    }
    // The next byte goes after this one even where the view cannot scroll to show it;
    // otherwise typed bytes would pile up in reverse order at one place.
    if (!m_view.GoToPosition(caret + 1) && data.SetCaret(caret + 1) >= 0) m_caret.Place(kCaretKeep);
}

void CByteEntry::EnterImeChar(UINT nChar) {
    CKolvaDoc* doc = m_view.GetDocument();
    if (!doc || !CanTakeCharacter(*doc) || !m_state.m_bCharArea) return CKolvaView::Refuse();
    auto lead = static_cast<uint8_t>(nChar > 0xFF ? nChar >> 8 : nChar);
    auto trail = static_cast<uint8_t>(nChar > 0xFF ? nChar : 0);
    const uint8_t typed[2] = {lead, trail};
    uint8_t bytes[2] = {};
    if (CJCodeTable::Of(m_view.m_nJCode).m_pfnEncodeChar(typed, trail ? 2 : 1, bytes) == 1)
        return EnterAt(*doc, bytes[0]);
    // Both bytes or neither: overwriting needs two bytes under the caret.
    CBinData& data = *doc->m_pData;
    if (doc->m_nEditMode == kModeOverwrite && data.m_nCaret + 1 >= data.GetDataLength())
        return CKolvaView::Refuse();
    ShowCaretRow(data);
    EnterPair(*doc, bytes[0], bytes[1]);
}

void CByteEntry::EnterPair(CKolvaDoc& doc, uint8_t first, uint8_t second) {
    CBinData& data = *doc.m_pData;
    data.ClearRedo(); // before the group starts, so the saved state is judged at its depth
    data.BeginUndoGroup();
    Store(doc, first);
    Store(doc, second);
    data.EndUndoGroup();
}
