#include "shell/MainFrame.h"

#include <algorithm>

#include "commands/FrameCommandSet.h"
#include "commands/SearchDialogs.h"
#include "engine/KolvaDoc.h"
#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/Backend.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/Document.h"
#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/SystemServices.h"
#include "platform/framework/View.h"
#include "res/Resource.h"
#include "shell/AppSettings.h"
#include "shell/ChildFrame.h"
#include "shell/KolvaApp.h"
#include "shell/SettingChange.h"
#include "view/KolvaView.h"

namespace {
// A document window's button command is the window's identifier less this (32437).
constexpr UINT kChildIdToCommand = FrameworkIds::kFirstMDIChild - ID_FILEBAR_FIRST;

AppSettings& Settings() {
    return *KolvaApp()->m_pOptions;
}
} // namespace

CMainFrame::CMainFrame() {
    OnCommand(ID_WINDOW_CASCADE, [this] { OnArrange(ID_WINDOW_CASCADE); });
    OnCommand(ID_WINDOW_TILE_HORZ, [this] { OnArrange(ID_WINDOW_TILE_HORZ); });
    OnCommand(ID_WINDOW_TILE_VERT, [this] { OnArrange(ID_WINDOW_TILE_VERT); });
    for (UINT id : {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { OnUpdateArrange(pCmdUI); });
    OnCommand(ID_VIEW_TOOLBAR, [this] { OnViewToolBar(); });
    OnUpdate(ID_VIEW_TOOLBAR,
             [this](CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_wndToolBar.IsWindowVisible()); });
    OnCommandRange(ID_FILEBAR_FIRST, ID_FILEBAR_LAST, [this](UINT id) { OnFileButton(id); });
    OnUpdateRange(ID_FILEBAR_FIRST, ID_FILEBAR_LAST,
                  [this](CCmdUI* pCmdUI) { OnUpdateFileButton(pCmdUI); });
    OnCommandRange(ID_VIEW_RULER, ID_VIEW_STATUSBAR, [this](UINT id) { OnToggleBar(id); });
    OnCommand(ID_SYNC_TOGGLE, [this] { OnSyncToggle(); });
    OnCommand(ID_SYNC_ALL, [this] { OnSyncAll(); });
    OnCommand(ID_SYNC_RELEASE_ALL, [this] { OnSyncReleaseAll(); });
    OnCommand(ID_SYNC_ALIGN, [this] { AlignSyncByAddress(); });
    for (UINT id : {ID_SYNC_TOGGLE, ID_SYNC_ALL})
        OnUpdate(id, [this](CCmdUI* pCmdUI) {
            pCmdUI->Enable(MDIGetActive() && KolvaApp()->DocumentCount() >= 2);
        });
    OnUpdate(ID_SYNC_RELEASE_ALL,
             [this](CCmdUI* pCmdUI) { pCmdUI->Enable(!m_arrSyncViews.empty()); });
    OnUpdateRange(ID_VIEW_RULER, ID_VIEW_STATUSBAR,
                  [this](CCmdUI* pCmdUI) { OnUpdateToggleBar(pCmdUI); });
}

UINT CMainFrame::FileButtonCommand(int windowIndex) {
    return FrameworkIds::kFirstMDIChild + static_cast<UINT>(windowIndex) - kChildIdToCommand;
}

int CMainFrame::WindowIndexOf(CKolvaDoc* pDoc) const {
    CView* view = pDoc ? pDoc->m_pFirstView : nullptr;
    CFrameWnd* frame = view ? view->GetParentFrame() : nullptr;
    auto it = std::find(m_children.begin(), m_children.end(), frame);
    return it == m_children.end() ? -1 : static_cast<int>(it - m_children.begin());
}

bool CMainFrame::IsSyncMember(CRowView* pView) const {
    return std::find(m_arrSyncViews.begin(), m_arrSyncViews.end(), pView) != m_arrSyncViews.end();
}

