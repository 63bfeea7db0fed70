#pragma once
// The Windows headers and the framework's headers together. The framework keeps the platform's
// names for its own types and constants (COLORREF, SCROLLINFO, VK_*, MB_*, ...), so the Windows
// headers come first with their clashing type names moved aside, then their clashing macros go
// and the framework's declarations, of the same values, take their place. Code here calls the
// wide functions by their W names.
#define COLORREF Win32ColorRef
#define SCROLLINFO Win32ScrollInfo
#define LPSCROLLINFO Win32LPScrollInfo
#define LPCSCROLLINFO Win32LPCScrollInfo
#define TEXTMETRIC Win32TextMetric
#define Win32TextMetricA TEXTMETRICA
#define Win32TextMetricW TEXTMETRICW
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which they build on.
#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <shellapi.h>
#include <winspool.h>
#undef COLORREF
#undef SCROLLINFO
#undef LPSCROLLINFO
#undef LPCSCROLLINFO
#undef TEXTMETRIC
#undef Win32TextMetricA
#undef Win32TextMetricW

#include "platform/win32/Win32Undef.h"

// The framework's free functions of these names answer through the backend; here the system's
// own are meant.
#define GetSysColor QuelmGetSysColor
#define GetKeyState QuelmGetKeyState
#define MessageBeep QuelmMessageBeep
#include "platform/base/Afx.h"
#include "platform/base/Types.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/DC.h"
#include "platform/framework/ScrollInfo.h"
#include "platform/framework/SystemServices.h"
#undef GetSysColor
#undef GetKeyState
#undef MessageBeep

// The framework's rectangles and the system's.
inline RECT ToRECT(const CRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}
inline CRect ToCRect(const RECT& r) {
    return CRect(r.left, r.top, r.right, r.bottom);
}
