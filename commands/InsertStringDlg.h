#pragma once
#include <string>

#include "platform/framework/Dialog.h"

// Asks for an escaped text and puts its bytes on the clipboard, ready to be pasted.
class CInsertStringDlg : public CDialog {
public:
    explicit CInsertStringDlg(CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    std::string m_strText;
    int m_nUnicode = 0;
};
