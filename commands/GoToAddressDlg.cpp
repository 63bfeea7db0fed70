#include "commands/GoToAddressDlg.h"

#include <algorithm>
#include <cstdlib>

#include "res/Resource.h"

CGoToAddressDlg::CGoToAddressDlg(CWnd* pParent) : CDialog(IDD_JUMP_ADDRESS, pParent) {}

void CGoToAddressDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_ADDRESS, m_strAddress);
}

int32_t CGoToAddressDlg::ParseAddress(const std::string& text) {
    // long long holds every 32-bit value and saturates beyond its own range.
    long long value = std::strtoll(text.c_str(), nullptr, 16);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}
