#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/framework/PrintService.h"
#include "platform/headless/HeadlessPrintDC.h"

// The recording printer: every page printed or previewed is kept for tests to read. The print
// dialog answers from a queue (OK for all pages when it is empty); a preview renders each page
// once, as a user paging through it would, and closes.
class CHeadlessPrinter : public CPrintService {
public:
    bool Print(CPrintJob& job, bool bDialog) override;
    bool Preview(std::unique_ptr<CPrintJob> pJob) override;
    bool PageSetup() override;

    // false: the next print dialog is cancelled. A page range (from 1) limits what it prints.
    void QueueDialogAnswer(bool bOk, UINT nFrom = 0, UINT nTo = 0) {
        m_answers.push_back({bOk, nFrom, nTo});
    }

    std::vector<CPrintedPage> m_pages;
    int m_nDialogs = 0;
    int m_nPreviews = 0;
    int m_nPageSetups = 0;
    // The paper every page is printed on, in 0.01 mm; tests turn it for landscape.
    CSize m_paper{CHeadlessPrintDC::kPageWidth, CHeadlessPrintDC::kPageHeight};
    bool m_bPageSetupOk = true;
    // What the screen does between two pages, as when a print dialog closes above a view.
    std::function<void()> m_betweenPages;

private:
    struct Answer {
        bool bOk = true;
        UINT nFrom = 0, nTo = 0; // 0: the job's first or last page
    };
    // Begin, then every page of the job within the range asked for, then End, each page on a
    // fresh context.
    void RunPages(CPrintJob& job, bool bPreview, const Answer& asked);

    std::deque<Answer> m_answers;
};
