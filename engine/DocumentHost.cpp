#include "engine/DocumentHost.h"

#include "platform/base/Afx.h"

namespace {
CDocumentHost* g_pHost = nullptr;
} // namespace

void CDocumentHost::Set(CDocumentHost* pHost) {
    g_pHost = pHost;
}

CDocumentHost* CDocumentHost::Get() {
    return g_pHost;
}

int CDocumentHost::Report(const std::string& text, unsigned type) {
    return g_pHost ? g_pHost->ShowMessage(text, type) : IDCANCEL;
}
