#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <memory>
#include <vector>

#include "platform/framework/WindowRequest.h"
#include "platform/framework/Wnd.h"
#include "platform/headless/MemoryClipboard.h"
#include "platform/headless/MemoryProfileStore.h"
#include "platform/win32/Win32Backend.h"
#include "platform/win32/Win32WindowPeer.h"

// A request for a window of the kind, titled "Test".
inline CWindowRequest Request(CWindowRequest::Kind kind, CWnd* parent) {
    CWindowRequest r;
    r.m_kind = kind;
    r.m_pParent = parent;
    r.m_strTitle = "Test";
    return r;
}

inline HWND Hwnd(const CWnd& wnd) {
    return CWin32WindowPeer::Of(&wnd)->GetHwnd();
}

// The backend with settings and clipboard of its own, current for one test.
class CTestBackend {
public:
    CTestBackend()
        : m_backend(std::make_unique<CMemoryProfileStore>(), std::make_unique<CMemoryClipboard>()) {
    }
    CWin32Backend& Get() { return m_backend; }

private:
    CWin32Backend m_backend;
};

// A 32-bit top-down bitmap selected into a memory context, whose pixels the test reads.
class CPixelCanvas {
public:
    CPixelCanvas(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_hdc = CreateCompatibleDC(nullptr);
        m_hBitmap = CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
        m_hOld = SelectObject(m_hdc, m_hBitmap);
        RECT all{0, 0, width, height};
        FillRect(m_hdc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~CPixelCanvas() {
        SelectObject(m_hdc, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hdc);
    }
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    HDC Hdc() const { return m_hdc; }
    // The pixel as 0x00RRGGBB.
    uint32_t At(int x, int y) const {
        GdiFlush();
        return static_cast<const uint32_t*>(m_pBits)[y * m_width + x] & 0xFFFFFF;
    }
    // Every pixel as 0x00RRGGBB, row by row.
    std::vector<uint32_t> Pixels() const {
        GdiFlush();
        const auto* bits = static_cast<const uint32_t*>(m_pBits);
        std::vector<uint32_t> pixels(bits, bits + size_t(m_width) * size_t(m_height));
        for (uint32_t& p : pixels)
            p &= 0xFFFFFF;
        return pixels;
    }
    // Whether any pixel of the rectangle is not the colour.
    bool Differs(const RECT& r, uint32_t rgb) const {
        for (int y = r.top; y < r.bottom && y < m_height; ++y)
            for (int x = r.left; x < r.right && x < m_width; ++x)
                if (At(x, y) != rgb) return true;
        return false;
    }

private:
    int m_width, m_height;
    HDC m_hdc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    void* m_pBits = nullptr;
};
