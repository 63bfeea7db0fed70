#include "view/KolvaView.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "engine/KolvaDoc.h"
#include "platform/base/Afx.h"
#include "platform/base/CodePage932.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/DC.h"
#include "platform/framework/DialogBar.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "res/Resource.h"
#include "view/CaretShape.h"
#include "view/UpdateHint.h"
#include "view/ViewHost.h"

namespace {
constexpr int kBytesPerRow = 16;
// The most rows a highlight span can reach from the first row it was asked for.
constexpr int kMaxSpanRows = 255;
// Thickness of the bar and underline carets, in pixels.
constexpr int kThickness = 3;

int Length(const char* text) {
    return static_cast<int>(std::strlen(text));
}
} // namespace

CKolvaView::CKolvaView() : m_nJCode(CViewHost::Get().JCodeSetting()) {
    const std::pair<UINT, int> codes[] = {
        {ID_JCODE_SJIS, 0}, {ID_JCODE_UNICODE, 1}, {ID_JCODE_ASCII, 2}};
    for (auto [id, code] : codes) {
        OnCommand(id, [this, code = code] { SetJCode(code); });
        CCmdTarget::OnUpdate(id, [this, code = code](CCmdUI* pCmdUI) {
            pCmdUI->Enable(true);
            pCmdUI->SetCheck(m_nJCode == code ? 1 : 0);
        });
    }
}

CKolvaView::~CKolvaView() = default;

void CKolvaView::Refuse() {
    MessageBeep(MB_ICONEXCLAMATION);
}

CKolvaDoc* CKolvaView::GetDocument() const {
    return dynamic_cast<CKolvaDoc*>(m_pDocument);
}

CBinData* CKolvaView::GetData() const {
    CKolvaDoc* doc = GetDocument();
    return doc ? doc->m_pData.get() : nullptr;
}

int CKolvaView::EditMode() const {
    CKolvaDoc* doc = GetDocument();
    return doc ? doc->m_nEditMode : kModeView;
}

void CKolvaView::AddCommandSet(std::unique_ptr<CViewCommandSet> pSet) {
    m_commandSets.push_back(std::move(pSet));
}

void CKolvaView::AddCommandHandler(UINT id, std::function<void()> handler) {
    OnCommand(id, std::move(handler));
}

void CKolvaView::AddUpdateHandler(UINT id, std::function<void(CCmdUI*)> handler) {
    CCmdTarget::OnUpdate(id, std::move(handler));
}

// Layout and row-view hooks.

int CKolvaView::GetLastColumn() {
    CBinData* data = GetData();
    return data ? data->m_layout.Width() : 0;
}

int CKolvaView::ScrollColumns(int n) {
    int shift = CRowView::ScrollColumns(n);
    if (shift != 0) m_wndRuler.ScrollBy(shift, 0);
    return shift;
}

CFont* CKolvaView::GetRowFont() {
    return CViewHost::Get().GetCurrentFont();
}

void CKolvaView::UsePrinterFont(bool bPrinter) {
    CViewHost::Get().UsePrinterFont(bPrinter);
}

CRowSource* CKolvaView::GetRowSource() {
    return GetData();
}

int CKolvaView::RowY(int64_t row) const {
    // The caret may stand any number of rows away; keep far-off coordinates in range.
    int64_t y = (row - m_nFirstRow) * m_nRowHeight;
    return static_cast<int>(std::clamp<int64_t>(y, -(int64_t(1) << 30), int64_t(1) << 30));
}

// Caret.

bool CKolvaView::IsActiveView() const {
    auto* child = dynamic_cast<CMDIChildWnd*>(GetParentFrame());
    if (!child || child->GetActiveView() != this) return false;
    CMDIFrameWnd* main = child->GetMDIFrame();
    return main && main->MDIGetActive() == child;
}

int CKolvaView::ShapeForMode() const {
    switch (EditMode()) {
    case kModeInsert:
        return kCaretBar;
    case kModeOverwrite:
        return kCaretBlock;
    default:
        return m_bCharArea ? kCaretUnderline : kCaretWideUnderline;
    }
}

