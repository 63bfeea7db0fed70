#pragma once
#include <string>

#include "commands/ViewSearch.h"
#include "platform/framework/Dialog.h"

class CMDIFrameWnd;
class CView;

// The modeless Find (bFind) or Replace dialog of the main frame. It is only ever shown and
// hidden, so its texts, options and patterns last as long as the program.
class CFindReplaceDlg : public CDialog {
public:
    CFindReplaceDlg(bool bFind, CMDIFrameWnd& frame);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnShowWindow(bool bShow) override;
    void OnDropDown(UINT id) override;

    // Title, range radios and the Replace buttons for the document of view. bShowing: the
    // dialog is being shown, which also selects a registered range.
    void Refresh(CView* pView, bool bShowing);
    // What F3 and Shift+F3 need to repeat this dialog's search.
    bool CanSearchAgain() const { return !m_strFind.empty() || m_nClipboard != 0; }

    std::string m_strFind;
    int m_nMatchCase = 1;
    int m_nUnicode = 0;
    int m_nRange = kWholeFile;
    int m_nClipboard = 0;
    std::string m_strReplace;

    static constexpr int kRegisteredRange = 0;
    static constexpr int kWholeFile = 1;

private:
    CKolvaView* ActiveView() const;
    CViewSearch::Options SearchOptions() const;
    void OnFindUpDown(bool bForward);
    bool SetSearchFromClipboard();
    void OnRangeClicked();
    void OnClipboardClicked();
    // The Replace dialog's common first step; false when the button should do nothing.
    bool Prepare(bool& bChanged);
    bool LengthsAllowed(CKolvaView& view) const;
    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();
    void FocusView(CKolvaView& view);

    bool m_bFind;
    CMDIFrameWnd& m_frame;
    Pattern m_search;
    Pattern m_replacement;
    std::string m_strLastFind;
    std::string m_strLastReplace;
    int m_nLastUnicode = 0;
    bool m_bConverted = false;
};
