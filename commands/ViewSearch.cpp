#include "commands/ViewSearch.h"

#include <string>

#include "engine/BinData.h"
#include "engine/KolvaDoc.h"
#include "platform/base/Afx.h"
#include "view/KolvaView.h"

namespace {
constexpr int kRowBytes = 16;
const char kNotFound[] = "指定した文字列は見つかりませんでした。";
const char kSearchEnded[] = "検索は終了しました";
const char kReplacedCount[] = "%1個の文字列を置換しました";
} // namespace

bool CViewSearch::s_bLastFind = false;

void CViewSearch::NotFound(bool bBeep) {
    if (bBeep) MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(kNotFound, MB_OK | MB_ICONEXCLAMATION);
}

bool CViewSearch::Find(CKolvaView& view, bool bForward, const Pattern& pattern, bool bNew,
                       const Options& options) {
    CBinData* data = view.GetData();
    if (!data) return false;
    bool hadSelection = data->m_bSelection;
    int firstOld = data->m_nSelStart / kRowBytes, lastOld = data->m_nSelEnd / kRowBytes;
    int found = data->Find(bForward, static_cast<int>(pattern.size()), pattern.data(), bNew,
                           options.bCaseSensitive, options.bInRange);
    if (found < 0) {
        s_bLastFind = false;
        if (bNew)
            NotFound(true);
        else
            AfxMessageBox(kSearchEnded, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    ShowMatch(view, hadSelection ? firstOld : -1, lastOld);
    s_bLastFind = true;
    return true;
}

void CViewSearch::ShowMatch(CKolvaView& view, int firstOldRow, int lastOldRow) {
    CBinData* data = view.GetData();
    if (firstOldRow >= 0) view.InvalidateRows(firstOldRow, lastOldRow, false);
    int first = data->m_nSelStart / kRowBytes, last = data->m_nSelEnd / kRowBytes;
    view.ScrollRangeIntoView(first, last);
    view.InvalidateRows(first, last, false);
    view.PlaceCaret(nullptr, view.ShapeForMode());
}

void CViewSearch::Changed(CKolvaView& view) {
    view.GetDocument()->SetModifiedFlag();
    view.RefreshAfterChange();
}

bool CViewSearch::ReplaceCurrent(CKolvaView& view, const Pattern& replacement) {
    CBinData* data = view.GetData();
    if (!s_bLastFind || !data) return false;
    data->ReplaceSelection(static_cast<int>(replacement.size()), replacement.data());
    Changed(view);
    return true;
}

void CViewSearch::ReplaceAll(CKolvaView& view, const Pattern& pattern, const Pattern& replacement,
                             const Options& options) {
    CBinData* data = view.GetData();
    if (!data) return;
    int count = data->ReplaceAll(static_cast<int>(pattern.size()), pattern.data(),
                                 static_cast<int>(replacement.size()), replacement.data(),
                                 options.bCaseSensitive, options.bInRange);
    if (count < 0) {
        NotFound(true);
        return;
    }
    Changed(view);
    std::string text = kReplacedCount;
    text.replace(text.find("%1"), 2, std::to_string(count));
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
