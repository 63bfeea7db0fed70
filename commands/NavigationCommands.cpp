#include "commands/NavigationCommands.h"

#include <memory>

#include "engine/BinData.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

CNavigationCommands::CNavigationCommands(CKolvaView& view) : m_view(view) {
    view.AddCommandHandler(ID_JUMP_TOP, [this] { GoTo(false); });
    view.AddCommandHandler(ID_JUMP_END, [this] { GoTo(true); });
    for (UINT id : {ID_JUMP_TOP, ID_JUMP_END})
        view.AddUpdateHandler(id, [this](CCmdUI* pCmdUI) { pCmdUI->Enable(m_view.GetData()); });
}

void CNavigationCommands::Install(CKolvaView& view) {
    view.AddCommandSet(std::make_unique<CNavigationCommands>(view));
}

// The end is the position after the last byte, where insert mode appends.
void CNavigationCommands::GoTo(bool bEnd) {
    CBinData* data = m_view.GetData();
    m_view.GoToPosition(bEnd ? data->GetDataLength() : 0);
}