void CKolvaView::SetCaretShape(int type) {
    if (type == kCaretLast) type = m_nCaretType;
    int w = m_nCharWidth, h = m_nRowHeight, underline = m_nAscent - 1;
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
    // Only the active view has a caret; another view takes its shape when it is activated.
    if (!IsActiveView()) return;
    CreateSolidCaret(size.cx, size.cy);
    m_bCaretCreated = true;
}

CPoint CKolvaView::GetHexCaretPoint() {
    CBinData* data = GetData();
    int caret = data->m_nCaret;
    int x = ColumnX(data->m_layout.HexColumn(caret % kBytesPerRow)) + m_nNibble * m_nCharWidth;
    return CPoint(x, RowY(caret / kBytesPerRow));
}

CPoint CKolvaView::GetCaretPoint() {
    if (!m_bCharArea) return GetHexCaretPoint();
    CBinData* data = GetData();
    int caret = data->m_nCaret;
    int column = data->m_layout.CharColumn(caret % kBytesPerRow);
    return CPoint(ColumnX(column), RowY(caret / kBytesPerRow));
}

void CKolvaView::PlaceCaret(CDC* /*pDC*/, int type) {
    SetCaretShape(type);
    CBinData* data = GetData();
    if (!data) return;
    if (data->m_nCaret >= data->GetDataLength() || data->m_nCaret < 0) m_nNibble = 0;
    if (!IsActiveView()) return;
    // A view that was made active without being told so gets its caret here.
    if (!m_bCaretCreated) SetCaretShape(ShapeForMode());
    CPoint pt = GetCaretPoint();
    SetCaretPos(CPoint(pt.x + m_nCaretOffsetX, pt.y + m_nCaretOffsetY));
    ShowCaret();
    UpdateCompositionWindow();
}

void CKolvaView::UpdateCompositionWindow() {
    if (IsCreated() && GetData())
        SetImeCompositionWindow(GetCaretPoint(), CViewHost::Get().GetScreenFont());
}

void CKolvaView::OnImeStartComposition() {
    UpdateCompositionWindow();
}

void CKolvaView::OnModeChanged() {
    m_nNibble = 0;
    PlaceCaret(nullptr, ShapeForMode());
}

// Painting.

void CKolvaView::DrawPlainRow(CDC* pDC, CBinData* pData, int row) {
    const char* text = pData->FormatRowText(row, m_nJCode);
    pDC->TextOut(ColumnX(0), RowY(row), text, Length(text));
}

void CKolvaView::DrawSelectedRow(CDC* pDC, CBinData* pData, int row) {
    const char* hex = pData->FormatRow(row);
    if (!hex) {
        DrawPlainRow(pDC, pData, row);
        return;
    }
    int64_t rowStart = int64_t(row) * kBytesPerRow;
    int d = static_cast<int>(std::max<int64_t>(pData->m_nSelStart, rowStart) % kBytesPerRow);
    int g = static_cast<int>(std::min<int64_t>(pData->m_nSelEnd, rowStart + 15) % kBytesPerRow);
    int y = RowY(row);
    const CRowLayout& layout = pData->m_layout;
    int t = layout.HexColumn(d), o = layout.HexColumn(g) + 2;
    pDC->TextOut(ColumnX(0), y, hex, t);
    pDC->SetBkColor(m_clrHighlight);
    pDC->SetTextColor(m_clrHighlightText);
    pDC->TextOut(ColumnX(t), y, hex + t, o - t);
    pDC->SetBkColor(m_clrWindow);
    pDC->SetTextColor(m_clrWindowText);
    pDC->TextOut(ColumnX(o), y, hex + o, Length(hex) - o);

    const char* chars = pData->FormatCharArea(row, m_nJCode);
    if (!chars) return;
    int start = layout.CharStart(), gap = CRowLayout::kAreaGap;
    pDC->TextOut(ColumnX(start), y, chars, gap + d);
    pDC->SetBkColor(m_clrHighlight);
    pDC->SetTextColor(m_clrHighlightText);
    pDC->TextOut(ColumnX(start + gap + d), y, chars + gap + d, g - d + 1);
    pDC->SetBkColor(m_clrWindow);
    pDC->SetTextColor(m_clrWindowText);
    pDC->TextOut(ColumnX(start + gap + g + 1), y, chars + gap + g + 1,
                 Length(chars) - (gap + g + 1));
}

