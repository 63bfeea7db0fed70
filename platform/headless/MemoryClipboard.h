#pragma once
#include <map>

#include "platform/base/Clipboard.h"

// A clipboard held in memory, as one process sees the system clipboard.
class CMemoryClipboard : public CClipboard {
public:
    unsigned RegisterFormat(const std::string& name) override;
    bool SetData(CClipboardData data) override;
    bool IsFormatAvailable(unsigned format) override;
    bool GetData(unsigned format, std::vector<uint8_t>& block) override;

    const CClipboardData& Content() const { return m_content; }
    // How many times the content was replaced.
    int SetCount() const { return m_nSetCount; }

private:
    std::map<std::string, unsigned> m_formats;
    CClipboardData m_content;
    int m_nSetCount = 0;
};
