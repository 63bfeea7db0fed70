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
#include "view/ByteEntry.h"
#include "view/CaretShape.h"
#include "view/HexCaret.h"
#include "view/HexKeyboard.h"
#include "view/HexMouse.h"
#include "view/HexPainter.h"
#include "view/HexSelection.h"
#include "view/PagePrinter.h"
#include "view/UpdateHint.h"
#include "view/ViewCommandSet.h"
#include "view/ViewHost.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
} // namespace

CKolvaView::CKolvaView()
    : m_nJCode(CJCodeTable::FromSetting(CViewHost::Get().JCodeSetting())),
      m_pPainter(std::make_unique<CHexPainter>(*this)),
      m_pCaret(std::make_unique<CHexCaret>(*this, m_caretState)),
      m_pSelection(std::make_unique<CHexSelection>(*this, *m_pPainter, m_caretState)),
      m_pEntry(std::make_unique<CByteEntry>(*this, m_caretState, *m_pCaret)),
      m_pKeyboard(
          std::make_unique<CHexKeyboard>(*this, m_caretState, *m_pCaret, *m_pSelection, *m_pEntry)),
      m_pMouse(std::make_unique<CHexMouse>(*this, m_caretState, *m_pCaret, *m_pSelection)),
      m_pPagePrinter(std::make_unique<CPagePrinter>(*this)) {
    for (const JCodeTraits& traits : CJCodeTable::All()) {
        JCode code = traits.m_code;
        OnCommand(traits.m_nMenuID, [this, code] { SetJCode(code); });
        CCmdTarget::OnUpdate(traits.m_nMenuID, [this, code](CCmdUI* pCmdUI) {
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

void CKolvaView::AttachCommandSet(std::unique_ptr<CViewCommandSet> pSet) {
    CCmdTarget::AttachCommandSet(std::move(pSet));
}

bool CKolvaView::RunCommand(UINT id) {
    if (!HasCommandHandler(id)) return false; // passed on along the chain
    bool ran = false;
    m_pCaret->PlaceOnceAfter([&] { ran = CRowView::RunCommand(id); });
    return ran;
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
    return m_pCaret->ShapeForMode();
}

void CKolvaView::SetCaretShape(int type) {
    m_pCaret->SetShape(type);
}

CPoint CKolvaView::GetHexCaretPoint() {
    CBinData* data = GetData();
    return data ? m_pCaret->HexPoint(*data) : CPoint();
}

void CKolvaView::PlaceCaret(CDC* /*pDC*/, int type) {
    m_pCaret->Place(type);
}

void CKolvaView::OnImeStartComposition() {
    m_pCaret->UpdateCompositionWindow();
}

void CKolvaView::OnModeChanged() {
    m_pCaret->StartOver();
}

// Painting.

void CKolvaView::OnDraw(CDC* pDC) {
    m_pPainter->Draw(pDC);
    if (!GetData()) return;
    m_wndRuler.FollowColumn(m_nFirstCol);
    if (IsActiveView()) PlaceCaret(pDC, kCaretKeep);
}

void CKolvaView::InvalidateRows(int r1, int r2, bool bErase) {
    m_pPainter->InvalidateRows(r1, r2, bErase);
}

// Printing.

bool CKolvaView::OnPreparePrinting(CPrintInfo* pInfo) {
    m_pPagePrinter->Prepare(pInfo);
    return DoPreparePrinting(pInfo);
}

void CKolvaView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* pInfo) {
    m_pPagePrinter->Begin(pInfo);
}

void CKolvaView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_pPagePrinter->PrintPage(pDC, pInfo);
}

void CKolvaView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {
    m_pPagePrinter->End();
}

void CKolvaView::PrintPageHeader(CDC* pDC, CPrintInfo* pInfo) {
    m_pPagePrinter->PrintHeader(pDC, pInfo);
}

void CKolvaView::InitPrintLayout() {
    m_pPagePrinter->InitLayout();
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
    if (lHint & UpdateHint::kAfterChange) FollowChange();
    if (lHint & UpdateHint::kRepaint) Invalidate(false);
    if (lHint & UpdateHint::kCaretRow) {
        if (CBinData* data = GetData())
            m_pPainter->InvalidateRows(data->m_nCaret / kBytesPerRow, data->m_nCaret / kBytesPerRow,
                                       false);
    }
    if (lHint & UpdateHint::kClearSelection) m_pSelection->ClearSelection();
}

void CKolvaView::FollowChange() {
    CBinData* data = GetData();
    if (!data) return;
    int rows = (data->GetCaretLimit() - 1) / kBytesPerRow + 1;
    if (rows != m_nTotalRows) {
        RecalcLayout();
        ClampAndFollow();
    }
    m_pCaret->StartOver();
    Invalidate(false);
}

void CKolvaView::OnClientAreaChanged() {
    CRect client = GetClientRect();
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    m_pCaret->StartOver();
    Invalidate(false);
}

void CKolvaView::BringCaretIntoView() {
    if (CBinData* data = GetData()) GoToPosition(data->m_nCaret);
}

void CKolvaView::SetJCode(JCode code) {
    m_nJCode = code;
    Invalidate(false);
}

void CKolvaView::OnActivateView(bool bActivate, CView* pActivate, CView* pDeactive) {
    CRowView::OnActivateView(bActivate, pActivate, pDeactive);
    if (!bActivate) {
        m_pCaret->Destroy();
        return;
    }
    SetFocus();
    KeepCaretVisible();
    CViewHost::Get().RefreshSearchDialogs(this);
    m_pCaret->Place(ShapeForMode());
}

void CKolvaView::OnDestroy() {
    m_pCaret->Destroy();
    KillTimer(kDragTimer);
    m_wndRuler.DestroyWindow();
    CRowView::OnDestroy();
}

bool CKolvaView::IsCaretRowVisible() {
    CBinData* data = GetData();
    return data && IsRowVisible(data->m_nCaret / kBytesPerRow);
}

// Keys and the mouse: whatever a message moves, the caret is placed once, when it is handled.

void CKolvaView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    m_pCaret->PlaceOnceAfter([&] { m_pKeyboard->KeyDown(nChar, nRepCnt, nFlags); });
}

void CKolvaView::OnKeyUp(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    m_pKeyboard->KeyUp(nChar);
}

void CKolvaView::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    m_pCaret->PlaceOnceAfter([&] { m_pKeyboard->Char(nChar); });
}

void CKolvaView::OnImeChar(UINT nChar, UINT /*nRepCnt*/) {
    m_pCaret->PlaceOnceAfter([&] { m_pEntry->EnterImeChar(nChar); });
}

void CKolvaView::OnLButtonDown(UINT nFlags, CPoint pt) {
    m_pCaret->PlaceOnceAfter([&] {
        m_pKeyboard->ReleaseMissedShift();
        m_pMouse->ButtonDown(nFlags, pt);
    });
}

void CKolvaView::OnMouseMove(UINT nFlags, CPoint pt) {
    m_pCaret->PlaceOnceAfter([&] { m_pMouse->Move(nFlags, pt); });
}

void CKolvaView::OnLButtonUp(UINT /*nFlags*/, CPoint /*pt*/) {
    m_pMouse->ButtonUp();
}

void CKolvaView::OnTimer(UINT nIDEvent) {
    m_pCaret->PlaceOnceAfter([&] { m_pMouse->Timer(nIDEvent); });
    CRowView::OnTimer(nIDEvent);
}
