#pragma once
// The program's frame, template and views on the recording backend, without a display, for
// benchmarks that run the view's commands.
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "commands/ViewCommands.h"
#include "engine/KolvaDoc.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/WinApp.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/view/HexViewTemplate.h"
#include "view/KolvaView.h"
#include "view/UpdateHint.h"

namespace bench {

class HeadlessProgram {
public:
    HeadlessProgram() {
        CResourceSet::SetCurrent(&QuelmResources());
        m_frame = std::make_unique<CMDIFrameWnd>();
        m_frame->LoadFrame(IDR_MAINFRAME);
        m_app.m_pMainWnd = m_frame.get();
        m_app.AddDocTemplate(NewHexViewTemplate());
    }
    ~HeadlessProgram() {
        m_app.GetDocTemplate()->CloseAllDocuments();
        m_frame.reset();
        CResourceSet::SetCurrent(nullptr);
    }
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    // The file at path ("" for a new document) in a window of 30 rows of 80 columns.
    CKolvaView* Open(const std::string& path) {
        CDocument* doc = m_app.OpenDocumentFile(path);
        auto* view = doc ? dynamic_cast<CKolvaView*>(doc->GetViews().at(0)) : nullptr;
        if (view) m_backend.PeerOf(view)->Resize(80 * 8, 30 * 16);
        return view;
    }
    // A new document of size random bytes, in insert mode, its window active.
    CKolvaView* NewDocument(int size, uint64_t seed) {
        CKolvaView* view = Open("");
        CBinData* data = view->GetData();
        data->SetSize(size);
        FillRandom(data->GetData(), size_t(size), seed);
        view->GetDocument()->UpdateAllViews(nullptr, UpdateHint::kAfterChange);
        return view;
    }
    void Activate(CKolvaView* view) {
        m_frame->OnChildActivated(dynamic_cast<CMDIChildWnd*>(view->GetParentFrame()));
    }
    bool Send(CKolvaView* view, UINT id) {
        Activate(view);
        return m_frame->SendCommand(id);
    }

private:
    CHeadlessBackend m_backend;
    CWinApp m_app;
    std::unique_ptr<CMDIFrameWnd> m_frame;
};

} // namespace bench
