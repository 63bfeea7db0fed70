#pragma once
// A main frame with the program's resources, the one template of CKolvaDoc, a plain document
// window and CKolvaView with its commands, a test host for the settings and bars, and
// documents opened from files written in a temporary folder.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "commands/ViewCommands.h"
#include "engine/DocumentHost.h"
#include "engine/KolvaDoc.h"
#include "platform/base/Afx.h"
#include "platform/base/ResourceSet.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/DialogBar.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/WinApp.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/TestSupport.h"
#include "tests/view/HexViewTemplate.h"
#include "view/KolvaView.h"
#include "view/ViewHost.h"

class CTestViewHost : public CViewHost, public CDocumentHost {
public:
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
    int BackupSetting() override { return 0; }
    int MaxOnMemoryMB() override { return 16; }
    void OnDocumentClosing(CKolvaDoc*) override {}
    void OnLabelChanged(CKolvaDoc*) override {}

    int m_nJCode = 0, m_nIndicatorVisible = 1, m_nAllowedMode = 2, m_nInitialMode = 2;
    CFont m_screen, m_printer;
    CFont* m_pCurrent = &m_screen;
    std::map<CFrameWnd*, std::unique_ptr<CDialogBar>> m_bars;
    bool m_bBarShown = false;
    int m_nBarHeight = 0;
    CKolvaView* m_pSearchView = nullptr;
};

class ViewFixture : public ::testing::Test {
protected:
    ViewFixture() {
        CResourceSet::SetCurrent(&QuelmResources());
        CViewHost::Set(&m_host);
        CKolvaDoc::SetHost(&m_host);
        m_frame = std::make_unique<CMDIFrameWnd>();
        m_frame->LoadFrame(IDR_MAINFRAME);
        m_app.m_pMainWnd = m_frame.get();
        m_app.AddDocTemplate(NewHexViewTemplate());
    }
    ~ViewFixture() override {
        m_app.GetDocTemplate()->CloseAllDocuments();
        m_frame.reset();
        CViewHost::Set(nullptr);
        CKolvaDoc::SetHost(nullptr);
        CResourceSet::SetCurrent(nullptr);
    }

    // Opens the bytes as a file (or a new document for "new") with a window of rows x 80
    // columns; the view has the keyboard.
    CKolvaView* Open(const Bytes& bytes, int rows = 30, const std::string& name = "f.bin") {
        CDocument* doc = m_app.OpenDocumentFile(name == "new" ? "" : m_dir.Write(name, bytes));
        if (!doc) return nullptr;
        auto* view = dynamic_cast<CKolvaView*>(doc->GetViews().at(0));
        Peer(view)->Resize(80 * 8, rows * 16);
        view->SetFocus();
        return view;
    }
    CHeadlessWindowPeer* Peer(const CWnd* wnd) { return m_backend.PeerOf(wnd); }
    CBinData& Data(CKolvaView* view) { return *view->GetData(); }
    void Activate(CKolvaView* view) {
        m_frame->OnChildActivated(dynamic_cast<CMDIChildWnd*>(view->GetParentFrame()));
    }
    void Type(const std::string& text) {
        for (char c : text)
            m_backend.TypeChar(static_cast<unsigned char>(c));
    }
    bool Enabled(UINT id) { return m_frame->QueryCommand(id).m_bEnabled; }
    size_t Beeps() const { return m_backend.m_beeps.size(); }

    CHeadlessBackend m_backend;
    CTestViewHost m_host;
    TempDir m_dir;
    CWinApp m_app;
    std::unique_ptr<CMDIFrameWnd> m_frame;
};

inline Bytes Sequence(size_t n) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i)
        b[i] = static_cast<uint8_t>(i);
    return b;
}
