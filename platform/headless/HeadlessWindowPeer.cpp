#include "platform/headless/HeadlessWindowPeer.h"

#include <algorithm>
#include <functional>

#include "platform/base/Afx.h"
#include "platform/framework/ExceptionBoundary.h"
#include "platform/framework/PropertySheet.h"
#include "platform/framework/Wnd.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
// Every command id in a menu tree, in order.
void CollectCommands(const std::vector<CMenuItemDef>& items, std::vector<UINT>& ids) {
    for (const CMenuItemDef& item : items) {
        if (item.m_kind == CMenuItemDef::Command) ids.push_back(item.m_nID);
        CollectCommands(item.m_children, ids);
    }
}
} // namespace

CHeadlessWindowPeer::CHeadlessWindowPeer(CHeadlessBackend* pBackend, CWnd* pOwner,
                                         const CWindowRequest& request)
    : m_pBackend(pBackend), m_pOwner(pOwner), m_request(request), m_strText(request.m_strTitle) {
    if (request.m_kind == CWindowRequest::MainFrame && request.m_size.cx > 0 &&
        request.m_size.cy > 0)
        m_window = CRect(0, 0, request.m_size.cx, request.m_size.cy);
    m_grid.Resize(m_client.Width() / CHeadlessDC::kCharWidth,
                  m_client.Height() / CHeadlessDC::kCharHeight);
    pBackend->Register(this);
}

CHeadlessWindowPeer::~CHeadlessWindowPeer() {
    if (m_pBackend) m_pBackend->Unregister(this);
}

void CHeadlessWindowPeer::PostCommand(UINT id) {
    ++m_nPostedCommands;
    if (m_pBackend && m_pOwner) m_pBackend->Post(this, id);
}

void CHeadlessWindowPeer::Destroy() {
    m_bDestroyed = true;
    m_bVisible = false;
    if (m_pBackend) m_pBackend->Unregister(this);
}

void CHeadlessWindowPeer::MoveWindow(const CRect& rect) {
    m_window = rect;
    Resize(rect.Width(), rect.Height());
}

void CHeadlessWindowPeer::Resize(int cx, int cy) {
    m_client = CRect(0, 0, cx, cy);
    m_grid.Resize(cx / CHeadlessDC::kCharWidth, cy / CHeadlessDC::kCharHeight);
    m_bInvalid = m_bAllInvalid = true;
    m_pOwner->OnSize(SIZE_RESTORED, cx, cy);
}

void CHeadlessWindowPeer::Invalidate(const CRect* pRect, bool bErase) {
    m_bInvalid = true;
    m_bEraseRequested = m_bEraseRequested || bErase;
    m_invalidRects.push_back(pRect ? *pRect : m_client);
    if (!pRect) m_bAllInvalid = true;
}

void CHeadlessWindowPeer::UpdateWindow() {
    if (m_bInvalid) Paint();
}

void CHeadlessWindowPeer::ScrollWindow(int dx, int dy) {
    m_scrolls.emplace_back(dx, dy);
    m_bInvalid = true;
    if (dx % CHeadlessDC::kCharWidth || dy % CHeadlessDC::kCharHeight) {
        m_bAllInvalid = true;
        return;
    }
    // The cells move with the contents, invalid ones included; what is uncovered is invalid.
    m_grid.Shift(dx / CHeadlessDC::kCharWidth, dy / CHeadlessDC::kCharHeight);
    for (CRect& rect : m_invalidRects)
        rect = CRect(rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy);
    int w = m_client.Width(), h = m_client.Height();
    if (dy > 0) m_invalidRects.emplace_back(0, 0, w, dy);
    if (dy < 0) m_invalidRects.emplace_back(0, h + dy, w, h);
    if (dx > 0) m_invalidRects.emplace_back(0, 0, dx, h);
    if (dx < 0) m_invalidRects.emplace_back(w + dx, 0, w, h);
}

void CHeadlessWindowPeer::SetFocus() {
    CWnd* previous = m_pBackend->m_pFocus ? m_pBackend->m_pFocus->m_pOwner : nullptr;
    if (previous == m_pOwner) return;
    m_pBackend->m_pFocus = this;
    if (previous) previous->OnKillFocus();
    m_pOwner->OnSetFocus();
}

