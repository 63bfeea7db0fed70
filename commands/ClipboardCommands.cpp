#include "commands/ClipboardCommands.h"

#include <cstdint>

#include "commands/EditModes.h"
#include "engine/KolvaDoc.h"
#include "engine/QXClipboard.h"
#include "engine/TextClipboard.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/HexSelection.h"
#include "view/KolvaView.h"

namespace {
// Positions are 32-bit signed, the end position included.
constexpr int64_t kMaxLength = INT32_MAX - 1;
const char kDoesNotFit[] =
    "クリップボードのデータがカレット位置からファイルの最後までに収まりません";

// The private clipboard's bytes; empty when it holds none or cannot be read.
std::vector<uint8_t> PrivateBytes() {
    std::vector<uint8_t> bytes;
    if (GetQXClipboard(bytes)) bytes.clear();
    return bytes;
}
} // namespace

CClipboardCommands::CClipboardCommands(CKolvaView& view) : CViewCommandSet(view) {
    OnCommand(ID_EDIT_COPY, [this] { Data()->CopyToClipboard(); });
    OnCommand(ID_EDIT_COPY_ESCAPED, [this] { Data()->CopyAsEscapedText(); });
    OnCommand(ID_EDIT_TEXT_COPY, [this] { Data()->CopyAsText(); });
    OnCommand(ID_EDIT_CUT, [this] { OnCut(); });
    OnCommand(ID_EDIT_PASTE, [this] { InsertBlock(PrivateBytes()); });
    OnCommand(ID_EDIT_PASTE_OVERWRITE, [this] { OverwriteBlock(PrivateBytes()); });
    OnCommand(ID_EDIT_TEXT_PASTE, [this] { OnTextPaste(); });

    for (UINT id : {ID_EDIT_COPY, ID_EDIT_COPY_ESCAPED, ID_EDIT_TEXT_COPY})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { EnableWithSelection(pCmdUI); });
    OnUpdate(ID_EDIT_CUT, [this](CCmdUI* pCmdUI) {
        CBinData* data = Data();
        pCmdUI->Enable(data && data->m_bSelection && EditMode() == kModeInsert);
    });
    OnUpdate(ID_EDIT_PASTE, [this](CCmdUI* pCmdUI) { EnableInModes(pCmdUI, kModeInsert); });
    OnUpdate(ID_EDIT_PASTE_OVERWRITE,
             [this](CCmdUI* pCmdUI) { EnableInModes(pCmdUI, kModeOverwrite); });
    OnUpdate(ID_EDIT_TEXT_PASTE, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(Data()); });
}

void CClipboardCommands::EnableWithSelection(CCmdUI* pCmdUI) {
    CBinData* data = Data();
    pCmdUI->Enable(data && data->m_bSelection);
}

void CClipboardCommands::EnableInModes(CCmdUI* pCmdUI, int lowestMode) {
    pCmdUI->Enable(Data() && EditMode() >= lowestMode);
}

void CClipboardCommands::OnCut() {
    // A refused copy has said why; the bytes stay where they are.
    if (Data()->CopyToClipboard()) return;
    if (!View().Selection().TouchesVisibleRows()) return CKolvaView::Refuse();
    Edit([](CBinData& d) { d.DeleteSelection(); });
}

void CClipboardCommands::OnTextPaste() {
    std::vector<uint8_t> text = GetTextClipboard();
    switch (EditMode()) {
    case kModeInsert:
        return InsertBlock(text);
    case kModeOverwrite:
        return OverwriteBlock(text);
    default:
        return CKolvaView::Refuse();
    }
}

void CClipboardCommands::InsertBlock(const std::vector<uint8_t>& bytes) {
    CBinData* data = Data();
    if (bytes.empty() || data->m_bOffMemory ||
        int64_t(data->GetDataLength()) + int64_t(bytes.size()) > kMaxLength)
        return CKolvaView::Refuse();
    Edit([&bytes](CBinData& d) {
        int caret = d.m_nCaret, n = static_cast<int>(bytes.size());
        d.InsertBlock(caret, bytes.data(), n);
        d.SetCaret(caret + n);
    });
    View().BringCaretIntoView();
}

void CClipboardCommands::OverwriteBlock(const std::vector<uint8_t>& bytes) {
    CBinData* data = Data();
    if (bytes.empty() || data->m_bOffMemory) return CKolvaView::Refuse();
    int n = static_cast<int>(bytes.size());
    if (data->GetDataLength() - data->m_nCaret < n) {
        CKolvaView::Refuse();
        AfxMessageBox(kDoesNotFit, MB_ICONSTOP | MB_OK);
        return;
    }
    // The length stays, and so do the caret and the hex entry under way.
    Edit([&bytes, n](CBinData& d) { d.OverwriteBlock(d.m_nCaret, bytes.data(), n); },
         UpdateHint::kRepaint);
}
