#include "commands/FindReplaceCommands.h"

#include "commands/EditModes.h"
#include "commands/FindReplaceDlg.h"
#include "commands/InsertStringDlg.h"
#include "engine/KolvaDoc.h"
#include "platform/framework/MDIFrameWnd.h"
#include "res/Resource.h"

CFindReplaceCommands::CFindReplaceCommands(CMDIFrameWnd& frame)
    : CFrameCommandSet(frame), m_pFind(std::make_unique<CFindReplaceDlg>(true, frame)),
      m_pReplace(std::make_unique<CFindReplaceDlg>(false, frame)) {
    m_pFind->Create();
    m_pReplace->Create();
    OnCommand(ID_EDIT_FIND, [this] { Show(*m_pFind); });
    OnCommand(ID_EDIT_REPLACE, [this] { Show(*m_pReplace); });
    OnCommand(ID_SEARCH_DOWN, [this] { OnFindAgain(IDC_FIND_DOWN); });
    OnCommand(ID_SEARCH_UP, [this] { OnFindAgain(IDC_FIND_UP); });
    OnCommand(ID_EDIT_INSERT_STRING, [this] { OnInsertString(); });
    for (UINT id : {ID_EDIT_FIND, ID_EDIT_INSERT_STRING})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { EnableWithDocumentWindow(pCmdUI); });
    OnUpdate(ID_EDIT_REPLACE, [this](CCmdUI* pCmdUI) { OnUpdateReplace(pCmdUI); });
    for (UINT id : {ID_SEARCH_DOWN, ID_SEARCH_UP})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { OnUpdateFindAgain(pCmdUI); });
}

CFindReplaceCommands::~CFindReplaceCommands() {
    for (CFindReplaceDlg* dialog : {m_pFind.get(), m_pReplace.get()})
        dialog->DestroyWindow();
}

void CFindReplaceCommands::RefreshFor(CView* pView) {
    m_pFind->Refresh(pView, false);
    m_pReplace->Refresh(pView, false);
}

void CFindReplaceCommands::Hide() {
    m_pFind->ShowWindow(false);
    m_pReplace->ShowWindow(false);
}

void CFindReplaceCommands::Show(CFindReplaceDlg& dialog) {
    dialog.ShowWindow(true);
    dialog.GotoDlgCtrl(IDC_FIND_TEXT);
}

void CFindReplaceCommands::OnFindAgain(UINT button) {
    m_pFind->PostCommand(button);
}

void CFindReplaceCommands::OnUpdateFindAgain(CCmdUI* pCmdUI) {
    pCmdUI->Enable(Frame().MDIGetActive() != nullptr && m_pFind->CanSearchAgain());
}

void CFindReplaceCommands::OnUpdateReplace(CCmdUI* pCmdUI) {
    CKolvaDoc* doc = ActiveDocument();
    pCmdUI->Enable(Frame().MDIGetActive() != nullptr && doc && doc->m_nEditMode != kModeView);
}

void CFindReplaceCommands::OnInsertString() {
    CInsertStringDlg dialog(&Frame());
    dialog.DoModal();
}
