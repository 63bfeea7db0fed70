#pragma once
#include "platform/base/Types.h"

// What a print job tells the view's print hooks: the page range, the page being printed, the
// area to draw it in and whether the pages go to a preview window.
class CPrintInfo {
public:
    // The page count a dialog offers before the document knows its own.
    static constexpr UINT kUnknownMaxPage = 0xFFFF;

    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    bool m_bPreview = false;
    bool m_bContinuePrinting = true;
    UINT m_nCurPage = 1;
    // The printable area of the page in the context's logical units.
    CRect m_rectDraw;

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = kUnknownMaxPage;
};
