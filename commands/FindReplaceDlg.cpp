#include "commands/FindReplaceDlg.h"

#include "commands/EditModes.h"
#include "commands/PatternText.h"
#include "commands/SearchHistory.h"
#include "engine/BinData.h"
#include "engine/KolvaDoc.h"
#include "engine/QXClipboard.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

namespace {
const char kClipboardEmpty[] = "クリップボードが空です";
const char kLengthsDiffer[] = "置換前と置換後の文字列の長さが異なります。\n\n"
                              "上書モードでは文字列の長さが同じでなければなりません。";
const char kTooLong[] = "検索文字列が長すぎます（65535バイトまで）。";

bool ToPattern(const std::string& text, int nUnicode, Pattern& bytes) {
    std::string refused;
    if (CPatternText::ConvertTyped(text, nUnicode != 0, bytes, refused)) return true;
    AfxMessageBox(refused.empty() ? kTooLong : CPatternText::RefusalText(refused),
                  MB_OK | MB_ICONSTOP);
    return false;
}
} // namespace

CFindReplaceDlg::CFindReplaceDlg(bool bFind, CMDIFrameWnd& frame)
    : CDialog(bFind ? IDD_FIND : IDD_REPLACE, &frame), m_bFind(bFind), m_frame(frame) {
    if (m_bFind) {
        OnCommand(IDC_FIND_UP, [this] { OnFindUpDown(false); });
        OnCommand(IDC_FIND_DOWN, [this] { OnFindUpDown(true); });
        OnCommand(IDC_SEARCH_CLIPBOARD, [this] { OnClipboardClicked(); });
    } else {
        OnCommand(IDC_FIND_NEXT, [this] { OnFindNext(); });
        OnCommand(IDC_REPLACE, [this] { OnReplace(); });
        OnCommand(IDC_REPLACE_ALL, [this] { OnReplaceAll(); });
    }
    OnCommandRange(IDC_RANGE_REGISTERED, IDC_RANGE_WHOLE, [this](UINT) { OnRangeClicked(); });
}

void CFindReplaceDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_CBString(pDX, IDC_FIND_TEXT, m_strFind);
    DDX_Check(pDX, IDC_MATCH_CASE, m_nMatchCase);
    DDX_Check(pDX, IDC_UNICODE, m_nUnicode);
    DDX_Radio(pDX, IDC_RANGE_REGISTERED, m_nRange);
    if (m_bFind)
        DDX_Check(pDX, IDC_SEARCH_CLIPBOARD, m_nClipboard);
    else
        DDX_CBString(pDX, IDC_REPLACE_TEXT, m_strReplace);
}

CKolvaView* CFindReplaceDlg::ActiveView() const {
    return m_frame.MDIGetActive() ? dynamic_cast<CKolvaView*>(m_frame.GetActiveView()) : nullptr;
}

void CFindReplaceDlg::OnShowWindow(bool bShow) {
    // Hiding after a search must keep the user's range choice for the next F3.
    Refresh(ActiveView(), bShow);
    // Some toolkits open no list at all while it is empty, so the drop-down could never come.
    if (!bShow) return;
    OnDropDown(IDC_FIND_TEXT);
    if (!m_bFind) OnDropDown(IDC_REPLACE_TEXT);
}

void CFindReplaceDlg::Refresh(CView* pView, bool bShowing) {
    auto* view = dynamic_cast<CKolvaView*>(pView);
    if (!view || !view->GetData() || !IsCreated()) return;
    SetWindowText(std::string(m_bFind ? "検索" : "置換") + " - [" +
                  view->GetDocument()->GetTitle() + "]");
    bool registered = view->GetData()->m_bRegistered;
    EnableDlgItem(IDC_RANGE_REGISTERED, registered);
    if (!registered || bShowing) {
        CheckDlgButton(IDC_RANGE_REGISTERED, registered);
        CheckDlgButton(IDC_RANGE_WHOLE, !registered);
    }
    UpdateData(true);
    if (m_bFind) return;
    bool editable = view->EditMode() != kModeView;
    for (UINT id : {IDC_FIND_NEXT, IDC_REPLACE, IDC_REPLACE_ALL})
        EnableDlgItem(id, editable);
}

