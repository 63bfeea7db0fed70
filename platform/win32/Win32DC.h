#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <string>
#include <vector>

#include "platform/framework/DC.h"

// A device context on a GDI one. Text is code page 932 on an exact cell grid: one byte per
// cell of the font's half-width advance, a double-byte character across two cells, drawn by
// one ExtTextOutW call with an advance for every character.
class CWin32DC : public CDC {
public:
    // hwnd: a window's context to release when done; null for a context owned elsewhere.
    CWin32DC(HDC hdc, HWND hwnd, bool bPrinting = false);
    ~CWin32DC() override;
    CWin32DC(const CWin32DC&) = delete;
    CWin32DC& operator=(const CWin32DC&) = delete;

    CFont* SelectObject(CFont* pFont) override;
    bool GetTextMetrics(TEXTMETRIC& tm) override;
    void TextOut(int x, int y, const char* text, int n) override;
    void ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text,
                    int n) override;
    void FillSolidRect(const CRect& rect, COLORREF color) override;
    void PatBlt(const CRect& rect, COLORREF brush, uint32_t rop) override;
    int SetMapMode(int mode) override;
    bool IsPrinting() const override { return m_bPrinting; }
    CRect GetPrintableRect() override;
    bool GetClipBox(CRect& rect) const override;
    // What this paint must cover, in device pixels.
    void SetPaintRect(const RECT& rect);

    HDC GetHdc() const { return m_hdc; }
    // The text as UTF-16 with the advance of each unit, so that the cells stay exact.
    void Layout(const char* text, int n, int cell);
    const std::wstring& LaidOutText() const { return m_wide; }
    const std::vector<INT>& Advances() const { return m_advances; }

protected:
    // Gives the context the mapping mode the program chose.
    virtual void ApplyMapMode(int mode) { ::SetMapMode(m_hdc, mode); }

private:
    void Realize();
    int CellWidth();

    HDC m_hdc;
    HWND m_hWnd;
    bool m_bPrinting;
    HGDIOBJ m_hOldFont = nullptr;
    bool m_bRealized = false;
    int m_nCellWidth = 0;
    bool m_bHasPaintRect = false;
    RECT m_paint{};
    std::wstring m_wide;
    std::vector<INT> m_advances;
};
