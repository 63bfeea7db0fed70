#include "platform/framework/PrintJob.h"

#include "platform/framework/DC.h"
#include "platform/framework/View.h"

void CPrintJob::Begin(CDC& dc) {
    m_bActive = m_bBegun = true;
    m_nPrinted = 0;
    m_info.m_bContinuePrinting = true;
    m_view.OnBeginPrinting(&dc, &m_info);
}

bool CPrintJob::HasPage(UINT page) const {
    return m_info.m_bContinuePrinting && page >= m_info.GetMinPage() && page <= m_info.GetMaxPage();
}

void CPrintJob::PrintPage(CDC& dc, UINT page) {
    if (!HasPage(page)) return;
    m_info.m_nCurPage = page;
    m_view.OnPrepareDC(&dc);
    // The area is read after the view chose its mapping.
    m_info.m_rectDraw = dc.GetPrintableRect();
    m_view.OnPrint(&dc, &m_info);
    ++m_nPrinted;
}

void CPrintJob::End(CDC& dc) {
    if (!m_bActive) return;
    m_bActive = false;
    m_view.OnEndPrinting(&dc, &m_info);
}
