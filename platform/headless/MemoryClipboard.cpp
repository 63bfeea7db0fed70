#include "platform/headless/MemoryClipboard.h"

unsigned CMemoryClipboard::RegisterFormat(const std::string& name) {
    // Registered formats live in the range the system gives them.
    auto it = m_formats.find(name);
    if (it != m_formats.end()) return it->second;
    unsigned format = 0xC000 + static_cast<unsigned>(m_formats.size());
    m_formats.emplace(name, format);
    return format;
}

bool CMemoryClipboard::SetData(CClipboardData data) {
    m_content = std::move(data);
    ++m_nSetCount;
    return true;
}

bool CMemoryClipboard::IsFormatAvailable(unsigned format) {
    for (const auto& item : m_content.m_items)
        if (item.first == format) return true;
    return false;
}

bool CMemoryClipboard::GetData(unsigned format, std::vector<uint8_t>& block) {
    for (const auto& item : m_content.m_items)
        if (item.first == format) {
            block = item.second;
            return true;
        }
    return false;
}
