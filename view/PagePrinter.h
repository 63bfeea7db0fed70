#pragma once
#include <ctime>
#include <string>

#include "platform/base/Types.h"
#include "platform/framework/Font.h"

class CDC;
class CKolvaView;
class CPrintInfo;

// Prints the hex view's rows on pages in 0.01 mm units: a header line with the file name, the
// size and the time, an empty line, then 64 rows with an empty line after every 16th. Printed
// rows start at column 0 and use none of the screen's colours, marks or selection.
class CPagePrinter {
public:
    static constexpr UINT kDialogMaxPage = 999;

    explicit CPagePrinter(CKolvaView& view) : m_view(view) {}

    void Prepare(CPrintInfo* pInfo);
    // The layout and the page count, from the rows that hold bytes.
    void Begin(CPrintInfo* pInfo);
    void PrintPage(CDC* pDC, CPrintInfo* pInfo);
    // The screen font and row metrics come back.
    void End();

    void InitLayout();
    void PrintHeader(CDC* pDC, CPrintInfo* pInfo);
    // The header's two texts, in code page 932.
    std::string HeaderLeft() const;
    std::string HeaderRight() const;
    // Tests fix the time the header shows.
    void SetClock(std::time_t (*clock)()) { m_pClock = clock; }

    int m_nGroupRows = 0;
    int m_nRowsPerPage = 0;
    int m_nLinesPerPage = 0;
    int m_nMarginTop = 0;
    int m_nMarginBottom = 0;
    int m_nMarginLeft = 0;
    int m_nMarginRight = 0;
    int m_nHeaderLines = 0;
    int m_nFooterLines = 0;
    int m_nLineHeight = 0;

private:
    // A page shorter or narrower than the printer font needs (landscape, small paper) gets the
    // font scaled down until a row fits its line and the width: a taller cell would be covered
    // by the next row's background.
    void FitFont(CDC* pDC, const CRect& rect);
    // Rows holding data bytes; the end position's own row prints nothing and needs no page.
    int DataRows() const;

    CKolvaView& m_view;
    CFont m_fitted;
    std::time_t (*m_pClock)() = nullptr;
};
