#pragma once
#include "platform/framework/PrintInfo.h"

class CDC;
class CView;

// The page loop of one print job over a view's print hooks. The window system's printer (or
// preview) calls it: Begin once, PrintPage for every page it wants, End once.
class CPrintJob {
public:
    CPrintJob(CView& view, const CPrintInfo& info) : m_view(view), m_info(info) {}

    CView& View() const { return m_view; }
    CPrintInfo& Info() { return m_info; }

    void Begin(CDC& dc);
    // False for a page outside the job's range or once the view stopped the job.
    bool HasPage(UINT page) const;
    void PrintPage(CDC& dc, UINT page);
    void End(CDC& dc);
    bool IsActive() const { return m_bActive; }
    // Whether printing started (the print dialog was confirmed), and the pages printed since
    // the last Begin.
    bool HasBegun() const { return m_bBegun; }
    UINT PagesPrinted() const { return m_nPrinted; }

private:
    CView& m_view;
    CPrintInfo m_info;
    bool m_bActive = false;
    bool m_bBegun = false;
    UINT m_nPrinted = 0;
};
