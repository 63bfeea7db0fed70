// Copying the selection of CBinData to the clipboard.
#include <cstdio>

#include "engine/BinData.h"
#include "engine/DocumentHost.h"
#include "engine/QXClipboard.h"
#include "engine/TextClipboard.h"
#include "platform/base/Afx.h"
#include "platform/base/Clipboard.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/Backend.h"
#include "res/Resource.h"

namespace {
const char kLimitMessage[] = "クリップボードへコピーするデータがサイズ上限を超えています";
const char kGoneMessage[] = " はほかのプログラムによって短くされたため、選択範囲の一部がもう"
                            "ありません。コピーしませんでした。";
constexpr int kCopyLimit = 65536;
constexpr int kEscapedCopyLimit = 32;

bool PutText(std::vector<uint8_t> block) {
    CClipboardData data;
    data.Add(CF_TEXT, std::move(block));
    return !CBackend::Current().Clipboard().SetData(std::move(data));
}
} // namespace

// False, with a message, when the selection is longer than limit or reaches past the end of a
// file cut short underneath; false without one when nothing is selected.
bool CBinData::CheckClipboardLimit(int limit) {
    int first, count;
    if (!ClippedSelection(first, count)) return false;
    if (count > limit) {
        CDocumentHost::Report(kLimitMessage, MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    // Bytes that are gone would be copied as zeros.
    if (m_pStore->BytesGone(first, count)) {
        CDocumentHost::Report(m_file.GetFilePath() + kGoneMessage, MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    return true;
}

bool CBinData::CopyToClipboard() {
    int first, count;
    if (!CheckClipboardLimit(kCopyLimit) || !ClippedSelection(first, count)) return true;
    return PutQXClipboard(count, GetBytes(first, count));
}

bool CBinData::CopyAsText() {
    int first, count;
    if (!CheckClipboardLimit(kCopyLimit) || !ClippedSelection(first, count)) return true;
    const uint8_t* bytes = GetBytes(first, count);
    if (PutTextClipboard(count, bytes)) return true;
    // The copy is made either way; the user learns that other programs get other bytes.
    if (!IsExactAsText(count, bytes))
        CDocumentHost::Report(CResourceSet::Current().LoadString(IDS_TEXT_NOT_EXACT),
                              MB_ICONEXCLAMATION | MB_OK);
    return false;
}

bool CBinData::CopyAsEscapedText() {
    int first, count;
    if (!CheckClipboardLimit(kEscapedCopyLimit) || !ClippedSelection(first, count)) return true;
    const uint8_t* bytes = GetBytes(first, count);
    std::vector<uint8_t> block;
    block.reserve(size_t(count) * 4 + 1);
    for (int i = 0; i < count; ++i) {
        uint8_t b = bytes[i];
        if (b >= 0x21 && b <= 0x7E) {
            block.push_back(b);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", b);
            block.insert(block.end(), escape, escape + 4);
        }
    }
    block.push_back(0);
    return PutText(std::move(block));
}
