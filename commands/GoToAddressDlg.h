#pragma once
#include <cstdint>
#include <string>

#include "platform/framework/Dialog.h"

// Asks for an address typed in hexadecimal.
class CGoToAddressDlg : public CDialog {
public:
    explicit CGoToAddressDlg(CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;

    // The number the text gives when read as the C library reads base 16: leading blanks, a
    // sign and "0x" are taken, reading stops at the first other character, no digits give 0,
    // and values beyond 32 bits stop at the largest or smallest.
    static int32_t ParseAddress(const std::string& text);

    std::string m_strAddress;
};
