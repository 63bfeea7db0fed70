#include "view/KolvaView.h"

#include <algorithm>
#include <utility>

#include "engine/BinData.h"
#include "engine/EditMode.h"
#include "engine/KolvaDoc.h"
#include "platform/framework/DialogBar.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/CaretShape.h"
#include "view/UpdateHint.h"
#include "view/ViewHost.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
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
    return m_caret.ShapeForMode();
}

void CKolvaView::SetCaretShape(int type) {
    m_caret.SetShape(type);
}

CPoint CKolvaView::GetHexCaretPoint() {
    return m_caret.HexPoint();
}

CPoint CKolvaView::GetCaretPoint() {
    return m_bCharArea ? m_caret.CharPoint() : GetHexCaretPoint();
}

void CKolvaView::PlaceCaret(CDC* /*pDC*/, int type) {
    m_caret.Place(type);
}

void CKolvaView::OnImeStartComposition() {
    m_caret.UpdateCompositionWindow();
}

void CKolvaView::OnModeChanged() {
    m_nNibble = 0;
    PlaceCaret(nullptr, ShapeForMode());
}

// Painting.

void CKolvaView::OnDraw(CDC* pDC) {
    m_painter.Draw(pDC);
    if (!GetData()) return;
    m_wndRuler.FollowColumn(m_nFirstCol);
    if (IsActiveView()) PlaceCaret(pDC, kCaretKeep);
}

void CKolvaView::InvalidateRows(int r1, int r2, bool bErase) {
    m_painter.InvalidateRows(r1, r2, bErase);
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
        m_caret.Destroy();
        return;
    }
    SetFocus();
    KeepCaretVisible();
    CViewHost::Get().RefreshSearchDialogs(this);
    PlaceCaret(nullptr, ShapeForMode());
}

void CKolvaView::OnDestroy() {
    m_caret.Destroy();
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
    return m_selection.TouchesVisibleRows();
}

void CKolvaView::StartSelection() {
    m_selection.Start();
}

void CKolvaView::ClearSelection() {
    m_selection.Clear();
}

void CKolvaView::ExtendSelection() {
    m_selection.Extend();
}

// Keyboard.

void CKolvaView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    m_keyboard.KeyDown(nChar, nRepCnt, nFlags);
}

void CKolvaView::OnKeyUp(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    m_keyboard.KeyUp(nChar);
}

void CKolvaView::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    m_keyboard.Char(nChar);
}

bool CKolvaView::CanTakeCharacter() const {
    return m_entry.CanTakeCharacter();
}

void CKolvaView::EnterByte(uint8_t value) {
    m_entry.Enter(value);
}

void CKolvaView::OnImeChar(UINT nChar, UINT /*nRepCnt*/) {
    m_entry.EnterImeChar(nChar);
}

// Mouse.

void CKolvaView::SetCaretFromPoint(UINT flags, int x, int y) {
    m_mouse.SetCaretFromPoint(flags, x, y);
}

void CKolvaView::OnLButtonDown(UINT nFlags, CPoint pt) {
    m_keyboard.ReleaseMissedShift();
    m_mouse.ButtonDown(nFlags, pt);
}

void CKolvaView::OnMouseMove(UINT nFlags, CPoint pt) {
    m_mouse.Move(nFlags, pt);
}

void CKolvaView::OnLButtonUp(UINT /*nFlags*/, CPoint /*pt*/) {
    m_mouse.ButtonUp();
}

void CKolvaView::OnTimer(UINT nIDEvent) {
    m_mouse.Timer(nIDEvent);
    CRowView::OnTimer(nIDEvent);
}
