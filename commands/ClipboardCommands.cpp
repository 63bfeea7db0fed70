#include "commands/ClipboardCommands.h"

#include <cstdint>
#include <memory>

#include "commands/EditModes.h"
#include "engine/KolvaDoc.h"
#include "engine/QXClipboard.h"
#include "engine/TextClipboard.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
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

CClipboardCommands::CClipboardCommands(CKolvaView& view) : m_view(view) {
    view.AddCommandHandler(ID_EDIT_COPY, [this] { m_view.GetData()->CopyToClipboard(); });
    view.AddCommandHandler(ID_EDIT_COPY_ESCAPED, [this] { m_view.GetData()->CopyAsEscapedText(); });
    view.AddCommandHandler(ID_EDIT_TEXT_COPY, [this] { m_view.GetData()->CopyAsText(); });
    view.AddCommandHandler(ID_EDIT_CUT, [this] { OnCut(); });
    view.AddCommandHandler(ID_EDIT_PASTE, [this] { OnPaste(); });
    view.AddCommandHandler(ID_EDIT_PASTE_OVERWRITE, [this] { OnPasteOverwrite(); });
    view.AddCommandHandler(ID_EDIT_TEXT_PASTE, [this] { OnTextPaste(); });

    for (UINT id : {ID_EDIT_COPY, ID_EDIT_COPY_ESCAPED, ID_EDIT_TEXT_COPY})
        view.AddUpdateHandler(id, [this](CCmdUI* pCmdUI) { EnableWithSelection(pCmdUI); });
    view.AddUpdateHandler(ID_EDIT_CUT, [this](CCmdUI* pCmdUI) {
        CBinData* data = m_view.GetData();
        pCmdUI->Enable(data && data->m_bSelection && m_view.EditMode() == kModeInsert);
    });
    view.AddUpdateHandler(ID_EDIT_PASTE,
                          [this](CCmdUI* pCmdUI) { EnableInModes(pCmdUI, kModeInsert); });
    view.AddUpdateHandler(ID_EDIT_PASTE_OVERWRITE,
                          [this](CCmdUI* pCmdUI) { EnableInModes(pCmdUI, kModeOverwrite); });
    view.AddUpdateHandler(ID_EDIT_TEXT_PASTE,
                          [this](CCmdUI* pCmdUI) { pCmdUI->Enable(m_view.GetData()); });
}

void CClipboardCommands::Install(CKolvaView& view) {
    view.AddCommandSet(std::make_unique<CClipboardCommands>(view));
}

void CClipboardCommands::EnableWithSelection(CCmdUI* pCmdUI) {
    CBinData* data = m_view.GetData();
    pCmdUI->Enable(data && data->m_bSelection);
}

void CClipboardCommands::EnableInModes(CCmdUI* pCmdUI, int lowestMode) {
    pCmdUI->Enable(m_view.GetData() && m_view.EditMode() >= lowestMode);
}

void CClipboardCommands::OnCut() {
    // A refused copy has said why; the bytes stay where they are.
    if (m_view.GetData()->CopyToClipboard()) return;
    if (!m_view.SelectionTouchesVisibleRows()) return CKolvaView::Refuse();
    m_view.GetData()->DeleteSelection();
    m_view.GetDocument()->SetModifiedFlag();
    m_view.RefreshAfterChange();
}

void CClipboardCommands::OnPaste() {
    InsertBlock(PrivateBytes());
}

void CClipboardCommands::OnPasteOverwrite() {
    OverwriteBlock(PrivateBytes());
}

void CClipboardCommands::OnTextPaste() {
    std::vector<uint8_t> text = GetTextClipboard();
    switch (m_view.EditMode()) {
    case kModeInsert:
        return InsertBlock(text);
    case kModeOverwrite:
        return OverwriteBlock(text);
    default:
        return CKolvaView::Refuse();
    }
}

void CClipboardCommands::InsertBlock(const std::vector<uint8_t>& bytes) {
    CBinData* data = m_view.GetData();
    if (bytes.empty() || data->m_bOffMemory ||
        int64_t(data->GetDataLength()) + int64_t(bytes.size()) > kMaxLength)
        return CKolvaView::Refuse();
    int caret = data->m_nCaret;
    int n = static_cast<int>(bytes.size());
    data->InsertBlock(caret, bytes.data(), n);
    data->m_nCaret = caret + n;
    m_view.GetDocument()->SetModifiedFlag();
    m_view.RefreshAfterChange();
    m_view.BringCaretIntoView();
}

void CClipboardCommands::OverwriteBlock(const std::vector<uint8_t>& bytes) {
    CBinData* data = m_view.GetData();
    if (bytes.empty() || data->m_bOffMemory) return CKolvaView::Refuse();
    int caret = data->m_nCaret;
    int n = static_cast<int>(bytes.size());
    if (data->GetDataLength() - caret < n) {
        CKolvaView::Refuse();
        AfxMessageBox(kDoesNotFit, MB_ICONSTOP | MB_OK);
        return;
    }
    data->OverwriteBlock(caret, bytes.data(), n);
    m_view.GetDocument()->SetModifiedFlag();
    m_view.Invalidate(false);
}
