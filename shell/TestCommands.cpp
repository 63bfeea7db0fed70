#include "shell/TestCommands.h"

#include "engine/BinData.h"
#include "engine/KolvaDoc.h"
#include "platform/framework/MDIFrameWnd.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

CTestCommands::CTestCommands(CWinApp& app) : CAppCommandSet(app) {
    OnCommand(ID_TEST_SCROLL_LOCK, [this] { OnScrollLock(); });
    OnCommand(ID_TEST_SHOW_ADDRESS, [this] { ToggleArea(&CBinData::m_bShowAddress); });
    OnCommand(ID_TEST_SHOW_CHARS, [this] { ToggleArea(&CBinData::m_bShowChars); });
    // Taken so that the keys do nothing rather than reach the view.
    OnCommandRange(ID_TEST_3, ID_TEST_LAST, [](UINT) {});
}

CKolvaView* CTestCommands::ActiveView() const {
    CMDIFrameWnd* main = MainWindow();
    return main ? dynamic_cast<CKolvaView*>(main->GetActiveView()) : nullptr;
}

void CTestCommands::OnScrollLock() {
    CKolvaView* view = ActiveView();
    if (!view) return;
    m_bScrollLock = !m_bScrollLock;
    view->m_bScrollLocked = m_bScrollLock;
}

void CTestCommands::ToggleArea(bool CBinData::*flag) {
    CKolvaView* view = ActiveView();
    CBinData* data = view ? view->GetData() : nullptr;
    if (!data) return;
    data->*flag = !(data->*flag);
    data->UpdateLayout();
    view->CaretState().m_bCharArea = 0;
    view->RefreshRuler();
    view->OnClientAreaChanged();
    view->Invalidate(true);
}
