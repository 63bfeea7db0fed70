#include "view/PagePrinter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/BinData.h"
#include "engine/KolvaDoc.h"
#include "platform/base/CodePage932.h"
#include "platform/framework/DC.h"
#include "platform/framework/PrintInfo.h"
#include "view/KolvaView.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
const char kHeaderFormat[] = "ファイル: %s  サイズ: %X Byte";
const char kTimeFormat[] = "%Y年%m月%d日%H時%M分";
constexpr int kGroupRows = 16;
constexpr int kRowsPerPage = 64;
// One header line, one empty line, the rows and the empty lines between their groups.
constexpr int kLinesPerPage = 1 + 1 + kRowsPerPage + kRowsPerPage / kGroupRows - 1;
constexpr int kMargin = 2000; // 20 mm
constexpr int kTimeTextSize = 64;
// Tries a fitted font gets to absorb the rounding of the device's cells.
constexpr int kFitTries = 4;
} // namespace

void CPagePrinter::Prepare(CPrintInfo* pInfo) {
    pInfo->SetMaxPage(kDialogMaxPage);
}

void CPagePrinter::InitLayout() {
    m_nGroupRows = kGroupRows;
    m_nRowsPerPage = kRowsPerPage;
    m_nLinesPerPage = kLinesPerPage;
    m_nMarginTop = m_nMarginBottom = m_nMarginLeft = m_nMarginRight = kMargin;
    m_nHeaderLines = 1;
    m_nFooterLines = 0;
    m_nLineHeight = 0;
}

void CPagePrinter::Begin(CPrintInfo* pInfo) {
    m_view.InitPrintLayout();
    // An empty file still prints its header page.
    int rows = std::max(DataRows(), 1);
    pInfo->SetMaxPage(static_cast<UINT>((rows - 1) / m_nRowsPerPage + 1));
}

int CPagePrinter::DataRows() const {
    CBinData* data = m_view.GetData();
    int length = data ? data->GetDataLength() : 0;
    return length > 0 ? (length - 1) / kBytesPerRow + 1 : 0;
}

void CPagePrinter::PrintPage(CDC* pDC, CPrintInfo* pInfo) {
    const CRect& rect = pInfo->m_rectDraw;
    if (m_nLinesPerPage <= 0) return;
    m_nLineHeight = (rect.top - m_nMarginBottom - m_nMarginTop - rect.bottom) / m_nLinesPerPage;
    FitFont(pDC, rect);
    int y = -m_nMarginTop, x = m_nMarginLeft;
    if (m_nHeaderLines > 0) {
        m_view.PrintPageHeader(pDC, pInfo);
        y -= (m_nHeaderLines + 1) * m_nLineHeight;
    }
    CBinData* data = m_view.GetData();
    int first = static_cast<int>(pInfo->m_nCurPage - 1) * m_nRowsPerPage;
    int end = DataRows();
    for (int k = 0; data && k < m_nRowsPerPage && first + k < end; ++k) {
        const char* text = data->FormatRowText(first + k, m_view.m_nJCode);
        pDC->TextOut(x, y, text, static_cast<int>(std::strlen(text)));
        if ((k + 1) % m_nGroupRows == 0) y -= m_nLineHeight;
        y -= m_nLineHeight;
    }
    if (m_nFooterLines > 0) m_view.PrintPageFooter(pDC, pInfo);
}

void CPagePrinter::FitFont(CDC* pDC, const CRect& rect) {
    const int width = rect.right - rect.left - m_nMarginLeft - m_nMarginRight;
    const int columns = m_view.GetLastColumn();
    CFont* font = m_view.GetRowFont();
    if (!font || m_nLineHeight <= 0 || width <= 0 || columns <= 0) return;
    CLogFont lf = font->GetLogFont();
    for (int tries = 0; tries < kFitTries; ++tries) {
        TEXTMETRIC tm;
        pDC->GetTextMetrics(tm);
        const int rowWidth = (tm.tmAveCharWidth + tm.tmOverhang) * columns;
        if (tm.tmHeight <= 0 || rowWidth <= 0) return;
        if (tm.tmHeight <= m_nLineHeight && rowWidth <= width) return;
        double scale = std::min(double(m_nLineHeight) / tm.tmHeight, double(width) / rowWidth);
        int height = static_cast<int>(lf.m_nHeight * scale);
        if (height == lf.m_nHeight) height -= lf.m_nHeight > 0 ? 1 : -1;
        if (height == 0) return;
        lf.m_nHeight = height;
        m_fitted.CreateFontIndirect(lf);
        pDC->SelectObject(&m_fitted);
    }
}

std::string CPagePrinter::HeaderLeft() const {
    CKolvaDoc* doc = m_view.GetDocument();
    CBinData* data = m_view.GetData();
    std::string title = doc ? doc->GetTitle() : std::string();
    unsigned size = data ? static_cast<unsigned>(data->GetDataLength()) : 0;
    std::string text(title.size() + sizeof kHeaderFormat + 16, '\0');
    int n = std::snprintf(text.data(), text.size(), kHeaderFormat, title.c_str(), size);
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return CCodePage932::FromUtf8(text);
}

std::string CPagePrinter::HeaderRight() const {
    std::time_t now = m_pClock ? m_pClock() : std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[kTimeTextSize];
    size_t n = std::strftime(text, sizeof text, kTimeFormat, &local);
    return CCodePage932::FromUtf8(std::string(text, n));
}

void CPagePrinter::PrintHeader(CDC* pDC, CPrintInfo* pInfo) {
    const CRect& rect = pInfo->m_rectDraw;
    int y = -m_nMarginTop;
    pDC->TextOut(m_nMarginLeft, y, HeaderLeft());
    std::string time = HeaderRight();
    int w = pDC->GetTextExtent(time).cx;
    pDC->TextOut(rect.right - rect.left - m_nMarginRight - w, y, time);
}

void CPagePrinter::End() {
    m_view.UsePrinterFont(false);
    m_view.MeasureFont(nullptr);
}
