#include "view/ViewHost.h"

#include "platform/framework/Font.h"

namespace {
// Defaults of the settings, one font for both uses, and no bars or dialogs.
class CDefaultViewHost : public CViewHost {
public:
    int JCodeSetting() override { return 0; }
    int IndicatorVisible() override { return 1; }
    int AllowedMode() override { return 2; }
    CFont* GetCurrentFont() override { return &m_font; }
    CFont* GetScreenFont() override { return &m_font; }
    void UsePrinterFont(bool) override {}
    CDialogBar* CreateRulerBar(CFrameWnd*) override { return nullptr; }
    void LayoutRulerBar(CFrameWnd*, bool, int) override {}
    void RefreshSearchDialogs(CKolvaView*) override {}

private:
    CFont m_font;
};

CViewHost* g_pHost = nullptr;
} // namespace

void CViewHost::Set(CViewHost* pHost) {
    g_pHost = pHost;
}

CViewHost& CViewHost::Get() {
    static CDefaultViewHost fallback;
    return g_pHost ? *g_pHost : fallback;
}
