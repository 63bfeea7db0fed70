#include "platform/wx/WxDC.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/base/CodePage932.h"
#include "platform/wx/WxFontMapper.h"
#include "platform/wx/WxRasterOp.h"

namespace {
constexpr double kHiMetricPerInch = 2540.0;

wxColour Colour(COLORREF c) {
    return wxColour(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Half-width characters of several kinds; a run of them is drawn at once only when the font
// advances every one of them by exactly one cell.
const wchar_t kRunSample[] = L"0123456789ABCDEFWMabcdefijl-_|.\uFF71\uFF72\uFF73\uFF9D\uFF9E";

// Characters no font draws: the platform's private-use area, where code page 932 puts its
// user-defined characters and a few single bytes.
bool IsPrivateUse(char16_t unit) {
    return unit >= 0xE000 && unit <= 0xF8FF;
}

wxRasterOperationMode LogicalFunction(CWxRasterOp::Op op) {
    switch (op) {
    case CWxRasterOp::And:
        return wxAND;
    case CWxRasterOp::Or:
        return wxOR;
    case CWxRasterOp::Xor:
        return wxXOR;
    case CWxRasterOp::Invert:
        return wxINVERT;
    default:
        return wxCOPY;
    }
}
} // namespace

CWxDC::CWxDC(wxDC& dc, bool bPrinting) : m_dc(dc), m_bPrinting(bPrinting) {}

CWxDC::CWxDC(std::unique_ptr<wxDC> dc)
    : m_pOwned(std::move(dc)), m_dc(*m_pOwned), m_bPrinting(false) {}

CFont* CWxDC::SelectObject(CFont* pFont) {
    CFont* old = m_pFont;
    m_pFont = pFont;
    m_bRealized = false;
    return old;
}

void CWxDC::Realize() {
    if (m_bRealized) return;
    m_bRealized = true;
    m_dc.SetFont(CWxFontMapper::Realize(m_pFont ? m_pFont->GetLogFont() : CLogFont(), m_scaleY));
    wxFontMetrics fm = m_dc.GetFontMetrics();
    m_cells.height = fm.height;
    m_cells.ascent = fm.ascent;
    m_cells.width = std::max(m_dc.GetTextExtent("0").x, 1);
    m_cells.wideAdvance = m_dc.GetTextExtent(wxString(L"\u3042")).x;
    wxString sample(kRunSample);
    m_cells.bRunsExact =
        m_dc.GetTextExtent(sample).x == m_cells.width * static_cast<int>(sample.length());
}

const CWxDC::Cells& CWxDC::CellMetrics() {
    Realize();
    return m_cells;
}

int CWxDC::ToLogical(int pixels, bool bVertical) const {
    return static_cast<int>(std::lround(pixels / (bVertical ? m_scaleY : m_scaleX)));
}

bool CWxDC::GetTextMetrics(TEXTMETRIC& tm) {
    const Cells& c = CellMetrics();
    tm = TEXTMETRIC();
    tm.tmHeight = ToLogical(c.height, true);
    tm.tmAscent = ToLogical(c.ascent, true);
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmAveCharWidth = ToLogical(c.width, false);
    tm.tmMaxCharWidth = 2 * tm.tmAveCharWidth;
    tm.tmOverhang = 0;
    return true;
}

COLORREF CWxDC::SetTextColor(COLORREF color) {
    std::swap(color, m_text);
    return color;
}

COLORREF CWxDC::SetBkColor(COLORREF color) {
    std::swap(color, m_back);
    return color;
}

wxPoint CWxDC::ToDevice(int x, int y) const {
    if (m_nMapMode != MM_HIMETRIC) return wxPoint(x, y);
    return wxPoint(static_cast<int>(std::lround(x * m_scaleX)),
                   static_cast<int>(std::lround(-y * m_scaleY)));
}

wxRect CWxDC::ToDevice(const CRect& rect) const {
    wxPoint a = ToDevice(rect.left, rect.top), b = ToDevice(rect.right, rect.bottom);
    return wxRect(wxPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                  wxSize(std::abs(b.x - a.x), std::abs(b.y - a.y)));
}

void CWxDC::FillDevice(const wxRect& rect, COLORREF color) {
    if (rect.IsEmpty()) return;
    m_dc.SetPen(*wxTRANSPARENT_PEN);
    m_dc.SetBrush(wxBrush(Colour(color)));
    m_dc.DrawRectangle(rect);
}

void CWxDC::TextOut(int x, int y, const char* text, int n) {
    if (n <= 0) return;
    const Cells& c = CellMetrics();
    wxPoint origin = ToDevice(x, y);
    // Opaque background, as text on this grid is always drawn.
    FillDevice(wxRect(origin.x, origin.y, n * c.width, c.height), m_back);
    DrawCells(origin, reinterpret_cast<const unsigned char*>(text), n);
}

void CWxDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text, int n) {
    std::optional<wxDCClipper> clip;
    if (rect && (options & ETO_CLIPPED)) clip.emplace(m_dc, ToDevice(*rect));
    if (rect && (options & ETO_OPAQUE)) FillDevice(ToDevice(*rect), m_back);
    TextOut(x, y, text, n);
}

void CWxDC::DrawCells(wxPoint origin, const unsigned char* p, int n) {
    m_dc.SetTextForeground(Colour(m_text));
    m_dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    m_run.clear();
    int runStart = 0, cell = 0;
    for (int i = 0; i < n;) {
        char16_t unit = 0;
        int used = CCodePage932::Decode(p + i, static_cast<size_t>(n - i), unit);
        CellKind kind = Classify(p[i], used, unit);
        if (kind == Half) {
            if (m_run.empty()) runStart = cell;
            m_run += static_cast<wchar_t>(unit);
        } else {
            FlushRun(origin, runStart);
            if (kind == Wide) DrawWide(origin, cell, unit);
            for (int k = 0; kind == Dots && k < used; ++k)
                DrawDot(origin, cell + k);
        }
        cell += used;
        i += used;
    }
    FlushRun(origin, runStart);
}

CWxDC::CellKind CWxDC::Classify(unsigned char first, int used, char16_t unit) {
    if (used == 2) return IsPrivateUse(unit) ? Dots : Wide;
    if (unit == 0) return first == 0 ? Blank : Dots;                // an undecodable byte
    if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0)) return Blank; // control characters
    return IsPrivateUse(unit) ? Dots : Half;
}

