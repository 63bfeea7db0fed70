#include "commands/InsertStringDlg.h"

#include <vector>

#include "commands/PatternText.h"
#include "engine/QXClipboard.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"

namespace {
const char kTooLong[] = "挿入文字列が長すぎます（65535バイトまで）。";
const char kNoClipboard[] = "クリップボードにコピーできませんでした";
} // namespace

CInsertStringDlg::CInsertStringDlg(CWnd* pParent) : CDialog(IDD_INSERT_STRING, pParent) {}

void CInsertStringDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_INSERT_TEXT, m_strText);
    DDX_Check(pDX, IDC_UNICODE, m_nUnicode);
}

void CInsertStringDlg::OnOK() {
    if (!UpdateData(true)) return;
    std::vector<uint8_t> bytes;
    std::string refused;
    if (!CPatternText::ConvertTyped(m_strText, m_nUnicode != 0, bytes, refused)) {
        AfxMessageBox(refused.empty() ? kTooLong : CPatternText::RefusalText(refused),
                      MB_OK | MB_ICONSTOP);
        return;
    }
    if (PutQXClipboard(static_cast<int>(bytes.size()), bytes.data()))
        AfxMessageBox(kNoClipboard, MB_OK | MB_ICONSTOP);
    EndDialog(IDOK);
}
