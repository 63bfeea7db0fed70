#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/base/Clipboard.h"

class wxDataFormat;

// The system clipboard through wx. Formats registered by name are custom clipboard formats
// of that name; CF_TEXT is the system's text, converted between code page 932 and Unicode.
class CWxClipboard : public CClipboard {
public:
    unsigned RegisterFormat(const std::string& name) override;
    bool SetData(CClipboardData data) override;
    bool IsFormatAvailable(unsigned format) override;
    bool GetData(unsigned format, std::vector<uint8_t>& block) override;

    // The Unicode text of a CF_TEXT block: code page 932 up to the first zero byte.
    static std::string TextOfBlock(const std::vector<uint8_t>& block);
    // The CF_TEXT block of Unicode text, ending in a zero byte.
    static std::vector<uint8_t> BlockOfText(const std::string& utf8);

private:
    // False for a number that is neither CF_TEXT nor a registered format.
    bool FormatOf(unsigned format, wxDataFormat& out) const;

    std::map<std::string, unsigned> m_formats;
    std::vector<std::string> m_names; // by number - 0xC000
};
