#include "platform/Backend.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Afx.h"

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

int AfxMessageBox(const std::string& text, unsigned type) {
    return CBackend::Current().MessageBox(text, "Quelm", type);
}

void MessageBeep(unsigned type) {
    CBackend::Current().Beep(type);
}
