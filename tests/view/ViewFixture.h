#pragma once
// A main frame with the program's resources, the one template of CKolvaDoc, a plain document
// window and CKolvaView with its commands, the stub host for the settings and bars, and
// documents opened from files written in a temporary folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "commands/ViewCommands.h"
#include "engine/KolvaDoc.h"
#include "platform/base/Afx.h"
#include "platform/base/ResourceSet.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/WinApp.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/StubHost.h"
#include "tests/TestSupport.h"
#include "tests/view/HexViewTemplate.h"
#include "view/KolvaView.h"

class ViewFixture : public ::testing::Test {
protected:
    ViewFixture() {
        CResourceSet::SetCurrent(&QuelmResources());
        m_frame = std::make_unique<CMDIFrameWnd>();
        m_frame->LoadFrame(IDR_MAINFRAME);
        m_app.m_pMainWnd = m_frame.get();
        m_app.AddDocTemplate(NewHexViewTemplate());
    }
    ~ViewFixture() override {
        m_app.GetDocTemplate()->CloseAllDocuments();
        m_frame.reset();
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
    CStubHost m_host;
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
