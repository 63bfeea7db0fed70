#pragma once
#include <cstdint>

#include "platform/base/Types.h"
#include "view/CaretShape.h"

class CBinData;
class CKolvaView;
struct CCaretState;

// The hex view's caret: the shape of the editing mode, its cell in the caret's area, and the
// input method's composition window kept beside it. Only the active view has a caret. While a
// key or a click is handled the caret is placed once, when the handling is done.
class CHexCaret {
public:
    CHexCaret(CKolvaView& view, CCaretState& state) : m_view(view), m_state(state) {}

    // Insert: bar; overwrite: block; VIEW: underline of one column or of both hex digits.
    int ShapeForMode() const;
    void SetShape(int type);
    CPoint HexPoint(const CBinData& data) const;
    CPoint CharPoint(const CBinData& data) const;
    // Takes the shape (kCaretKeep keeps it) and shows the caret at its position.
    void Place(int type);
    // Runs handle with every Place in it held back, then places the caret once.
    template <typename Handle> void PlaceOnceAfter(Handle&& handle);
    // Hex entry starts over (a digit typed before no longer belongs to the byte at the caret)
    // and the caret takes the mode's shape.
    void StartOver();
    void UpdateCompositionWindow();
    void Destroy();

private:
    CPoint Point(const CBinData& data) const;
    void PlaceNow();

    CKolvaView& m_view;
    CCaretState& m_state;
    int32_t m_nCaretOffsetX = 0;
    int32_t m_nCaretOffsetY = 0;
    int32_t m_nCaretType = kCaretBar;
    bool m_bCreated = false;
    bool m_bHeld = false;
    bool m_bPlaceDue = false;
    int m_nShapeDue = kCaretKeep;
};

template <typename Handle> void CHexCaret::PlaceOnceAfter(Handle&& handle) {
    if (m_bHeld) return handle();
    m_bHeld = true;
    // A handler that fails still leaves the caret where the data now has it.
    try {
        handle();
    } catch (...) {
        m_bHeld = false;
        if (m_bPlaceDue) PlaceNow();
        throw;
    }
    m_bHeld = false;
    if (m_bPlaceDue) PlaceNow();
}
