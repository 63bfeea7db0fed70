#include "view/HexKeyboard.h"

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/CaretShape.h"
#include "view/KolvaView.h"

namespace {
constexpr UINT kBackspaceChar = 8;
constexpr UINT kTabChar = 9;
constexpr UINT kFirstPrintable = 32;
constexpr UINT kLastPrintable = 126;
constexpr int kDigitBase = 16;
} // namespace

void CHexKeyboard::RunKeyCommand(UINT id) {
    if (!m_view.RunCommand(id)) CKolvaView::Refuse();
}

void CHexKeyboard::DeleteKey(UINT nChar) {
    CKolvaView& v = m_view;
    CBinData* data = v.GetData();
    if (!data || v.EditMode() != kModeInsert) {
        CKolvaView::Refuse();
    } else if (!data->m_bSelection) {
        if (v.IsCaretRowVisible())
            RunKeyCommand(nChar == VK_DELETE ? ID_EDIT_DELETE_CHAR : ID_EDIT_DELETE_BACK);
        else
            CKolvaView::Refuse();
    } else if (v.SelectionTouchesVisibleRows()) {
        RunKeyCommand(ID_EDIT_CLEAR);
        v.ClearSelection();
    } else {
        CKolvaView::Refuse();
    }
}

bool CHexKeyboard::PrepareNavigation(UINT nChar) {
    CKolvaView& v = m_view;
    CBinData* data = v.GetData();
    if (!data) return false;
    if (GetKeyState(VK_SHIFT) < 0) {
        v.m_bShiftKey = true;
        if (!v.m_bSelecting) {
            v.StartSelection();
            v.m_nNibble = 0;
        }
        return true;
    }
    v.ClearSelection();
    if (v.m_bCharArea) return true;
    int mode = v.EditMode();
    if (mode == kModeOverwrite && (nChar == VK_RIGHT || nChar == VK_LEFT)) {
        // Right steps onto the low digit, Left back onto the high digit, before moving a byte.
        bool wasLow = v.m_nNibble == 1;
        v.m_nNibble ^= 1;
        if ((nChar == VK_RIGHT) != wasLow) {
            v.PlaceCaret(nullptr, kCaretKeep);
            return false;
        }
    } else if (mode == kModeInsert) {
        v.m_nNibble = 0;
        v.PlaceCaret(nullptr, kCaretKeep);
    }
    return true;
}

void CHexKeyboard::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CKolvaView& v = m_view;
    if (nChar == VK_BACK || nChar == VK_DELETE) {
        DeleteKey(nChar);
        return;
    }
    if (nChar == VK_ESCAPE) {
        v.ClearSelection();
        return;
    }
    v.m_bShiftKey = false;
    if (nChar < VK_PRIOR || nChar > VK_DOWN) return;
    if (!PrepareNavigation(nChar)) return;
    v.CRowView::OnKeyDown(nChar, nRepCnt, nFlags);
    if (v.m_bSelecting && v.m_bShiftKey) v.ExtendSelection();
}

void CHexKeyboard::KeyUp(UINT nChar) {
    if (nChar == VK_SHIFT && m_view.m_bSelecting) m_view.m_bSelecting = false;
}

void CHexKeyboard::ReleaseMissedShift() {
    CKolvaView& v = m_view;
    if (v.m_bSelecting && v.m_bShiftKey && GetKeyState(VK_SHIFT) >= 0) KeyUp(VK_SHIFT);
}

int CHexKeyboard::HexDigitValue(UINT nChar) {
    if (nChar >= '0' && nChar <= '9') return static_cast<int>(nChar - '0');
    if (nChar >= 'A' && nChar <= 'F') return static_cast<int>(nChar - 'A' + 10);
    if (nChar >= 'a' && nChar <= 'f') return static_cast<int>(nChar - 'a' + 10);
    return -1;
}

void CHexKeyboard::Char(UINT nChar) {
    CKolvaView& v = m_view;
    if (nChar == kBackspaceChar) return;
    CBinData* data = v.GetData();
    if (nChar == kTabChar) {
        v.m_bCharArea = !v.m_bCharArea && data && data->m_bShowChars ? 1 : 0;
        v.PlaceCaret(nullptr, v.ShapeForMode());
        return;
    }
    if (!v.CanTakeCharacter()) return CKolvaView::Refuse();
    if (v.m_bCharArea) {
        if (nChar < kFirstPrintable || nChar > kLastPrintable) return CKolvaView::Refuse();
        v.EnterByte(static_cast<uint8_t>(nChar));
        return;
    }
    int digit = HexDigitValue(nChar);
    if (digit < 0) return CKolvaView::Refuse();
    int byte = data->GetByteAtCaret();
    int value = v.m_nNibble == 1                 ? digit + (byte & 0xF0)
                : v.EditMode() == kModeOverwrite ? digit * kDigitBase + (byte & 0x0F)
                                                 : digit * kDigitBase;
    v.EnterByte(static_cast<uint8_t>(value));
}