bool CMainFrame::InSyncGroup(CKolvaDoc* pDoc) const {
    return pDoc && IsSyncMember(dynamic_cast<CRowView*>(pDoc->m_pFirstView));
}

CRowView* CMainFrame::ActiveRowView() const {
    return dynamic_cast<CRowView*>(GetActiveView());
}

namespace {
CKolvaDoc* DocOf(CRowView* pView) {
    return dynamic_cast<CKolvaDoc*>(pView->GetDocument());
}
} // namespace

void CMainFrame::AddToSync(CRowView* pView) {
    if (!pView || IsSyncMember(pView) || KolvaApp()->DocumentCount() < 2) return;
    m_arrSyncViews.push_back(pView);
    pView->m_pSyncViews = &m_arrSyncViews;
    pView->m_nSyncLag = 0;
    if (CKolvaDoc* doc = DocOf(pView)) RefreshFileButton(doc);
    if (m_arrSyncViews.size() < 2 || Settings().m_bSyncscrollTYpe != 0) return;
    // The first member may stand short of the group's row at its own end: align on the row.
    int joining = pView->m_nFirstRow, first = m_arrSyncViews.front()->SyncRow();
    if (joining > first)
        pView->FollowTo(first);
    else if (joining < first)
        pView->ScrollOthers(joining - first);
}

void CMainFrame::DropFromSync(CRowView* pView) {
    m_arrSyncViews.erase(std::remove(m_arrSyncViews.begin(), m_arrSyncViews.end(), pView),
                         m_arrSyncViews.end());
    pView->m_pSyncViews = nullptr;
    pView->m_nSyncLag = 0;
    if (CKolvaDoc* doc = DocOf(pView)) RefreshFileButton(doc);
}

void CMainFrame::RemoveFromSync(CRowView* pView) {
    while (pView && IsSyncMember(pView)) {
        DropFromSync(pView);
        // A group of one is no group.
        pView = m_arrSyncViews.size() == 1 ? m_arrSyncViews.front() : nullptr;
    }
}

void CMainFrame::OnSyncToggle() {
    CRowView* view = ActiveRowView();
    if (IsSyncMember(view))
        RemoveFromSync(view);
    else
        AddToSync(view);
}

void CMainFrame::OnSyncAll() {
    for (CDocument* doc : KolvaApp()->GetDocTemplate()->GetDocuments())
        if (auto* kd = dynamic_cast<CKolvaDoc*>(doc))
            AddToSync(dynamic_cast<CRowView*>(kd->m_pFirstView));
}

void CMainFrame::OnSyncReleaseAll() {
    while (!m_arrSyncViews.empty()) {
        DropFromSync(m_arrSyncViews.front());
        if (m_arrSyncViews.size() == 1) RemoveFromSync(m_arrSyncViews.front());
    }
}

void CMainFrame::AlignSyncByAddress() {
    if (!m_arrSyncViews.empty()) {
        int smallest = m_arrSyncViews.front()->m_nFirstRow;
        for (CRowView* v : m_arrSyncViews)
            smallest = std::min(smallest, v->m_nFirstRow);
        for (CRowView* v : m_arrSyncViews)
            v->FollowTo(smallest);
    }
    Settings().m_bSyncscrollTYpe = 0;
}

CToolBarPeer::Button CMainFrame::MakeFileButton(CKolvaDoc* pDoc) const {
    CToolBarPeer::Button button;
    button.m_nID = FileButtonCommand(WindowIndexOf(pDoc));
    button.m_strLabel = pDoc->m_strBarLabel;
    button.m_nImage = InSyncGroup(pDoc) ? 1 : 0;
    button.m_bCheckStyle = true;
    return button;
}

void CMainFrame::ShowFileBarIfWanted() {
    m_wndFileBar.ShowWindow(!m_wndFileBar.GetButtons().empty() && Settings().bFileBarVisible == 1);
    RecalcLayout();
}