void CKolvaView::DrawSpans(CDC* pDC, const std::vector<uint32_t>* pSpans, int firstRow,
                           COLORREF brush, uint32_t rop) {
    if (!pSpans) return;
    for (uint32_t span : *pSpans) {
        if (span == 0) continue;
        int column = span & 0xFF, width = (span >> 8) & 0xFF;
        int row = firstRow + static_cast<int>((span >> 16) & 0xFF), rows = span >> 24;
        CRect rect(ColumnX(column), RowY(row), ColumnX(column + width), RowY(int64_t(row) + rows));
        pDC->PatBlt(rect, brush, rop);
    }
}

void CKolvaView::DrawOverlays(CDC* pDC, CBinData* pData, int last) {
    // A span counts its rows in 8 bits, so the rows are asked for in slices that fit.
    for (int first = m_nFirstRow; first <= last; first += kMaxSpanRows) {
        int sliceLast = std::min(last, first + kMaxSpanRows - 1);
        DrawSpans(pDC, pData->GetMarkSpans(first, sliceLast), first, m_brushMark, ROP_DPa);
        DrawSpans(pDC, pData->GetRangeSpans(first, sliceLast), first, m_brushRange, ROP_DPo);
    }
}

void CKolvaView::OnDraw(CDC* pDC) {
    CBinData* data = GetData();
    if (!data) return;
    int last = m_nLastRow + 1; // fills a partly visible bottom row
    int selFirst = 0, selLast = -1;
    if (data->m_bSelection) {
        m_clrHighlight = GetSysColor(COLOR_HIGHLIGHT);
        m_clrHighlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        m_clrWindow = GetSysColor(COLOR_WINDOW);
        m_clrWindowText = GetSysColor(COLOR_WINDOWTEXT);
        selFirst = data->m_nSelStart / kBytesPerRow;
        selLast = data->m_nSelEnd / kBytesPerRow;
    }
    for (int row = m_nFirstRow; row <= last; ++row) {
        if (row >= selFirst && row <= selLast)
            DrawSelectedRow(pDC, data, row);
        else
            DrawPlainRow(pDC, data, row);
    }
    DrawOverlays(pDC, data, last);
    m_wndRuler.FollowColumn(m_nFirstCol);
    if (IsActiveView()) PlaceCaret(pDC, kCaretKeep);
}

void CKolvaView::InvalidateRows(int r1, int r2, bool bErase) {
    // Rows outside the window need no repaint; clipping also keeps the pixels in range.
    int low = std::max(std::min(r1, r2), m_nFirstRow);
    int high = std::min(std::max(r1, r2), m_nLastRow + 1);
    if (low > high) return;
    CRect rect(ColumnX(0), RowY(low), ColumnX(GetLastColumn() + 1), RowY(int64_t(high) + 1));
    InvalidateRect(rect, bErase);
}

// Printing.

bool CKolvaView::OnPreparePrinting(CPrintInfo* pInfo) {
    m_pagePrinter.Prepare(pInfo);
    return DoPreparePrinting(pInfo);
}

void CKolvaView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* pInfo) {
    m_pagePrinter.Begin(pInfo);
}

void CKolvaView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_pagePrinter.PrintPage(pDC, pInfo);
}

void CKolvaView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {
    m_pagePrinter.End();
}

void CKolvaView::PrintPageHeader(CDC* pDC, CPrintInfo* pInfo) {
    m_pagePrinter.PrintHeader(pDC, pInfo);
}

