#pragma once
#include <string>
#include <vector>

#include "platform/base/Clipboard.h"

// The Windows clipboard. A format registered by name is RegisterClipboardFormatW's, so other
// programs and other instances see the same blocks; the program's text (CF_TEXT, code page
// 932) is offered as CF_UNICODETEXT, from which Windows gives every other text format.
class CWin32Clipboard : public CClipboard {
public:
    CWin32Clipboard();
    ~CWin32Clipboard() override;
    CWin32Clipboard(const CWin32Clipboard&) = delete;
    CWin32Clipboard& operator=(const CWin32Clipboard&) = delete;

    unsigned RegisterFormat(const std::string& name) override;
    bool SetData(CClipboardData data) override;
    bool IsFormatAvailable(unsigned format) override;
    bool GetData(unsigned format, std::vector<uint8_t>& block) override;

private:
    bool Open() const;
    // The system's format for one of ours: CF_UNICODETEXT for the program's text.
    static unsigned SystemFormat(unsigned format);

    void* m_hOwner = nullptr; // a message-only window: the clipboard needs an owner
};