void CMainFrame::AddFileButton(CKolvaDoc* pDoc) {
    if (!pDoc) pDoc = dynamic_cast<CKolvaDoc*>(GetActiveDocument());
    if (!pDoc || pDoc->m_nBarIndex >= 0) return;
    pDoc->m_nBarIndex = static_cast<int>(m_wndFileBar.GetButtons().size());
    AppendFileButton(pDoc);
    ShowFileBarIfWanted();
}

void CMainFrame::AppendFileButton(CKolvaDoc* pDoc) {
    if (WindowIndexOf(pDoc) < 0) return;
    std::vector<CToolBarPeer::Button> buttons = m_wndFileBar.GetButtons();
    CToolBarPeer::Button button = MakeFileButton(pDoc);
    // A title refresh may have put it there already.
    for (const CToolBarPeer::Button& b : buttons)
        if (b.m_nID == button.m_nID) return;
    buttons.push_back(button);
    buttons.push_back(CToolBarPeer::Button());
    m_wndFileBar.SetButtons(buttons);
}

void CMainFrame::RefreshFileButton(CKolvaDoc* pDoc) {
    pDoc->m_nBarIndex = static_cast<int>(m_wndFileBar.GetButtons().size());
    if (WindowIndexOf(pDoc) < 0) return;
    CToolBarPeer::Button fresh = MakeFileButton(pDoc);
    std::vector<CToolBarPeer::Button> buttons = m_wndFileBar.GetButtons();
    for (CToolBarPeer::Button& b : buttons)
        if (b.m_nID == fresh.m_nID) b = fresh;
    m_wndFileBar.SetButtons(buttons);
}

void CMainFrame::RebuildFileBar() {
    m_wndFileBar.SetButtons({});
    m_wndFileBar.ShowWindow(false);
    if (CMultiDocTemplate* docs = KolvaApp()->GetDocTemplate())
        for (CDocument* doc : docs->GetDocuments())
            if (auto* kd = dynamic_cast<CKolvaDoc*>(doc)) AppendFileButton(kd);
    if (!m_wndFileBar.GetButtons().empty()) ShowFileBarIfWanted();
}

void CMainFrame::OnFileButton(UINT id) {
    size_t index = id + kChildIdToCommand - FrameworkIds::kFirstMDIChild;
    if (index >= m_children.size()) return;
    CMDIChildWnd* child = m_children[index];
    CRowView* view = dynamic_cast<CRowView*>(child->GetActiveView());
    if (GetKeyState(VK_CONTROL) < 0) {
        if (!view) return;
        if (IsSyncMember(view)) {
            DropFromSync(view);
            if (m_arrSyncViews.size() == 1) RemoveFromSync(m_arrSyncViews.front());
        } else {
            AddToSync(view);
        }
        return;
    }
    MDIActivate(child);
    if (auto* hex = dynamic_cast<CKolvaView*>(view)) hex->PlaceCaret(nullptr, hex->ShapeForMode());
}

void CMainFrame::OnUpdateFileButton(CCmdUI* pCmdUI) {
    size_t index = pCmdUI->m_nID + kChildIdToCommand - FrameworkIds::kFirstMDIChild;
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(index < m_children.size() && m_children[index] == MDIGetActive());
}

void CMainFrame::OnToggleBar(UINT id) {
    AppSettings& s = Settings();
    int& setting = id == ID_VIEW_RULER     ? s.bIndicatorVisible
                   : id == ID_VIEW_FILEBAR ? s.bFileBarVisible
                                           : s.bStatusBarVisible;
    setting = setting == 1 ? 0 : 1;
    if (id == ID_VIEW_FILEBAR)
        ShowFileBarIfWanted();
    else
        KolvaApp()->NotifySettingsChanged(id == ID_VIEW_RULER ? SettingChange::kRulerBar
                                                              : SettingChange::kStatusBar);
}

void CMainFrame::OnUpdateToggleBar(CCmdUI* pCmdUI) {
    AppSettings& s = Settings();
    int setting = pCmdUI->m_nID == ID_VIEW_RULER     ? s.bIndicatorVisible
                  : pCmdUI->m_nID == ID_VIEW_FILEBAR ? s.bFileBarVisible
                                                     : s.bStatusBarVisible;
    pCmdUI->SetCheck(setting == 1);
}

