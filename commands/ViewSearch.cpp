#include "commands/ViewSearch.h"

#include <string>

#include "commands/EditModes.h"
#include "engine/BinData.h"
#include "engine/KolvaDoc.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/KolvaView.h"
#include "view/UpdateHint.h"

namespace {
constexpr int kRowBytes = CRowLayout::kBytesPerRow;
const char kNotFound[] = "指定した文字列は見つかりませんでした。";
const char kSearchEnded[] = "検索は終了しました";
const char kReplacedCount[] = "%1個の文字列を置換しました";

int Length(const Pattern& pattern) {
    return static_cast<int>(pattern.size());
}
} // namespace

const CKolvaView* CViewSearch::s_pLastFound = nullptr;

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
    int caret = data->m_nCaret;
    int found = data->Find(bForward, Length(pattern), pattern.data(), bNew, options.bCaseSensitive,
                           options.bInRange);
    // A search confined to the range moves a caret outside it to the range first; typing must
    // still go where the caret is drawn.
    if (found < 0) data->SetCaret(caret);
    return Report(view, found >= 0, bNew, hadSelection ? firstOld : -1, lastOld);
}

bool CViewSearch::Report(CKolvaView& view, bool bFound, bool bNew, int firstOldRow,
                         int lastOldRow) {
    if (!bFound) {
        s_pLastFound = nullptr;
        if (bNew)
            NotFound(true);
        else
            AfxMessageBox(kSearchEnded, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    ShowMatch(view, firstOldRow, lastOldRow);
    s_pLastFound = &view;
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

bool CViewSearch::MayChange(CKolvaView& view) {
    CKolvaDoc* doc = view.GetDocument();
    if (!doc || !doc->m_pData) return false;
    if (doc->m_pData->m_nAllowedMode == kModeView && !doc->m_bNewDocument) {
        AfxMessageBox(CResourceSet::Current().LoadString(IDS_VIEW_ONLY_NO_REPLACE),
                      MB_OK | MB_ICONSTOP);
        return false;
    }
    if (doc->m_nEditMode == kModeView || !CEditModes::IsPermitted(*doc, doc->m_nEditMode)) {
        CKolvaView::Refuse();
        return false;
    }
    return true;
}

bool CViewSearch::ReplaceFound(CKolvaView& view, const Pattern& pattern, const Pattern& replacement,
                               const Options& options) {
    CBinData* data = view.GetData();
    if (!data || s_pLastFound != &view ||
        !data->SelectionMatches(Length(pattern), pattern.data(), options.bCaseSensitive,
                                options.bInRange))
        return false;
    int found = -1;
    view.GetDocument()->Edit(
        [&](CBinData& d) {
            found = d.ReplaceMatch(Length(pattern), pattern.data(), Length(replacement),
                                   replacement.data(), options.bCaseSensitive, options.bInRange);
        },
        UpdateHint::kAfterChange);
    Report(view, found >= 0, false, -1, -1);
    return true;
}

void CViewSearch::ReplaceAll(CKolvaView& view, const Pattern& pattern, const Pattern& replacement,
                             const Options& options) {
    CBinData* data = view.GetData();
    if (!data) return;
    s_pLastFound = nullptr; // the search this starts ends with it
    int caret = data->m_nCaret;
    int count = -1;
    view.GetDocument()->Edit(
        [&](CBinData& d) {
            count = d.ReplaceAll(Length(pattern), pattern.data(), Length(replacement),
                                 replacement.data(), options.bCaseSensitive, options.bInRange);
            if (count >= 0) return true;
            // Nothing replaced: the caret goes back where the search began.
            d.SetCaret(caret);
            return false;
        },
        UpdateHint::kAfterChange);
    if (count < 0) return NotFound(true);
    std::string text = kReplacedCount;
    text.replace(text.find("%1"), 2, std::to_string(count));
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
