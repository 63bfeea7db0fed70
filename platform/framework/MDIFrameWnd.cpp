#include "platform/framework/MDIFrameWnd.h"

#include <algorithm>

#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/Document.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"

bool CMDIFrameWnd::LoadFrame(UINT id, CSize size) {
    const CResourceSet& res = CResourceSet::Current();
    CWindowRequest request;
    request.m_kind = CWindowRequest::MainFrame;
    request.m_nID = id;
    request.m_strTitle = AfxGetApp() ? AfxGetApp()->m_pszAppName : std::string();
    request.m_pMenu = res.FindMenu(id);
    request.m_pAccel = res.FindAccelerators(id);
    request.m_size = size;
    return CreatePeer(request);
}

void CMDIFrameWnd::AddChild(CMDIChildWnd* pChild) {
    m_children.push_back(pChild);
}

void CMDIFrameWnd::RemoveChild(CMDIChildWnd* pChild) {
    m_children.erase(std::remove(m_children.begin(), m_children.end(), pChild), m_children.end());
    if (m_pActiveChild != pChild) return;
    // The window that takes over is activated like any other, so its view gets its caret.
    m_pActiveChild = nullptr;
    if (m_children.empty())
        OnUpdateFrameTitle();
    else
        MDIActivate(m_children.back());
}

void CMDIFrameWnd::OnChildActivated(CMDIChildWnd* pChild) {
    if (std::find(m_children.begin(), m_children.end(), pChild) == m_children.end()) return;
    CView* old = GetActiveView();
    m_pActiveChild = pChild;
    CView* now = GetActiveView();
    if (old != now) {
        if (old) old->OnActivateView(false, now, old);
        if (now) now->OnActivateView(true, now, old);
    }
    OnUpdateFrameTitle();
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* pChild) {
    if (CMainFramePeer* peer = GetMainFramePeer()) peer->ActivateChild(pChild);
    OnChildActivated(pChild);
}

void CMDIFrameWnd::MDICascade() {
    if (CMainFramePeer* peer = GetMainFramePeer()) peer->ArrangeChildren(CMainFramePeer::Cascade);
}

void CMDIFrameWnd::MDITile(bool bHorizontal) {
    if (CMainFramePeer* peer = GetMainFramePeer())
        peer->ArrangeChildren(bHorizontal ? CMainFramePeer::Rows : CMainFramePeer::Columns);
}

void CMDIFrameWnd::OnUpdateFrameTitle() {
    std::string title = AfxGetApp() ? AfxGetApp()->m_pszAppName : std::string();
    if (CDocument* doc = GetActiveDocument()) title += " - [" + doc->GetTitle() + "]";
    SetWindowText(title);
}

CView* CMDIFrameWnd::GetActiveView() const {
    return m_pActiveChild ? m_pActiveChild->GetActiveView() : nullptr;
}

CDocument* CMDIFrameWnd::GetActiveDocument() const {
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

std::vector<CCmdTarget*> CMDIFrameWnd::CommandChain() const {
    CView* view = GetActiveView();
    std::vector<CCmdTarget*> chain;
    if (view) {
        chain.push_back(view);
        chain.push_back(view->GetDocument());
    }
    chain.push_back(m_pActiveChild);
    chain.push_back(const_cast<CMDIFrameWnd*>(this));
    chain.push_back(AfxGetApp());
    return chain;
}

void CMDIFrameWnd::OnCommandFromUI(UINT id) {
    RouteCommand(CommandChain(), id);
}

void CMDIFrameWnd::OnUpdateFromUI(CCmdUI* pCmdUI) {
    RouteUpdate(CommandChain(), pCmdUI);
}

void CMDIFrameWnd::OnMenuSelect(UINT id) {
    if (!m_pActiveChild) return;
    // A command's string is its prompt, then a line break and its tooltip.
    std::string text = id ? CResourceSet::Current().LoadString(id) : std::string();
    text = text.substr(0, text.find('\n'));
    if (text.empty()) text = CResourceSet::Current().LoadString(FrameworkIds::kIdleMessage);
    m_pActiveChild->SetMessageText(text);
}

bool CMDIFrameWnd::SendCommand(UINT id) {
    return RouteCommand(CommandChain(), id);
}

CCmdUI CMDIFrameWnd::QueryCommand(UINT id) {
    CCmdUI state(id);
    RouteUpdate(CommandChain(), &state);
    return state;
}