std::unique_ptr<CDC> CHeadlessWindowPeer::GetDC() {
    return std::make_unique<CHeadlessDC>(&m_grid);
}

void CHeadlessWindowPeer::SetScrollInfo(int bar, const SCROLLINFO& si, bool) {
    m_scroll[bar & 1].Apply(si);
}

bool CHeadlessWindowPeer::GetScrollInfo(int bar, SCROLLINFO& si) {
    m_scroll[bar & 1].CopyTo(si);
    return true;
}

void CHeadlessWindowPeer::CreateCaret(int w, int h) {
    m_caretSize = CSize(w, h);
    m_bCaretExists = true;
    m_nCaretShow = 0;
}

void CHeadlessWindowPeer::DestroyCaret() {
    m_bCaretExists = false;
    m_nCaretShow = 0;
}

void CHeadlessWindowPeer::SetImeCompositionWindow(CPoint pt, const CFont*) {
    m_imePos = pt;
}

void CHeadlessWindowPeer::UpdateCommandUI() {
    std::vector<UINT> ids;
    if (m_request.m_pMenu)
        for (const CMenuItemDef& popup : m_request.m_pMenu->m_popups)
            CollectCommands(popup.m_children, ids);
    for (const Button& b : m_buttons)
        if (b.m_nID) ids.push_back(b.m_nID);
    for (UINT id : ids) {
        CCmdUI state(id);
        m_pOwner->OnUpdateFromUI(&state);
        m_commandStates.insert_or_assign(id, state);
    }
}

void CHeadlessWindowPeer::SetButtonImage(int index, int image) {
    m_buttonImages[index] = image;
}

void CHeadlessWindowPeer::SetPanes(const std::vector<int>& widths) {
    m_paneWidths = widths;
    m_paneTexts.assign(widths.size(), std::string());
}

void CHeadlessWindowPeer::SetPaneText(int index, const std::string& text) {
    if (index >= 0 && static_cast<size_t>(index) < m_paneTexts.size())
        m_paneTexts[static_cast<size_t>(index)] = text;
    ++m_nPaneTextsSet;
}

int CHeadlessWindowPeer::RunModal() {
    m_bModal = true;
    m_bVisible = true;
    m_nModalResult = IDCANCEL;
    // A test scripts what the user does in the dialog; without a script the user cancels.
    if (!m_pBackend->RunDialogScript(*this) && m_bModal) m_pOwner->OnCommandFromUI(IDCANCEL);
    m_bVisible = false;
    return m_nModalResult;
}

void CHeadlessWindowPeer::EndModal(int result) {
    m_nModalResult = result;
    m_bModal = false;
}

void CHeadlessWindowPeer::SetSpinRange(UINT id, int low, int high) {
    m_items[id].m_nLow = low;
    m_items[id].m_nHigh = high;
}

void CHeadlessWindowPeer::Paint() {
    if (m_bDestroyed) return;
    CHeadlessDC dc(&m_grid);
    if (!m_bAllInvalid && !m_invalidRects.empty()) {
        CRect box = m_invalidRects.front();
        for (const CRect& r : m_invalidRects)
            box = CRect(std::min(box.left, r.left), std::min(box.top, r.top),
                        std::max(box.right, r.right), std::max(box.bottom, r.bottom));
        dc.SetClipBox(box);
        if (m_bEraseRequested) dc.FillSolidRect(box, CCellGrid::Cell().m_back);
    } else if (m_bEraseRequested) {
        m_grid.Resize(m_grid.m_nCols, m_grid.m_nRows);
    }
    CExceptionBoundary::Run([&] { m_pOwner->OnPaint(&dc); });
    ++m_nPaints;
    m_bInvalid = m_bAllInvalid = m_bEraseRequested = false;
    m_invalidRects.clear();
    m_scrolls.clear();
}

bool CHeadlessWindowPeer::SelectPage(int index) {
    auto* sheet = dynamic_cast<CPropertySheet*>(m_pOwner);
    if (!sheet || !sheet->OnPageChanging()) return false;
    sheet->OnPageChanged(index);
    return true;
}
