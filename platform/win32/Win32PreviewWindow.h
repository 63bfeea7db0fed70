#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <memory>

class CPrintJob;

// The print preview: a window of ours that draws the job's pages as the printer gets them,
// one at a time (Page Down and Page Up turn them, Escape closes). It runs modally, so the view
// the job prints stays while it is open.
class CWin32PreviewWindow {
public:
    CWin32PreviewWindow(std::unique_ptr<CPrintJob> pJob, CSize page);
    ~CWin32PreviewWindow();
    CWin32PreviewWindow(const CWin32PreviewWindow&) = delete;
    CWin32PreviewWindow& operator=(const CWin32PreviewWindow&) = delete;

    // Shows the pages until the window is closed; false when it could not be made.
    bool Run(HWND owner);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Paint();
    void Turn(int delta);
    void UpdateTitle();
    // The page's rectangle in the window: as large as fits, its proportions kept.
    RECT PageRect() const;

    std::unique_ptr<CPrintJob> m_pJob;
    CSize m_page;
    HWND m_hWnd = nullptr;
    UINT m_nPage;
    bool m_bOpen = false;
};
