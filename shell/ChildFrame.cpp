#include "shell/ChildFrame.h"

#include <cstdio>

#include "engine/EditMode.h"
#include "engine/JCodeTable.h"
#include "engine/KolvaDoc.h"
#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/View.h"
#include "res/Resource.h"
#include "shell/KolvaApp.h"
#include "shell/MainFrame.h"
#include "view/KolvaView.h"
#include "view/UpdateHint.h"

bool CChildFrame::Create(CMDIFrameWnd* pFrame, const std::string& title) {
    // The first document comes maximized.
    return MakeWindow(pFrame, title, pFrame->MDIGetActive() == nullptr);
}

void CChildFrame::OnCreate() {
    if (m_wndStatusBar.Create(this, FrameworkIds::kStatusBar))
        m_wndStatusBar.SetPanes({100, 30, 30, 120});
    m_wndStatusBar.SetPaneText(kPaneMessage, CResourceSet::Current().LoadString(IDS_IDLE_MESSAGE));
    m_wndStatusBar.SetPaneText(kPaneMode, "MODE");
    m_wndStatusBar.SetPaneText(kPaneJCode, "JCode");
    m_wndStatusBar.SetPaneText(kPaneAddress, "Address");
    const AppSettings* settings = KolvaApp() ? KolvaApp()->m_pOptions.get() : nullptr;
    m_wndStatusBar.ShowWindow(!settings || settings->bStatusBarVisible == 1);
}

void CChildFrame::OnUpdateFrameTitle() {
    if (CDocument* doc = GetActiveDocument()) SetWindowText(doc->GetTitle());
    CMDIChildWnd::OnUpdateFrameTitle();
    if (CKolvaApp* app = KolvaApp(); app && app->MainFrame()) app->MainFrame()->RebuildFileBar();
}

bool CChildFrame::CreateRulerBar() {
    if (m_wndRulerBar.IsCreated()) return true;
    return m_wndRulerBar.Create(this, IDD_RULER_BAR, IDD_RULER_BAR);
}

void CChildFrame::OnSettingChanged(SettingChange what, CView* pView) {
    const AppSettings& settings = *KolvaApp()->m_pOptions;
    if (what == SettingChange::kScreenFont) {
        if (auto* view = dynamic_cast<CKolvaView*>(pView)) {
            view->RefreshRuler();
            view->OnUpdate(nullptr, UpdateHint::kFontChanged);
        }
        return;
    }
    if (what == SettingChange::kRulerBar)
        m_wndRulerBar.ShowWindow(settings.bIndicatorVisible == 1);
    else
        m_wndStatusBar.ShowWindow(settings.bStatusBarVisible == 1);
    RecalcLayout();
    if (auto* view = dynamic_cast<CKolvaView*>(pView)) view->OnClientAreaChanged();
}

CKolvaDoc* CChildFrame::ActiveDoc() const {
    return dynamic_cast<CKolvaDoc*>(GetActiveDocument());
}

const char* CChildFrame::ModeText(int mode) {
    static const char* const texts[] = {"VIEW", "上書", "挿入"};
    return mode >= kModeView && mode <= kModeInsert ? texts[mode] : nullptr;
}

std::string CChildFrame::FormatAddress(int caret, int size) {
    int width = size >= 0xFFFF ? 6 : 4;
    char text[32];
    std::snprintf(text, sizeof text, "%0*X/%0*X", width, static_cast<unsigned>(caret), width,
                  static_cast<unsigned>(size));
    return text;
}

void CChildFrame::UpdateIndicators() {
    CView* view = GetActiveView();
    CKolvaDoc* doc = ActiveDoc();
    if (!view || !doc) return;
    if (const char* mode = ModeText(doc->m_nEditMode)) m_wndStatusBar.SetPaneText(kPaneMode, mode);
    if (auto* kolva = dynamic_cast<CKolvaView*>(view))
        m_wndStatusBar.SetPaneText(kPaneJCode, CJCodeTable::Of(kolva->m_nJCode).m_pszStatus);
    if (doc->m_pData)
        m_wndStatusBar.SetPaneText(
            kPaneAddress, FormatAddress(doc->m_pData->m_nCaret, doc->m_pData->GetDataLength()));
}

void CChildFrame::SetMessageText(const std::string& text) {
    m_wndStatusBar.SetPaneText(kPaneMessage, text);
}