void CWxDC::FlushRun(wxPoint origin, int firstCell) {
    if (m_run.empty()) return;
    const Cells& c = CellMetrics();
    int x = origin.x + firstCell * c.width;
    if (c.bRunsExact) {
        m_dc.DrawText(m_run, x, origin.y);
    } else {
        for (size_t k = 0; k < m_run.length(); ++k, x += c.width) {
            wxDCClipper clip(m_dc, wxRect(x, origin.y, c.width, c.height));
            m_dc.DrawText(m_run.substr(k, 1), x, origin.y);
        }
    }
    m_run.clear();
}

void CWxDC::DrawWide(wxPoint origin, int cell, char16_t unit) {
    const Cells& c = CellMetrics();
    int x = origin.x + cell * c.width;
    int slack = 2 * c.width - c.wideAdvance;
    std::optional<wxDCClipper> clip;
    // A full-width glyph wider than two cells at this size is centred and cut at the cells.
    if (slack < 0) clip.emplace(m_dc, wxRect(x, origin.y, 2 * c.width, c.height));
    m_run += static_cast<wchar_t>(unit);
    m_dc.DrawText(m_run, x + slack / 2, origin.y);
    m_run.clear();
}

void CWxDC::DrawDot(wxPoint origin, int cell) {
    const Cells& c = CellMetrics();
    int size = std::max(2, c.width / 4);
    int cx = origin.x + cell * c.width + c.width / 2;
    int cy = origin.y + c.ascent - c.ascent / 3;
    FillDevice(wxRect(cx - size / 2, cy - size / 2, size, size), m_text);
}

void CWxDC::FillSolidRect(const CRect& rect, COLORREF color) {
    FillDevice(ToDevice(rect), color);
}

void CWxDC::PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) {
    CWxRasterOp::Op op;
    if (!CWxRasterOp::FromRop(rop, op)) return;
    wxRect r = ToDevice(rect);
    if (op == CWxRasterOp::Copy) {
        FillDevice(r, brush);
        return;
    }
    if (CWxRasterOp::Apply(m_dc, r, brush, op)) return;
    // A DC without readable pixels (a printer): the toolkit's nearest operation.
    wxRasterOperationMode old = m_dc.GetLogicalFunction();
    m_dc.SetLogicalFunction(LogicalFunction(op));
    FillDevice(r, op == CWxRasterOp::Invert ? RGB(255, 255, 255) : brush);
    m_dc.SetLogicalFunction(old);
}

int CWxDC::SetMapMode(int mode) {
    int old = m_nMapMode;
    m_nMapMode = mode;
    m_scaleX = m_scaleY = 1.0;
    if (mode == MM_HIMETRIC) {
        wxRealPoint ppi = m_devicePPI;
        if (ppi.x <= 0 || ppi.y <= 0) ppi = wxRealPoint(m_dc.GetPPI().x, m_dc.GetPPI().y);
        m_scaleX = ppi.x / kHiMetricPerInch;
        m_scaleY = ppi.y / kHiMetricPerInch;
    }
    m_bRealized = false;
    return old;
}

CRect CWxDC::GetPrintableRect() {
    if (!m_bPrinting) return CRect();
    wxSize size = m_dc.GetSize();
    int w = ToLogical(size.x, false), h = ToLogical(size.y, true);
    return m_nMapMode == MM_HIMETRIC ? CRect(0, 0, w, -h) : CRect(0, 0, w, h);
}