void CKolvaView::InitPrintLayout() {
    m_pagePrinter.InitLayout();
}

// Updates from the document and the ruler.

void CKolvaView::OnInitialUpdate() {
    CRowView::OnInitialUpdate();
    if (CKolvaDoc* doc = GetDocument()) {
        doc->m_strBarLabel = doc->GetTitle();
        if (!doc->GetPathName().empty()) doc->SetTitle(doc->GetPathName());
    }
    CFrameWnd* frame = GetParentFrame();
    CDialogBar* bar = frame ? CViewHost::Get().CreateRulerBar(frame) : nullptr;
    if (!bar || m_wndRuler.IsCreated() || !m_wndRuler.Create(bar)) return;
    m_wndRuler.m_pView = this;
    RefreshRuler();
}

void CKolvaView::RefreshRuler() {
    if (!m_wndRuler.IsCreated()) return;
    if (CBinData* data = GetData()) m_wndRuler.SetWindowText(data->FormatHeader());
    MeasureFont(nullptr);
    m_wndRuler.SetRulerFont(GetRowFont());
    CViewHost& host = CViewHost::Get();
    if (CFrameWnd* frame = GetParentFrame())
        host.LayoutRulerBar(frame, host.IndicatorVisible() == 1, m_nRowHeight + 1);
    m_wndRuler.MoveWindow(CRect(2, 2, 2 + GetLastColumn() * m_nCharWidth, 2 + m_nRowHeight));
    m_wndRuler.ShowWindow(true);
}

void CKolvaView::OnUpdate(CView* /*pSender*/, long lHint) {
    if (lHint & UpdateHint::kRelayout) {
        RecalcLayout();
        ClampAndFollow();
        Invalidate(false);
    }
    if (lHint & UpdateHint::kClearSelection) ClearSelection();
}

void CKolvaView::RefreshAfterChange() {
    CBinData* data = GetData();
    if (!data) return;
    int rows = (data->GetCaretLimit() - 1) / kBytesPerRow + 1;
    if (rows != m_nTotalRows) {
        RecalcLayout();
        ClampAndFollow();
    }
    // Whatever changed, a hex digit typed before it no longer belongs to the byte at the caret.
    m_nNibble = 0;
    PlaceCaret(nullptr, ShapeForMode());
    Invalidate(false);
}

void CKolvaView::OnClientAreaChanged() {
    CRect client = GetClientRect();
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    m_nNibble = 0;
    PlaceCaret(nullptr, ShapeForMode());
    Invalidate(false);
}

void CKolvaView::BringCaretIntoView() {
    if (CBinData* data = GetData()) GoToPosition(data->m_nCaret);
}

void CKolvaView::SetJCode(int code) {
    m_nJCode = code;
    Invalidate(false);
}

void CKolvaView::OnActivateView(bool bActivate, CView* pActivate, CView* pDeactive) {
    CRowView::OnActivateView(bActivate, pActivate, pDeactive);
    if (!bActivate) {
        DestroyCaret();
        m_bCaretCreated = false;
        return;
    }
    SetFocus();
    KeepCaretVisible();
    CViewHost::Get().RefreshSearchDialogs(this);
    PlaceCaret(nullptr, ShapeForMode());
}

void CKolvaView::OnDestroy() {
    DestroyCaret();
    m_bCaretCreated = false;
    KillTimer(kDragTimer);
    m_wndRuler.DestroyWindow();
    CRowView::OnDestroy();
}

// Selection.

bool CKolvaView::IsCaretRowVisible() {
    CBinData* data = GetData();
    return data && IsRowVisible(data->m_nCaret / kBytesPerRow);
}

bool CKolvaView::SelectionTouchesVisibleRows() {
    CBinData* data = GetData();
    return data && data->m_bSelection && data->m_nSelStart / kBytesPerRow <= m_nLastRow &&
           data->m_nSelEnd / kBytesPerRow >= m_nFirstRow;
}

