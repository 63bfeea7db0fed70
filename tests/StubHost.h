#pragma once
// The program around documents and views, for tests and benchmarks that run them without the
// shell: settings they can change, fonts, ruler bars, and messages shown through the backend.
// It is installed for as long as it lives.
#include <map>
#include <memory>
#include <string>

#include "engine/BinData.h"
#include "engine/DocumentHost.h"
#include "engine/EditMode.h"
#include "platform/framework/DialogBar.h"
#include "platform/framework/Font.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/ViewHost.h"

class CStubHost : public CViewHost, public CDocumentHost {
public:
    CStubHost() {
        CViewHost::Set(this);
        CDocumentHost::Set(this);
    }
    ~CStubHost() override {
        CViewHost::Set(nullptr);
        CDocumentHost::Set(nullptr);
    }
    CStubHost(const CStubHost&) = delete;
    CStubHost& operator=(const CStubHost&) = delete;

    int JCodeSetting() override { return m_nJCode; }
    int IndicatorVisible() override { return m_nIndicatorVisible; }
    int AllowedMode() override { return m_nAllowedMode; }
    CFont* GetCurrentFont() override { return m_pCurrent; }
    CFont* GetScreenFont() override { return &m_screen; }
    void UsePrinterFont(bool bPrinter) override { m_pCurrent = bPrinter ? &m_printer : &m_screen; }
    CDialogBar* CreateRulerBar(CFrameWnd* pFrame) override {
        auto& bar = m_bars[pFrame];
        bar = std::make_unique<CDialogBar>();
        return bar->Create(pFrame, IDD_RULER_BAR, IDD_RULER_BAR) ? bar.get() : nullptr;
    }
    void LayoutRulerBar(CFrameWnd*, bool bShow, int nHeight) override {
        m_bBarShown = bShow;
        m_nBarHeight = nHeight;
    }
    void RefreshSearchDialogs(CKolvaView* pView) override { m_pSearchView = pView; }

    int InitialMode() override { return m_nInitialMode; }
    int BackupSetting() override { return m_bBackup; }
    int MaxOnMemoryMB() override { return CBinData::kDefaultMaxOnMemoryMB; }
    int ShowMessage(const std::string& text, unsigned type) override {
        return AfxMessageBox(text, type);
    }
    void OnDocumentClosing(CKolvaDoc*) override {}
    void OnLabelChanged(CKolvaDoc*) override {}

    int m_nJCode = 0, m_nIndicatorVisible = 1, m_nAllowedMode = kModeInsert;
    int m_nInitialMode = kModeInsert;
    int m_bBackup = 1; // on, as a new user has it
    CFont m_screen, m_printer;
    CFont* m_pCurrent = &m_screen;
    std::map<CFrameWnd*, std::unique_ptr<CDialogBar>> m_bars;
    bool m_bBarShown = false;
    int m_nBarHeight = 0;
    CKolvaView* m_pSearchView = nullptr;
};
