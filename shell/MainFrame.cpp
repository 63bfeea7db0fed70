#include "shell/MainFrame.h"

#include "platform/Backend.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "res/Resource.h"
#include "shell/AppSettings.h"
#include "shell/KolvaApp.h"

namespace {
// Sizes below this are not a real window (a minimized one, or none stored yet).
constexpr int kMinFrameSize = 100;
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
}

bool CMainFrame::Create(const AppSettings& settings) {
    CSize size;
    if (settings.FrameSizeX >= kMinFrameSize && settings.FrameSizeY >= kMinFrameSize)
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