void CKolvaView::ClearSelection() {
    CBinData* data = GetData();
    if (!data || !data->m_bSelection) return;
    m_bSelecting = false;
    data->m_bSelection = false;
    InvalidateRows(data->m_nSelStart / kBytesPerRow, data->m_nSelEnd / kBytesPerRow, false);
}

void CKolvaView::ExtendSelection() {
    CBinData* data = GetData();
    if (!data || data->m_nCaret == m_nLastCaret) return;
    int low = INT32_MAX, high = INT32_MIN;
    auto addSelectionRows = [&] {
        if (!data->m_bSelection) return;
        low = std::min(low, data->m_nSelStart / kBytesPerRow);
        high = std::max(high, data->m_nSelEnd / kBytesPerRow);
    };
    addSelectionRows();
    int a = m_nAnchor, c = data->m_nCaret;
    data->SetSelection(std::min(a, c), std::max(a, c) - 1);
    addSelectionRows();
    if (low <= high) InvalidateRows(low, high, false);
    m_nLastCaret = c;
}

// Keyboard.

void CKolvaView::RunKeyCommand(UINT id) {
    if (!RunCommand(id)) Refuse();
}

void CKolvaView::OnDeleteKey(UINT nChar) {
    CBinData* data = GetData();
    if (!data || EditMode() != kModeInsert) {
        Refuse();
    } else if (!data->m_bSelection) {
        if (IsCaretRowVisible())
            RunKeyCommand(nChar == VK_DELETE ? ID_EDIT_DELETE_CHAR : ID_EDIT_DELETE_BACK);
        else
            Refuse();
    } else if (SelectionTouchesVisibleRows()) {
        RunKeyCommand(ID_EDIT_CLEAR);
        ClearSelection();
    } else {
        Refuse();
    }
}

bool CKolvaView::PrepareNavigation(UINT nChar) {
    CBinData* data = GetData();
    if (!data) return false;
    if (GetKeyState(VK_SHIFT) < 0) {
        m_bShiftKey = true;
        if (!m_bSelecting) {
            ClearSelection();
            m_bSelecting = true;
            m_nAnchor = m_nLastCaret = data->m_nCaret;
            m_nNibble = 0;
        }
        return true;
    }
    ClearSelection();
    if (m_bCharArea) return true;
    int mode = EditMode();
    if (mode == kModeOverwrite && (nChar == VK_RIGHT || nChar == VK_LEFT)) {
        // Right steps onto the low digit, Left back onto the high digit, before moving a byte.
        bool wasLow = m_nNibble == 1;
        m_nNibble ^= 1;
        if ((nChar == VK_RIGHT) != wasLow) {
            PlaceCaret(nullptr, kCaretKeep);
            return false;
        }
    } else if (mode == kModeInsert) {
        m_nNibble = 0;
        PlaceCaret(nullptr, kCaretKeep);
    }
    return true;
}

void CKolvaView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_BACK || nChar == VK_DELETE) {
        OnDeleteKey(nChar);
        return;
    }
    if (nChar == VK_ESCAPE) {
        ClearSelection();
        return;
    }
    m_bShiftKey = false;
    if (nChar < VK_PRIOR || nChar > VK_DOWN) return;
    if (!PrepareNavigation(nChar)) return;
    CRowView::OnKeyDown(nChar, nRepCnt, nFlags);
    if (m_bSelecting && m_bShiftKey) ExtendSelection();
}

void CKolvaView::OnKeyUp(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    if (nChar == VK_SHIFT && m_bSelecting) m_bSelecting = false;
}

void CKolvaView::ReleaseMissedShift() {
    // Without key-up messages a keyboard selection whose Shift is no longer held has ended.
    if (m_bSelecting && m_bShiftKey && GetKeyState(VK_SHIFT) >= 0) OnKeyUp(VK_SHIFT, 1, 0);
}

bool CKolvaView::CanTakeCharacter() {
    CBinData* data = GetData();
    int mode = EditMode();
    if (!data || mode == kModeView) return false;
    return !(mode == kModeOverwrite && data->m_nCaret >= data->GetDataLength());
}

