#pragma once
// A main frame with the program's resources and the one template of CKolvaDoc, with plain
// document windows and CKolvaView with its commands, on the recording backend and the stub
// host: the views and their commands without the shell.
#include <memory>
#include <string>

#include "engine/KolvaDoc.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/WinApp.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/StubHost.h"
#include "tests/view/HexViewTemplate.h"
#include "view/KolvaView.h"

class HexViewProgram {
public:
    HexViewProgram() {
        CResourceSet::SetCurrent(&QuelmResources());
        m_frame = std::make_unique<CMDIFrameWnd>();
        m_frame->LoadFrame(IDR_MAINFRAME);
        m_app.m_pMainWnd = m_frame.get();
        m_app.AddDocTemplate(NewHexViewTemplate());
    }
    ~HexViewProgram() {
        m_app.GetDocTemplate()->CloseAllDocuments();
        m_frame.reset();
        CResourceSet::SetCurrent(nullptr);
    }
    HexViewProgram(const HexViewProgram&) = delete;
    HexViewProgram& operator=(const HexViewProgram&) = delete;

    // The file at path ("" for a new document) in a window of rows x 80 columns; null when it
    // could not be opened.
    CKolvaView* OpenPath(const std::string& path, int rows = 30) {
        CDocument* doc = m_app.OpenDocumentFile(path);
        auto* view = doc ? dynamic_cast<CKolvaView*>(doc->GetViews().at(0)) : nullptr;
        if (view) Peer(view)->Resize(80 * 8, rows * 16);
        return view;
    }
    void Activate(CKolvaView* view) {
        m_frame->OnChildActivated(dynamic_cast<CMDIChildWnd*>(view->GetParentFrame()));
    }
    CHeadlessWindowPeer* Peer(const CWnd* wnd) { return m_backend.PeerOf(wnd); }

    CHeadlessBackend m_backend;
    CStubHost m_host;
    CWinApp m_app;
    std::unique_ptr<CMDIFrameWnd> m_frame;
};
