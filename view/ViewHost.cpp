#include "view/ViewHost.h"

#include <cstdio>
#include <cstdlib>

namespace {
CViewHost* g_pHost = nullptr;
} // namespace

void CViewHost::Set(CViewHost* pHost) {
    g_pHost = pHost;
}

CViewHost& CViewHost::Get() {
    if (!g_pHost) {
        std::fputs("Quelm: no view host is installed\n", stderr);
        std::abort();
    }
    return *g_pHost;
}
