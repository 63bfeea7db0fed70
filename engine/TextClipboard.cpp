#include "engine/TextClipboard.h"

#include <algorithm>
#include <new>
#include <string>

#include "platform/base/Afx.h"
#include "platform/base/Clipboard.h"
#include "platform/base/CodePage932.h"
#include "platform/framework/Backend.h"

namespace {
unsigned ExactFormat(CClipboard& clipboard) {
    return clipboard.RegisterFormat("QXText");
}
} // namespace

bool PutTextClipboard(int n, const uint8_t* bytes) {
    if (n < 0) return true;
    CClipboard& clipboard = CBackend::Current().Clipboard();
    CClipboardData data;
    try {
        std::vector<uint8_t> exact(bytes, bytes + n);
        std::vector<uint8_t> text = exact;
        text.push_back(0);
        data.Add(CF_TEXT, std::move(text));
        data.Add(ExactFormat(clipboard), std::move(exact));
    } catch (const std::bad_alloc&) {
        return true;
    }
    return !clipboard.SetData(std::move(data));
}

std::vector<uint8_t> GetTextClipboard() {
    CClipboard& clipboard = CBackend::Current().Clipboard();
    std::vector<uint8_t> block;
    unsigned exact = ExactFormat(clipboard);
    if (clipboard.IsFormatAvailable(exact) && clipboard.GetData(exact, block)) return block;
    if (!clipboard.IsFormatAvailable(CF_TEXT) || !clipboard.GetData(CF_TEXT, block)) return {};
    block.erase(std::find(block.begin(), block.end(), uint8_t(0)), block.end());
    return block;
}

bool IsExactAsText(int n, const uint8_t* bytes) {
    if (n <= 0) return true;
    if (std::find(bytes, bytes + n, uint8_t(0)) != bytes + n) return false;
    const char* text = reinterpret_cast<const char*>(bytes);
    std::string back = CCodePage932::FromUtf8(CCodePage932::ToUtf8(text, size_t(n)));
    return back.size() == size_t(n) && std::equal(back.begin(), back.end(), text);
}
