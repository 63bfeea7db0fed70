#include "platform/framework/Backend.h"

#include <cstdio>
#include <cstdlib>

#include "platform/framework/DC.h"

namespace {
CBackend* g_pBackend = nullptr;
}

CBackend& CBackend::Current() {
    if (!g_pBackend) {
        std::fputs("Quelm: no window-system backend is set\n", stderr);
        std::abort();
    }
    return *g_pBackend;
}

CBackend* CBackend::SetCurrent(CBackend* backend) {
    CBackend* previous = g_pBackend;
    g_pBackend = backend;
    return previous;
}

COLORREF CBackend::GetSysColor(int index) {
    switch (index) {
    case COLOR_WINDOW:
        return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
        return RGB(0, 120, 215);
    case COLOR_HIGHLIGHTTEXT:
        return RGB(255, 255, 255);
    case COLOR_BTNFACE:
        return RGB(240, 240, 240);
    default:
        return RGB(0, 0, 0);
    }
}

COLORREF GetSysColor(int index) {
    return CBackend::Current().GetSysColor(index);
}
