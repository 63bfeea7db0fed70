#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One clipboard content: blocks of bytes, each under a format, offered together.
struct CClipboardData {
    std::vector<std::pair<unsigned, std::vector<uint8_t>>> m_items;

    void Add(unsigned format, std::vector<uint8_t> block) {
        m_items.emplace_back(format, std::move(block));
    }
};

// The system clipboard. Formats registered by name get the same number on every call.
class CClipboard {
public:
    virtual ~CClipboard() = default;

    virtual unsigned RegisterFormat(const std::string& name) = 0;
    // Replaces the clipboard's content; false when the clipboard could not be opened.
    virtual bool SetData(CClipboardData data) = 0;
    virtual bool IsFormatAvailable(unsigned format) = 0;
    // The block offered under format, as it was put there; false when there is none.
    virtual bool GetData(unsigned format, std::vector<uint8_t>& block) = 0;
};
