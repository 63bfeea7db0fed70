#include "platform/headless/HeadlessPrinter.h"

#include "platform/framework/PrintJob.h"

bool CHeadlessPrinter::Print(CPrintJob& job, bool bDialog) {
    if (bDialog) {
        ++m_nDialogs;
        bool ok = m_answers.empty() || m_answers.front();
        if (!m_answers.empty()) m_answers.pop_front();
        if (!ok) return false;
    }
    RunPages(job, false);
    return true;
}

bool CHeadlessPrinter::Preview(std::unique_ptr<CPrintJob> pJob) {
    ++m_nPreviews;
    RunPages(*pJob, true);
    return true;
}

bool CHeadlessPrinter::PageSetup() {
    ++m_nPageSetups;
    return m_bPageSetupOk;
}

void CHeadlessPrinter::RunPages(CPrintJob& job, bool bPreview) {
    CPrintedPage scratch;
    CHeadlessPrintDC setup(scratch, m_paper);
    job.Begin(setup);
    for (UINT page = job.Info().GetMinPage(); job.HasPage(page); ++page) {
        if (m_betweenPages && page > job.Info().GetMinPage()) m_betweenPages();
        m_pages.emplace_back();
        CPrintedPage& printed = m_pages.back();
        printed.m_nPage = page;
        printed.m_bPreview = bPreview;
        CHeadlessPrintDC dc(printed, m_paper);
        job.PrintPage(dc, page);
        printed.m_rectDraw = job.Info().m_rectDraw;
    }
    job.End(setup);
}
