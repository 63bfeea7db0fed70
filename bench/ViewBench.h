#pragma once
// The program around the views the painting benchmarks time, on whichever backend is current:
// the resources, a host with the screen font, a shown main frame and the hex view's template.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/CountingView.h"
#include "platform/base/CodePage932.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/WinApp.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/StubHost.h"
#include "tests/view/HexViewTemplate.h"

// A document window as the program makes it: the first one maximized from the start.
class CBenchChildFrame : public CMDIChildWnd {
public:
    bool Create(CMDIFrameWnd* pFrame, const std::string& title) override {
        return MakeWindow(pFrame, title, pFrame->MDIGetActive() == nullptr);
    }
};

// ChildFrame: the document windows' class; the repaint benchmark on wx keeps plain ones.
template <typename ChildFrame = CMDIChildWnd> class CViewBench {
public:
    CViewBench(int fontHeight, int frameWidth) : m_nFrameWidth(frameWidth) {
        CResourceSet::SetCurrent(&QuelmResources());
        m_host.m_nIndicatorVisible = 0;
        m_host.m_screen = CFont(CLogFont{"FixedSys", fontHeight, 400, 128, true});
        m_frame = std::make_unique<CMDIFrameWnd>();
        m_frame->LoadFrame(IDR_MAINFRAME, CSize(frameWidth, 600));
        m_frame->ShowWindow(true);
        m_app.m_pMainWnd = m_frame.get();
        m_app.AddDocTemplate(NewHexViewTemplate<CountingView, ChildFrame>());
    }
    ~CViewBench() { CResourceSet::SetCurrent(nullptr); }
    CViewBench(const CViewBench&) = delete;
    CViewBench& operator=(const CViewBench&) = delete;

    // The document's view, or null when it did not open.
    CountingView* Open(const std::string& path) {
        CDocument* doc = m_app.OpenDocumentFile(path);
        return doc ? dynamic_cast<CountingView*>(doc->GetViews().at(0)) : nullptr;
    }
    void CloseAll() { m_app.GetDocTemplate()->CloseAllDocuments(); }
    // The frame grows by what the view lacks for rows whole rows; bars and borders stay.
    void GrowFor(CountingView* view, int rows) {
        CRect frame = m_frame->GetWindowRect();
        int missing = (rows + 1) * view->m_nRowHeight - 1 - view->GetClientRect().Height();
        m_frame->MoveWindow(CRect(0, 0, m_nFrameWidth, frame.Height() + missing));
    }
    CMDIFrameWnd& Frame() { return *m_frame; }
    // Ends the documents and the frame, before the backend goes.
    void Close() {
        if (!m_frame) return;
        CloseAll();
        m_frame->DestroyWindow();
    }

private:
    CStubHost m_host;
    CWinApp m_app;
    std::unique_ptr<CMDIFrameWnd> m_frame;
    int m_nFrameWidth;
};

// The rows from the view's first on, as the view formats them, in UTF-8.
inline std::vector<std::string> VisibleRows(CKolvaView* view, int rows) {
    std::vector<std::string> lines;
    for (int row = view->m_nFirstRow; row < view->m_nFirstRow + rows; ++row) {
        const char* text = view->GetData()->FormatRowText(row, view->m_nJCode);
        lines.push_back(CCodePage932::ToUtf8(text, std::strlen(text)));
    }
    return lines;
}