void CMainFrame::AttachCommandSet(std::unique_ptr<CFrameCommandSet> pSet) {
    if (auto* dialogs = dynamic_cast<CSearchDialogs*>(pSet.get())) m_pSearchDialogs = dialogs;
    CCmdTarget::AttachCommandSet(std::move(pSet));
}

bool CMainFrame::HasWindowBesides(CKolvaDoc* pDoc) const {
    for (CMDIChildWnd* child : m_children)
        if (child->GetActiveDocument() != pDoc) return true;
    return false;
}

void CMainFrame::OnDocumentClosed(CKolvaDoc* pDoc) {
    RemoveFromSync(dynamic_cast<CRowView*>(pDoc->m_pFirstView));
    if (!HasWindowBesides(pDoc)) {
        if (m_pSearchDialogs) m_pSearchDialogs->Hide();
        return;
    }
    // The caret follows the window that stays active.
    auto* view = dynamic_cast<CKolvaView*>(ActiveRowView());
    if (view && view->GetDocument() != pDoc) view->PlaceCaret(nullptr, view->ShapeForMode());
}

void CMainFrame::RefreshSearchDialogs(CView* pView) {
    if (m_pSearchDialogs) m_pSearchDialogs->RefreshFor(pView);
}

bool CMainFrame::Create(const AppSettings& settings) {
    CSize size;
    // No size stored yet (0), or only one half of it: the system's size.
    if (settings.FrameSizeX >= AppSettings::kMinFrameSize &&
        settings.FrameSizeY >= AppSettings::kMinFrameSize)
        size = CSize(settings.FrameSizeX, settings.FrameSizeY);
    return LoadFrame(IDR_MAINFRAME, size);
}

void CMainFrame::OnCreate() {
    const CResourceSet& res = CResourceSet::Current();
    m_wndToolBar.Create(this, ID_VIEW_TOOLBAR, res.FindToolBar(IDR_MAINFRAME));
    m_wndToolBar.ShowWindow(true);
    // The file-name bar shows once it has buttons.
    if (m_wndFileBar.Create(this, ID_VIEW_FILEBAR, nullptr)) m_wndFileBar.ShowWindow(false);
    RecalcLayout();
}

void CMainFrame::OnClose() {
    CKolvaApp* app = KolvaApp();
    AppSettings& settings = *app->m_pOptions;
    CRect outer = GetWindowRect();
    settings.FrameSizeX = outer.Width();
    settings.FrameSizeY = outer.Height();
    settings.SaveSettings();
    std::vector<std::string> paths;
    if (CMultiDocTemplate* docs = app->GetDocTemplate())
        for (CDocument* doc : docs->GetDocuments())
            paths.push_back(doc->GetPathName());
    settings.SaveLastFiles(paths);
    app->SaveStdProfileSettings();

    if (CMultiDocTemplate* docs = app->GetDocTemplate()) {
        if (!docs->SaveAllModified()) return;
        docs->CloseAllDocuments();
    }
    DestroyWindow();
    CBackend::Current().PostQuitMessage(0);
}

void CMainFrame::OnDropFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        KolvaApp()->OpenDocumentPath(path);
}

void CMainFrame::RemoveChild(CMDIChildWnd* pChild) {
    CMDIFrameWnd::RemoveChild(pChild);
    RebuildFileBar();
}

void CMainFrame::OnArrange(UINT id) {
    if (id == ID_WINDOW_CASCADE)
        MDICascade();
    else
        MDITile(id == ID_WINDOW_TILE_HORZ);
}

void CMainFrame::OnUpdateArrange(CCmdUI* pCmdUI) {
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

void CMainFrame::OnViewToolBar() {
    m_wndToolBar.ShowWindow(!m_wndToolBar.IsWindowVisible());
    RecalcLayout();
}
