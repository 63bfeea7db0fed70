#include "view/HexCaret.h"

#include <utility>

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "view/CaretState.h"
#include "view/KolvaView.h"
#include "view/ViewHost.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
// Thickness of the bar and underline carets, in pixels.
constexpr int kThickness = 3;
} // namespace

int CHexCaret::ShapeForMode() const {
    switch (m_view.EditMode()) {
    case kModeInsert:
        return kCaretBar;
    case kModeOverwrite:
        return kCaretBlock;
    default:
        return m_state.m_bCharArea ? kCaretUnderline : kCaretWideUnderline;
    }
}

void CHexCaret::SetShape(int type) {
    if (type == kCaretLast) type = m_nCaretType;
    int w = m_view.m_nCharWidth, h = m_view.m_nRowHeight, underline = m_view.m_nAscent - 1;
    CSize size;
    CPoint offset;
    switch (type) {
    case kCaretUnderline:
        size = CSize(w, kThickness), offset = CPoint(0, underline);
        break;
    case kCaretBar:
        size = CSize(kThickness, h);
        break;
    case kCaretBlock:
        size = CSize(w, h);
        break;
    case kCaretWideBlock:
        size = CSize(2 * w, h);
        break;
    case kCaretWideUnderline:
        size = CSize(2 * w, kThickness), offset = CPoint(0, underline);
        break;
    default:
        return;
    }
    m_nCaretType = type;
    m_nCaretOffsetX = offset.x;
    m_nCaretOffsetY = offset.y;
    // Another view takes its shape when it is activated.
    if (!m_view.IsActiveView()) return;
    m_view.CreateSolidCaret(size.cx, size.cy);
    m_bCreated = true;
}

CPoint CHexCaret::HexPoint(const CBinData& data) const {
    int caret = data.m_nCaret;
    int x = m_view.ColumnX(data.m_layout.HexColumn(caret % kBytesPerRow)) +
            m_state.m_nNibble * m_view.m_nCharWidth;
    return CPoint(x, m_view.RowY(caret / kBytesPerRow));
}

CPoint CHexCaret::CharPoint(const CBinData& data) const {
    int caret = data.m_nCaret;
    int column = data.m_layout.CharColumn(caret % kBytesPerRow);
    return CPoint(m_view.ColumnX(column), m_view.RowY(caret / kBytesPerRow));
}

CPoint CHexCaret::Point(const CBinData& data) const {
    return m_state.m_bCharArea ? CharPoint(data) : m_view.GetHexCaretPoint();
}

void CHexCaret::Place(int type) {
    // The digit is state, not drawing: it follows the caret at once.
    if (CBinData* data = m_view.GetData();
        data && (data->m_nCaret >= data->GetDataLength() || data->m_nCaret < 0))
        m_state.m_nNibble = 0;
    if (type != kCaretKeep) m_nShapeDue = type;
    m_bPlaceDue = true;
    if (!m_bHeld) PlaceNow();
}

void CHexCaret::StartOver() {
    m_state.m_nNibble = 0;
    Place(ShapeForMode());
}

void CHexCaret::PlaceNow() {
    m_bPlaceDue = false;
    SetShape(std::exchange(m_nShapeDue, kCaretKeep));
    CBinData* data = m_view.GetData();
    if (!data || !m_view.IsActiveView()) return;
    // A view that was made active without being told so gets its caret here.
    if (!m_bCreated) SetShape(ShapeForMode());
    CPoint pt = Point(*data);
    m_view.SetCaretPos(CPoint(pt.x + m_nCaretOffsetX, pt.y + m_nCaretOffsetY));
    m_view.ShowCaret();
    m_view.SetImeCompositionWindow(pt, CViewHost::Get().GetScreenFont());
}

void CHexCaret::UpdateCompositionWindow() {
    if (CBinData* data = m_view.GetData(); data && m_view.IsCreated())
        m_view.SetImeCompositionWindow(Point(*data), CViewHost::Get().GetScreenFont());
}

void CHexCaret::Destroy() {
    m_view.DestroyCaret();
    m_bCreated = false;
}