void CFindReplaceDlg::OnDropDown(UINT id) {
    if (id != IDC_FIND_TEXT && id != IDC_REPLACE_TEXT) return;
    SetComboItems(id, CSearchHistory(id == IDC_FIND_TEXT ? "Find" : "Replace").Entries());
}

CViewSearch::Options CFindReplaceDlg::SearchOptions() const {
    CViewSearch::Options options;
    options.bCaseSensitive = m_nMatchCase != 0;
    options.bInRange = m_nRange == kRegisteredRange;
    return options;
}

void CFindReplaceDlg::FocusView(CKolvaView& view) {
    view.SetFocus();
}

bool CFindReplaceDlg::SetSearchFromClipboard() {
    std::vector<uint8_t> bytes;
    if (GetQXClipboard(bytes) || bytes.empty()) {
        MessageBeep(MB_ICONEXCLAMATION);
        AfxMessageBox(kClipboardEmpty, MB_OK | MB_ICONSTOP);
        return false;
    }
    if (bytes.size() > CPatternText::kMaxLength) {
        AfxMessageBox(kTooLong, MB_OK | MB_ICONSTOP);
        return false;
    }
    m_search = std::move(bytes);
    return true;
}

void CFindReplaceDlg::OnFindUpDown(bool bForward) {
    CKolvaView* view = ActiveView();
    if (!view) return;
    UpdateData(true);
    if (m_nClipboard) {
        if (!SetSearchFromClipboard()) return;
    } else {
        if (m_strFind.empty()) return;
        CSearchHistory("Find").Add(m_strFind);
        if (!ToPattern(m_strFind, m_nUnicode, m_search)) return;
    }
    bool found = CViewSearch::Find(*view, bForward, m_search, true, SearchOptions());
    FocusView(*view);
    if (found) ShowWindow(false);
}

// Replace all stays enabled by the mode alone, whichever range is chosen.
void CFindReplaceDlg::OnRangeClicked() {
    UpdateData(true);
}

void CFindReplaceDlg::OnClipboardClicked() {
    UpdateData(true);
    EnableDlgItem(IDC_FIND_TEXT, m_nClipboard == 0);
}

bool CFindReplaceDlg::Prepare(bool& bChanged) {
    bChanged = false;
    UpdateData(true);
    if (m_strFind.empty()) return false;
    if (!m_bConverted || m_strFind != m_strLastFind || m_strReplace != m_strLastReplace ||
        m_nUnicode != m_nLastUnicode) {
        CSearchHistory("Find").Add(m_strFind);
        CSearchHistory("Replace").Add(m_strReplace);
        Pattern search, replacement;
        if (!ToPattern(m_strFind, m_nUnicode, search) ||
            !ToPattern(m_strReplace, m_nUnicode, replacement))
            return false;
        m_search = std::move(search);
        m_replacement = std::move(replacement);
        m_strLastFind = m_strFind;
        m_strLastReplace = m_strReplace;
        m_nLastUnicode = m_nUnicode;
        m_bConverted = true;
        bChanged = true;
    }
    return true;
}

bool CFindReplaceDlg::LengthsAllowed(CKolvaView& view) const {
    if (view.EditMode() != kModeOverwrite || m_search.size() == m_replacement.size()) return true;
    MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(kLengthsDiffer, MB_OK | MB_ICONSTOP);
    return false;
}

void CFindReplaceDlg::OnFindNext() {
    CKolvaView* view = ActiveView();
    bool changed = false;
    if (!view || !Prepare(changed) || !LengthsAllowed(*view)) return;
    CViewSearch::Find(*view, true, m_search, changed, SearchOptions());
    FocusView(*view);
}

void CFindReplaceDlg::OnReplace() {
    CKolvaView* view = ActiveView();
    bool changed = false;
    if (!view || !CViewSearch::MayChange(*view) || !Prepare(changed) || !LengthsAllowed(*view))
        return;
    if (changed || !CViewSearch::ReplaceFound(*view, m_search, m_replacement, SearchOptions()))
        CViewSearch::Find(*view, true, m_search, true, SearchOptions());
    FocusView(*view);
}

void CFindReplaceDlg::OnReplaceAll() {
    CKolvaView* view = ActiveView();
    bool changed = false;
    if (!view || !CViewSearch::MayChange(*view) || !Prepare(changed) || !LengthsAllowed(*view))
        return;
    CViewSearch::ReplaceAll(*view, m_search, m_replacement, SearchOptions());
    FocusView(*view);
}
