#include "platform/framework/DocTemplate.h"

#include <algorithm>

#include "platform/base/File.h"
#include "platform/base/FrameworkIds.h"
#include "platform/framework/Document.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"

CMultiDocTemplate::CMultiDocTemplate(DocFactory doc, FrameFactory frame, ViewFactory view)
    : m_docFactory(std::move(doc)), m_frameFactory(std::move(frame)),
      m_viewFactory(std::move(view)) {}

CMultiDocTemplate::~CMultiDocTemplate() {
    for (COpenDocument& open : m_open)
        if (open.m_pFrame) open.m_pFrame->DestroyWindow();
}

std::vector<CDocument*> CMultiDocTemplate::GetDocuments() const {
    std::vector<CDocument*> docs;
    docs.reserve(m_open.size());
    for (const COpenDocument& open : m_open)
        docs.push_back(open.m_pDoc.get());
    return docs;
}

CMultiDocTemplate::COpenDocument* CMultiDocTemplate::Find(const CDocument* pDoc) {
    auto at = std::find_if(m_open.begin(), m_open.end(),
                           [pDoc](const COpenDocument& open) { return open.m_pDoc.get() == pDoc; });
    return at == m_open.end() ? nullptr : &*at;
}

std::unique_ptr<CMDIChildWnd> CMultiDocTemplate::CreateFrame(CDocument* pDoc) {
    CWinApp* app = AfxGetApp();
    CMDIFrameWnd* main = app ? app->m_pMainWnd : nullptr;
    if (!main) return nullptr;
    std::unique_ptr<CMDIChildWnd> frame = m_frameFactory();
    if (!frame->Create(main, pDoc->GetTitle())) return nullptr;
    CView* view = frame->AttachView(m_viewFactory());
    pDoc->AddView(view);
    CWindowRequest request;
    request.m_kind = CWindowRequest::View;
    request.m_pParent = frame.get();
    request.m_nID = FrameworkIds::kFirstPane;
    if (!view->CreatePeer(request)) {
        frame->DestroyWindow(); // takes the view away from the document
        return nullptr;
    }
    frame->SetActiveView(view);
    return frame;
}

CDocument* CMultiDocTemplate::ActivateIfOpen(const std::string& path) const {
    if (path.empty()) return nullptr;
    for (const COpenDocument& open : m_open) {
        CDocument* d = open.m_pDoc.get();
        if (d->GetPathName().empty() || !CFile::IsSameFile(d->GetPathName(), path)) continue;
        for (CView* v : d->GetViews())
            if (auto* child = dynamic_cast<CMDIChildWnd*>(v->GetParentFrame())) {
                child->MDIActivate();
                break;
            }
        return d;
    }
    return nullptr;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const std::string& given, bool bMakeVisible) {
    const std::string path = CFile::GetFullPath(given);
    if (CDocument* open = ActivateIfOpen(path)) return open;
    // Listed before its window is made, so that the window's set-up finds it in order.
    m_open.push_back({m_docFactory(), nullptr});
    CDocument* doc = m_open.back().m_pDoc.get();
    doc->SetDocTemplate(this);
    if (path.empty())
        doc->SetTitle(NextUntitledTitle());
    else
        doc->SetTitle(CFile::GetFileName(path));
    std::unique_ptr<CMDIChildWnd> frame = CreateFrame(doc);
    if (!frame) {
        RemoveDocument(doc);
        return nullptr;
    }
    Find(doc)->m_pFrame = std::move(frame);
    bool ok = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(path);
    if (!ok) {
        doc->OnCloseDocument(); // takes the window away and ends the document
        return nullptr;
    }
    if (!path.empty()) doc->SetPathName(path);
    for (CView* v : doc->GetViews()) {
        v->OnInitialUpdate();
        if (CFrameWnd* frame = v->GetParentFrame()) {
            frame->OnUpdateFrameTitle();
            if (bMakeVisible)
                if (auto* child = dynamic_cast<CMDIChildWnd*>(frame)) child->MDIActivate();
        }
    }
    return doc;
}

std::string CMultiDocTemplate::NextUntitledTitle() {
    return UntitledTitle() + std::to_string(++m_nUntitledCount);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
    COpenDocument* open = Find(pDoc);
    if (!open) return;
    // Out of the list before it is destroyed, so that nothing finds it half gone.
    COpenDocument gone = std::move(*open);
    m_open.erase(m_open.begin() + (open - m_open.data()));
}

bool CMultiDocTemplate::SaveAllModified() {
    for (CDocument* d : GetDocuments())
        if (!d->SaveModified()) return false;
    return true;
}

void CMultiDocTemplate::CloseAllDocuments() {
    for (CDocument* d : GetDocuments())
        d->OnCloseDocument();
}
