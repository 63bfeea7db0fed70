#include "platform/headless/HeadlessPrinter.h"

#include <algorithm>

#include "platform/framework/PrintJob.h"

bool CHeadlessPrinter::Print(CPrintJob& job, bool bDialog) {
    Answer answer;
    if (bDialog) {
        ++m_nDialogs;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
        if (!answer.bOk) return false;
    }
    RunPages(job, false, answer);
    return true;
}

bool CHeadlessPrinter::Preview(std::unique_ptr<CPrintJob> pJob) {
    ++m_nPreviews;
    RunPages(*pJob, true, Answer());
    return true;
}

bool CHeadlessPrinter::PageSetup() {
    ++m_nPageSetups;
    return m_bPageSetupOk;
}

void CHeadlessPrinter::RunPages(CPrintJob& job, bool bPreview, const Answer& asked) {
    CPrintedPage scratch;
    CHeadlessPrintDC setup(scratch, m_paper);
    job.Begin(setup);
    const UINT first = std::max(job.Info().GetMinPage(), asked.nFrom);
    const UINT last = asked.nTo ? asked.nTo : job.Info().GetMaxPage();
    for (UINT page = first; page <= last && job.HasPage(page); ++page) {
        if (m_betweenPages && page > first) m_betweenPages();
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
