#pragma once
#include <memory>

#include "commands/FrameCommandSet.h"
#include "commands/SearchDialogs.h"

class CFindReplaceDlg;

// The main frame's find, replace, find-again and insert-string commands. It owns the Find and
// Replace dialogs, made with it (their windows when first shown) and only shown and hidden
// afterwards.
class CFindReplaceCommands : public CFrameCommandSet, public CSearchDialogs {
public:
    explicit CFindReplaceCommands(CMDIFrameWnd& frame);
    ~CFindReplaceCommands() override;

    void RefreshFor(CView* pView) override;
    void Hide() override;

    CFindReplaceDlg& FindDialog() { return *m_pFind; }
    CFindReplaceDlg& ReplaceDialog() { return *m_pReplace; }

private:
    void Show(CFindReplaceDlg& dialog);
    void OnFindAgain(UINT button);
    void OnUpdateFindAgain(CCmdUI* pCmdUI);
    void OnUpdateReplace(CCmdUI* pCmdUI);
    void OnInsertString();

    std::unique_ptr<CFindReplaceDlg> m_pFind;
    std::unique_ptr<CFindReplaceDlg> m_pReplace;
};
