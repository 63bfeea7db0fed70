#include "view/HexCaret.h"

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "view/CaretShape.h"
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
        return m_view.m_bCharArea ? kCaretUnderline : kCaretWideUnderline;
    }
}

void CHexCaret::SetShape(int type) {
    CKolvaView& v = m_view;
    if (type == kCaretLast) type = v.m_nCaretType;
    int w = v.m_nCharWidth, h = v.m_nRowHeight, underline = v.m_nAscent - 1;
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
    v.m_nCaretType = type;
    v.m_nCaretOffsetX = offset.x;
    v.m_nCaretOffsetY = offset.y;
    // Another view takes its shape when it is activated.
    if (!v.IsActiveView()) return;
    v.CreateSolidCaret(size.cx, size.cy);
    m_bCreated = true;
}

CPoint CHexCaret::HexPoint() const {
    CBinData* data = m_view.GetData();
    int caret = data->m_nCaret;
    int x = m_view.ColumnX(data->m_layout.HexColumn(caret % kBytesPerRow)) +
            m_view.m_nNibble * m_view.m_nCharWidth;
    return CPoint(x, m_view.RowY(caret / kBytesPerRow));
}

CPoint CHexCaret::CharPoint() const {
    CBinData* data = m_view.GetData();
    int caret = data->m_nCaret;
    int column = data->m_layout.CharColumn(caret % kBytesPerRow);
    return CPoint(m_view.ColumnX(column), m_view.RowY(caret / kBytesPerRow));
}

void CHexCaret::Place(int type) {
    CKolvaView& v = m_view;
    v.SetCaretShape(type);
    CBinData* data = v.GetData();
    if (!data) return;
    if (data->m_nCaret >= data->GetDataLength() || data->m_nCaret < 0) v.m_nNibble = 0;
    if (!v.IsActiveView()) return;
    // A view that was made active without being told so gets its caret here.
    if (!m_bCreated) v.SetCaretShape(ShapeForMode());
    CPoint pt = v.GetCaretPoint();
    v.SetCaretPos(CPoint(pt.x + v.m_nCaretOffsetX, pt.y + v.m_nCaretOffsetY));
    v.ShowCaret();
    UpdateCompositionWindow();
}

void CHexCaret::UpdateCompositionWindow() {
    if (m_view.IsCreated() && m_view.GetData())
        m_view.SetImeCompositionWindow(m_view.GetCaretPoint(), CViewHost::Get().GetScreenFont());
}

void CHexCaret::Destroy() {
    m_view.DestroyCaret();
    m_bCreated = false;
}
