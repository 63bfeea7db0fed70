#include "shell/OptionPageDisplay.h"

#include "engine/JCodeTable.h"
#include "platform/base/Afx.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/WinApp.h"
#include "res/Resource.h"

COptionPageDisplay::COptionPageDisplay() : CPropertyPage(IDD_OPTION_DISPLAY, "表示") {
    // Address match aligns the synchronized views at once, whatever closes the sheet.
    OnCommand(IDC_SYNC_ADDRESS, [] {
        if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd)
            app->m_pMainWnd->OnCommandFromUI(ID_SYNC_ALIGN);
    });
}

void COptionPageDisplay::DoDataExchange(CDataExchange* pDX) {
    DDX_Radio(pDX, CJCodeTable::All().front().m_nRadioID, m_nJCode);
    DDX_Radio(pDX, IDC_SYNC_ADDRESS, m_nSyncType);
}
