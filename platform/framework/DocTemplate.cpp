#include "platform/framework/DocTemplate.h"

#include <algorithm>

#include "platform/base/File.h"
#include "platform/framework/Document.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"

CMultiDocTemplate::CMultiDocTemplate(UINT id, DocFactory doc, FrameFactory frame, ViewFactory view)
    : m_nID(id), m_docFactory(std::move(doc)), m_frameFactory(std::move(frame)),
      m_viewFactory(std::move(view)) {}

CMultiDocTemplate::~CMultiDocTemplate() {
    for (CDocument* d : m_documents)
        delete d;
}

bool CMultiDocTemplate::CreateFrame(CDocument* pDoc) {
    CWinApp* app = AfxGetApp();
    CMDIFrameWnd* main = app ? app->m_pMainWnd : nullptr;
    if (!main) return false;
    CMDIChildWnd* frame = m_frameFactory();
    if (!frame->Create(main, pDoc->GetTitle())) {
        delete frame;
        return false;
    }
    CView* view = m_viewFactory();
    pDoc->AddView(view);
    CWindowRequest request;
    request.m_kind = CWindowRequest::View;
    request.m_pParent = frame;
    request.m_nID = FrameworkIds::kFirstPane;
    if (!view->CreatePeer(request)) {
        pDoc->RemoveView(view);
        delete view;
        frame->DestroyWindow();
        delete frame;
        return false;
    }
    frame->SetActiveView(view);
    return true;
}

CDocument* CMultiDocTemplate::ActivateIfOpen(const std::string& path) const {
    if (path.empty()) return nullptr;
    for (CDocument* d : m_documents) {
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
    CDocument* doc = m_docFactory();
    doc->SetDocTemplate(this);
    m_documents.push_back(doc);
    if (path.empty())
        doc->SetTitle(NextUntitledTitle());
    else
        doc->SetTitle(path.substr(path.find_last_of('/') + 1));
    if (!CreateFrame(doc)) {
        RemoveDocument(doc);
        delete doc;
        return nullptr;
    }
    bool ok = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(path);
    if (!ok) {
        doc->OnCloseDocument(); // takes the window away and deletes the document
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
    m_documents.erase(std::remove(m_documents.begin(), m_documents.end(), pDoc), m_documents.end());
}

bool CMultiDocTemplate::SaveAllModified() {
    for (CDocument* d : std::vector<CDocument*>(m_documents))
        if (!d->SaveModified()) return false;
    return true;
}

void CMultiDocTemplate::CloseAllDocuments() {
    for (CDocument* d : std::vector<CDocument*>(m_documents))
        d->OnCloseDocument();
}
