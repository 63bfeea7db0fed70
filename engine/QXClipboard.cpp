#include "engine/QXClipboard.h"

#include <cstring>
#include <new>

#include "platform/base/Clipboard.h"
#include "platform/framework/Backend.h"

namespace {
unsigned QXFormat(CClipboard& clipboard) {
    return clipboard.RegisterFormat("QXClipboard");
}
} // namespace

bool PutQXClipboard(int n, const uint8_t* bytes) {
    if (n < 0) return true;
    CClipboard& clipboard = CBackend::Current().Clipboard();
    CClipboardData data;
    try {
        std::vector<uint8_t> block(size_t(n) + 4);
        for (int i = 0; i < 4; ++i)
            block[size_t(i)] = static_cast<uint8_t>(uint32_t(n) >> (8 * i));
        if (n > 0) std::memcpy(block.data() + 4, bytes, size_t(n));
        data.Add(QXFormat(clipboard), std::move(block));
    } catch (const std::bad_alloc&) {
        return true;
    }
    return !clipboard.SetData(std::move(data));
}

bool GetQXClipboard(std::vector<uint8_t>& bytes) {
    CClipboard& clipboard = CBackend::Current().Clipboard();
    unsigned format = QXFormat(clipboard);
    if (!clipboard.IsFormatAvailable(format)) return true;
    std::vector<uint8_t> block;
    if (!clipboard.GetData(format, block) || block.size() < 4) return true;
    uint32_t count = 0;
    for (int i = 0; i < 4; ++i)
        count |= uint32_t(block[size_t(i)]) << (8 * i);
    if (count > block.size() - 4) return true;
    bytes.assign(block.begin() + 4, block.begin() + 4 + count);
    return false;
}
