#include "platform/wx/WxDC.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <wx/graphics.h>

#include "platform/base/CodePage932.h"
#include "platform/wx/WxRasterOp.h"

namespace {
constexpr double kHiMetricPerInch = 2540.0;

wxColour Colour(COLORREF c) {
    return wxColour(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Characters no font draws: the platform's private-use area, where code page 932 puts its
// user-defined characters and a few single bytes.
bool IsPrivateUse(char16_t unit) {
    return unit >= 0xE000 && unit <= 0xF8FF;
}

// Limits drawing to a rectangle, within the clipping the DC has, until it ends. The toolkit's
// own clipper would give the DC back only the box of a paint's region, so where the DC draws
// through a graphics context its state is saved and restored instead.
class ClipTo {
public:
    ClipTo(wxDC& dc, const wxRect& rect) : m_pContext(dc.GetGraphicsContext()) {
        if (!m_pContext) {
            m_clipper.emplace(dc, rect);
            return;
        }
        m_pContext->PushState();
        m_pContext->Clip(rect.x, rect.y, rect.width, rect.height);
    }
    ~ClipTo() {
        if (m_pContext) m_pContext->PopState();
    }
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;

private:
    wxGraphicsContext* m_pContext;
    std::optional<wxDCClipper> m_clipper;
};

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
    m_bRealized = false;
    return CDC::SelectObject(pFont);
}

void CWxDC::Realize() {
    if (m_bRealized) return;
    m_bRealized = true;
    m_pMetrics = &CWxGlyphMetrics::Select(m_dc, m_pFont ? m_pFont->GetLogFont() : CLogFont(),
                                          m_scaleY / m_fontEnlargement, m_bPrinting);
    m_layout.FontChanged();
}

const CWxGlyphMetrics::Cells& CWxDC::CellMetrics() {
    Realize();
    return m_pMetrics->GetCells();
}

int CWxDC::ToLogical(int pixels, bool bVertical) const {
    return static_cast<int>(std::lround(pixels / (bVertical ? m_scaleY : m_scaleX)));
}

bool CWxDC::GetTextMetrics(TEXTMETRIC& tm) {
    const CWxGlyphMetrics::Cells& c = CellMetrics();
    tm = TEXTMETRIC();
    tm.tmHeight = ToLogical(c.height, true);
    tm.tmAscent = ToLogical(c.ascent, true);
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmAveCharWidth = ToLogical(c.width, false);
    tm.tmMaxCharWidth = 2 * tm.tmAveCharWidth;
    tm.tmOverhang = 0;
    return true;
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
    DrawText(ToDevice(x, y), reinterpret_cast<const unsigned char*>(text), n, 0, n);
}

void CWxDC::DrawText(wxPoint origin, const unsigned char* p, int n, int first, int end) {
    if (end <= first) return;
    const CWxGlyphMetrics::Cells& c = CellMetrics();
    // Opaque background, as text on this grid is always drawn.
    FillDevice(wxRect(origin.x + first * c.width, origin.y, (end - first) * c.width, c.height),
               m_back);
    DrawCells(origin, p, n, first, end);
}

void CWxDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text, int n) {
    if (!rect) return TextOut(x, y, text, n);
    wxRect box = ToDevice(*rect);
    if (!(options & ETO_CLIPPED)) {
        if (options & ETO_OPAQUE) FillDevice(box, m_back);
        return TextOut(x, y, text, n);
    }
    if (box.IsEmpty()) return;
    ClipTo clip(m_dc, box);
    if (options & ETO_OPAQUE) FillDevice(box, m_back);
    // Only the cells that meet the rectangle are drawn, but the text is read from its start,
    // so its characters pair up as they do when it is drawn whole.
    int width = CellMetrics().width;
    wxPoint origin = ToDevice(x, y);
    int first = static_cast<int>(std::floor(double(box.x - origin.x) / width));
    int end = static_cast<int>(std::ceil(double(box.x + box.width - origin.x) / width));
    DrawText(origin, reinterpret_cast<const unsigned char*>(text), n, std::max(first, 0),
             std::min(end, n));
}

void CWxDC::DrawCells(wxPoint origin, const unsigned char* p, int n, int first, int end) {
    m_dc.SetTextForeground(Colour(m_text));
    m_dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    m_run.clear();
    int cell = 0;
    for (int i = 0; i < n && cell < end;) {
        char16_t unit = 0;
        int used = CCodePage932::Decode(p + i, static_cast<size_t>(n - i), unit);
        if (cell + used <= first) {
            cell += used;
            i += used;
            continue;
        }
        CellKind kind = Classify(p[i], used, unit);
        if (kind == Glyph && FitsCells(unit, used)) {
            if (m_run.empty()) m_nRunCell = cell;
            m_run += static_cast<wchar_t>(unit);
        } else if (kind != Glyph && !m_run.empty() && FitsCells(' ', 1)) {
            m_run.append(static_cast<size_t>(used), ' '); // holds the cells; dots go over them
        } else {
            FlushRun(origin);
            if (kind == Glyph) DrawAlone(origin, cell, used, unit);
        }
        for (int k = 0; kind == Dots && k < used; ++k)
            DrawDot(origin, cell + k);
        cell += used;
        i += used;
    }
    FlushRun(origin);
}

CWxDC::CellKind CWxDC::Classify(unsigned char first, int used, char16_t unit) {
    if (used == 2) return IsPrivateUse(unit) ? Dots : Glyph;
    if (unit == 0) return first == 0 ? Blank : Dots; // an undecodable byte
    if (unit < 0x20 || unit == 0x7F) return Blank;   // control characters
    // Byte 0x80 maps to a control character no font draws; it is no character either.
    if (unit < 0xA0 && unit >= 0x80) return Dots;
    return IsPrivateUse(unit) ? Dots : Glyph;
}

bool CWxDC::FitsCells(char16_t unit, int cells) {
    const CWxGlyphMetrics::Cells& c = CellMetrics();
    if (!c.bRunsExact) return false;
    // A glyph from another font has a baseline of its own, and in a run the toolkit would
    // move every glyph down to the lowest one.
    const CWxGlyphMetrics::Glyph& glyph = m_pMetrics->GlyphOf(m_dc, unit);
    return glyph.advance == cells * c.width && glyph.ascent == c.baseline;
}

void CWxDC::FlushRun(wxPoint origin) {
    m_run.Trim(true);
    if (m_run.empty()) return;
    DrawString(m_run, origin.x + m_nRunCell * CellMetrics().width, origin.y);
    m_run.clear();
}

void CWxDC::DrawAlone(wxPoint origin, int cell, int cells, char16_t unit) {
    const CWxGlyphMetrics::Cells& c = CellMetrics();
    const CWxGlyphMetrics::Glyph& glyph = m_pMetrics->GlyphOf(m_dc, unit);
    int x = origin.x + cell * c.width;
    int slack = cells * c.width - glyph.advance;
    // On the row's baseline, whichever font the toolkit found the glyph in.
    int y = origin.y + c.baseline - glyph.ascent;
    std::optional<ClipTo> clip;
    if (slack < 0 || y < origin.y || y + glyph.height > origin.y + c.height)
        clip.emplace(m_dc, wxRect(x, origin.y, cells * c.width, c.height));
    DrawString(wxString(static_cast<wchar_t>(unit)), x + slack / 2, y);
}

void CWxDC::DrawString(const wxString& text, int x, int y) {
    if (!m_layout.Draw(m_dc, text, x, y)) m_dc.DrawText(text, x, y);
}

void CWxDC::DrawDot(wxPoint origin, int cell) {
    const CWxGlyphMetrics::Cells& c = CellMetrics();
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
    if (ApplyClipped(r, brush, op)) return;
    // A DC without readable pixels (a printer): the toolkit's nearest operation.
    wxRasterOperationMode old = m_dc.GetLogicalFunction();
    m_dc.SetLogicalFunction(LogicalFunction(op));
    FillDevice(r, op == CWxRasterOp::Invert ? RGB(255, 255, 255) : brush);
    m_dc.SetLogicalFunction(old);
}

bool CWxDC::ApplyClipped(const wxRect& rect, COLORREF brush, CWxRasterOp::Op op) {
    if (!m_bClipped) return CWxRasterOp::Apply(m_dc, rect, brush, op);
    // The pixels are changed directly, past the DC's clipping: only those of the region.
    wxRegion part(m_clip);
    part.Intersect(rect);
    for (wxRegionIterator it(part); it; ++it)
        if (!CWxRasterOp::Apply(m_dc, it.GetRect(), brush, op)) return false;
    return true;
}

bool CWxDC::GetClipBox(CRect& rect) const {
    if (!m_bClipped) return false;
    wxRect box = m_clip.GetBox();
    rect = CRect(ToLogical(box.x, false), ToLogical(box.y, true),
                 ToLogical(box.x + box.width, false), ToLogical(box.y + box.height, true));
    return true;
}

void CWxDC::SetClipRegion(const wxRegion& region) {
    m_bClipped = true;
    m_clip = region;
}

int CWxDC::SetMapMode(int mode) {
    int old = CDC::SetMapMode(mode);
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
