#include "commands/NavigationCommands.h"

#include "commands/GoToAddressDlg.h"
#include "engine/BinData.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

CNavigationCommands::CNavigationCommands(CKolvaView& view) : CViewCommandSet(view) {
    OnCommand(ID_JUMP_TOP, [this] { GoTo(false); });
    OnCommand(ID_JUMP_END, [this] { GoTo(true); });
    OnCommand(ID_JUMP_ADDRESS, [this] { OnGoToAddress(); });
    for (UINT id : {ID_JUMP_TOP, ID_JUMP_END, ID_JUMP_ADDRESS})
        OnUpdate(id, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(Data()); });
}

// The end is the position after the last byte, where insert mode appends.
void CNavigationCommands::GoTo(bool bEnd) {
    CBinData* data = Data();
    View().GoToPosition(bEnd ? data->GetDataLength() : 0);
}

void CNavigationCommands::OnGoToAddress() {
    CGoToAddressDlg dlg(View().GetParentFrame());
    if (dlg.DoModal() != IDOK) return;
    int32_t address = CGoToAddressDlg::ParseAddress(dlg.m_strAddress);
    CBinData* data = Data();
    if (!data) return;
    // The end position after the last byte is a place to go to as well.
    if (address > data->GetDataLength()) {
        AfxMessageBox("指定アドレスは範囲外です", MB_ICONSTOP | MB_OK);
        return;
    }
    if (address >= 0) View().GoToPosition(address);
}