int CKolvaView::HexDigitValue(UINT nChar) {
    if (nChar >= '0' && nChar <= '9') return static_cast<int>(nChar - '0');
    if (nChar >= 'A' && nChar <= 'F') return static_cast<int>(nChar - 'A' + 10);
    if (nChar >= 'a' && nChar <= 'f') return static_cast<int>(nChar - 'a' + 10);
    return -1;
}

void CKolvaView::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    if (nChar == 8) return;
    if (nChar == 9) {
        CBinData* data = GetData();
        m_bCharArea = !m_bCharArea && data && data->m_bShowChars ? 1 : 0;
        PlaceCaret(nullptr, ShapeForMode());
        return;
    }
    if (!CanTakeCharacter()) return Refuse();
    CBinData* data = GetData();
    if (m_bCharArea) {
        if (nChar < 32 || nChar > 126) return Refuse();
        EnterByte(static_cast<uint8_t>(nChar));
        return;
    }
    int digit = HexDigitValue(nChar);
    if (digit < 0) return Refuse();
    int byte = data->GetByteAtCaret();
    int value = m_nNibble == 1                 ? digit + (byte & 0xF0)
                : EditMode() == kModeOverwrite ? digit * 16 + (byte & 0x0F)
                                               : digit * 16;
    EnterByte(static_cast<uint8_t>(value));
}

bool CKolvaView::CanEnterAtCaret() {
    CBinData* data = GetData();
    if (!data || EditMode() == kModeView) return false;
    // Typing at the end position needs it on the screen.
    return !(data->m_nCaret >= data->GetDataLength() && data->m_nCaret > LastVisiblePosition());
}

void CKolvaView::EnterByte(uint8_t value) {
    if (!CanEnterAtCaret()) return Refuse();
    StoreByte(value);
}

void CKolvaView::StoreByte(uint8_t value) {
    CBinData* data = GetData();
    CKolvaDoc* doc = GetDocument();
    int caret = data->m_nCaret;
    if (EditMode() == kModeInsert && (m_bCharArea || m_nNibble == 0)) {
        data->InsertAtCaret(value);
        doc->SetModifiedFlag();
        RefreshAfterChange();
    } else {
        // The end position holds no byte to overwrite.
        if (caret >= data->GetDataLength()) return Refuse();
        data->OverwriteAtCaret(value);
        doc->SetModifiedFlag();
        InvalidateRows(caret / kBytesPerRow, caret / kBytesPerRow, false);
    }
    if (!m_bCharArea) {
        m_nNibble ^= 1;
        if (m_nNibble == 1) {
            PlaceCaret(nullptr, kCaretKeep);
            return;
        }
    } else {
        PlaceCaret(nullptr, ShapeForMode());
    }
    // The next byte goes after this one even where the view cannot scroll to show it;
    // otherwise typed bytes would pile up in reverse order at one place.
    if (!GoToPosition(caret + 1) && data->SetCaret(caret + 1) >= 0) PlaceCaret(nullptr, kCaretKeep);
}

void CKolvaView::OnImeChar(UINT nChar, UINT /*nRepCnt*/) {
    CBinData* data = GetData();
    if (!CanTakeCharacter() || !m_bCharArea) return Refuse();
    auto first = static_cast<uint8_t>(nChar > 0xFF ? nChar >> 8 : nChar);
    auto second = static_cast<uint8_t>(nChar > 0xFF ? nChar : 0);
    bool unicode = m_nJCode == 1;
    if (unicode) {
        const unsigned char bytes[2] = {first, second};
        char16_t unit = 0;
        CCodePage932::Decode(bytes, second ? 2 : 1, unit);
        first = static_cast<uint8_t>(unit & 0xFF);
        second = static_cast<uint8_t>(unit >> 8);
    }
    if (!unicode && second == 0) {
        EnterByte(first);
        return;
    }
    // Both bytes or neither: overwriting needs two bytes under the caret.
    if (!CanEnterAtCaret() ||
        (EditMode() == kModeOverwrite && data->m_nCaret + 1 >= data->GetDataLength()))
        return Refuse();
    EnterImeBytes(first, second);
}

void CKolvaView::EnterImeBytes(uint8_t first, uint8_t second) {
    CBinData* data = GetData();
    data->ClearRedo(); // before the group starts, so the saved state is judged at its depth
    data->BeginUndoGroup();
    StoreByte(first);
    StoreByte(second);
    data->EndUndoGroup();
}

// Mouse.

void CKolvaView::StartDragTimer(int distance) {
    SetTimer(kDragTimer, distance == 1 ? 120 : distance == 2 ? 90 : 60);
}

void CKolvaView::SetCaretFromPoint(UINT flags, int x, int y) {
    CBinData* data = GetData();
    if (!data || m_nRowHeight <= 0 || m_nCharWidth <= 0) return;
    int row = y / m_nRowHeight + m_nFirstRow;
    int c = x / m_nCharWidth + m_nFirstCol;
    int charColumn = data->m_layout.CharAreaStart();
    int i;
    if (c >= charColumn) {
        i = data->m_bShowChars ? c - charColumn : c;
    } else if (c < 0) {
        i = 0;
    } else {
        i = data->m_layout.ByteAtHexColumn(c);
    }
    int pointRow = row;
    if (i >= kBytesPerRow) {
        ++row;
        i = 0;
    }
    i = std::max(i, 0);
    m_bCharArea = data->m_bShowChars && c >= charColumn ? 1 : 0;
    KillTimer(kDragTimer);
    if (row < m_nFirstRow || row > m_nLastRow) {
        m_nDragFlags = static_cast<int32_t>(flags);
        m_ptDrag = CPoint(x, y);
        StartDragTimer(row < m_nFirstRow ? m_nFirstRow - row : row - m_nLastRow);
    }
    int lastRow = m_nTotalRows - 1;
    if (pointRow > lastRow) return;
    // A point past the end of a short last row means the end position.
    int target = static_cast<int>(
        std::min<int64_t>(int64_t(row) * kBytesPerRow + i, data->GetCaretLimit() - 1));
    row = target / kBytesPerRow;
    i = target % kBytesPerRow;
    int column = data->m_nCaret / kBytesPerRow * kBytesPerRow + i;
    if (column < data->GetCaretLimit()) data->m_nCaret = column;
    if (ScrollRowIntoView(row)) return;
    data->SetCaret(target);
    PlaceCaret(nullptr, kCaretKeep);
}

void CKolvaView::OnLButtonDown(UINT nFlags, CPoint pt) {
    ReleaseMissedShift();
    CBinData* data = GetData();
    if (!data) return;
    // A click puts the caret on the high digit of the byte it hits.
    m_nNibble = 0;
    SetCaretFromPoint(nFlags, pt.x, pt.y);
    PlaceCaret(nullptr, ShapeForMode());
    if (m_bSelecting) {
        ExtendSelection();
        return;
    }
    ClearSelection();
    m_bSelecting = true;
    m_nAnchor = m_nLastCaret = data->m_nCaret;
    SetCapture();
}

void CKolvaView::OnMouseMove(UINT nFlags, CPoint pt) {
    if (!m_bSelecting || !(nFlags & MK_LBUTTON)) return;
    SetCaretFromPoint(nFlags, pt.x, pt.y);
    ExtendSelection();
}

void CKolvaView::OnLButtonUp(UINT /*nFlags*/, CPoint /*pt*/) {
    m_bSelecting = false;
    KillTimer(kDragTimer);
    ReleaseCapture();
}

void CKolvaView::OnTimer(UINT nIDEvent) {
    if (nIDEvent == kDragTimer && m_bSelecting && (m_nDragFlags & MK_LBUTTON)) {
        SetCaretFromPoint(static_cast<UINT>(m_nDragFlags), m_ptDrag.x, m_ptDrag.y);
        ExtendSelection();
    }
    CRowView::OnTimer(nIDEvent);
}
