#include "platform/framework/Dialog.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceSet.h"
#include "platform/framework/SystemServices.h"

namespace {
// The framework's messages in the string table, with their texts when there is none.
using FrameworkIds::kParseIntMessage;
using FrameworkIds::kRangeIntMessage;

std::string FrameworkString(UINT id, const char* fallback) {
    std::string text = CResourceSet::Current().LoadString(id);
    return text.empty() ? fallback : text;
}
} // namespace

void DDX_Text(CDataExchange* pDX, UINT id, std::string& value) {
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlg->GetDlgItemText(id);
    else
        pDX->m_pDlg->SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange* pDX, UINT id, int& value) {
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlg->SetDlgItemText(id, std::to_string(value));
        return;
    }
    pDX->m_idLastControl = id;
    std::string text = pDX->m_pDlg->GetDlgItemText(id);
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(text.c_str(), &end, 10);
    // A number beyond 32 bits is refused, not wrapped round into a small one.
    if (text.empty() || *end != '\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) {
        AfxMessageBox(FrameworkString(kParseIntMessage, "整数を入力してください。"),
                      MB_ICONEXCLAMATION | MB_OK);
        pDX->m_pDlg->GotoDlgCtrl(id);
        pDX->m_bFailed = true;
        return;
    }
    value = static_cast<int>(parsed);
}

void DDX_Check(CDataExchange* pDX, UINT id, int& value) {
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlg->IsDlgButtonChecked(id);
    else
        pDX->m_pDlg->CheckDlgButton(id, value);
}

void DDX_Radio(CDataExchange* pDX, UINT id, int& value) {
    const CDialogDef* def = CResourceSet::Current().FindDialog(pDX->m_pDlg->GetTemplateID());
    if (!def) return;
    // The group runs from id to the next control that starts a group.
    std::vector<UINT> group;
    bool in = false;
    for (const CControlDef& c : def->m_controls) {
        if (c.m_nID == id)
            in = true;
        else if (in && (c.m_kind != CControlDef::RadioButton || (c.m_style & CControlDef::kGroup)))
            break;
        if (in && c.m_kind == CControlDef::RadioButton) group.push_back(c.m_nID);
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (pDX->m_pDlg->IsDlgButtonChecked(group[i])) value = static_cast<int>(i);
    } else {
        for (size_t i = 0; i < group.size(); ++i)
            pDX->m_pDlg->CheckDlgButton(group[i], static_cast<int>(i) == value);
    }
}

void DDX_CBString(CDataExchange* pDX, UINT id, std::string& value) {
    DDX_Text(pDX, id, value);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int low, int high) {
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed || (value >= low && value <= high)) return;
    std::string text =
        FrameworkString(kRangeIntMessage, "%1 から %2 までの整数を入力してください。");
    text.replace(text.find("%1"), 2, std::to_string(low));
    text.replace(text.find("%2"), 2, std::to_string(high));
    AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
    if (pDX->m_idLastControl) pDX->m_pDlg->GotoDlgCtrl(pDX->m_idLastControl);
    pDX->m_bFailed = true;
}

bool CDialog::CreateDialogPeer() {
    CWindowRequest request;
    request.m_kind = CWindowRequest::Dialog;
    request.m_pParent = m_pParentWnd;
    request.m_nID = m_nTemplateID;
    request.m_pDialog = CResourceSet::Current().FindDialog(m_nTemplateID);
    if (!request.m_pDialog) return false;
    request.m_strTitle = request.m_pDialog->m_caption;
    if (!CreatePeer(request)) return false;
    OnInitDialog();
    return true;
}

int CDialog::DoModal() {
    m_bModal = true;
    m_nResult = IDCANCEL;
    if (!CreateDialogPeer()) return -1;
    int result = GetDialogPeer()->RunModal();
    if (result != 0) m_nResult = result;
    DestroyWindow();
    m_bModal = false;
    return m_nResult;
}

bool CDialog::Create() {
    m_bModal = false;
    // Building controls loads the toolkit's image loaders and styles: a dialog the user may
    // never open should not cost that at start-up.
    m_bDeferred = CResourceSet::Current().FindDialog(m_nTemplateID) != nullptr;
    return m_bDeferred;
}

bool CDialog::MakeDeferredWindow() {
    return m_bDeferred && !m_bModal && CreateDialogPeer();
}

void CDialog::EndDialog(int result) {
    m_nResult = result;
    CDialogPeer* peer = GetDialogPeer();
    if (!peer) return;
    if (m_bModal)
        peer->EndModal(result);
    else
        ShowWindow(false); // a modeless dialog keeps its window and contents
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    // Without controls the fields are the dialog's state; reading would empty them.
    if (!ControlPeer()) return true;
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::SetDlgItemText(UINT id, const std::string& text) {
    if (CDialogPeer* peer = ControlPeer()) peer->SetItemText(id, text);
}

std::string CDialog::GetDlgItemText(UINT id) {
    CDialogPeer* peer = ControlPeer();
    return peer ? peer->GetItemText(id) : std::string();
}

void CDialog::CheckDlgButton(UINT id, int state) {
    if (CDialogPeer* peer = ControlPeer()) peer->SetItemCheck(id, state);
}

int CDialog::IsDlgButtonChecked(UINT id) {
    CDialogPeer* peer = ControlPeer();
    return peer ? peer->GetItemCheck(id) : 0;
}

void CDialog::EnableDlgItem(UINT id, bool bEnable) {
    if (CDialogPeer* peer = ControlPeer()) peer->EnableItem(id, bEnable);
}

void CDialog::SetComboItems(UINT id, const std::vector<std::string>& items) {
    if (CDialogPeer* peer = ControlPeer()) peer->SetComboItems(id, items);
}

void CDialog::SetSpinRange(UINT id, int low, int high) {
    if (CDialogPeer* peer = ControlPeer()) peer->SetSpinRange(id, low, high);
}

void CDialog::GotoDlgCtrl(UINT id) {
    if (CDialogPeer* peer = ControlPeer()) peer->FocusItem(id);
}

void CDialog::PostCommand(UINT id) {
    if (!IsCreated()) MakeDeferredWindow();
    if (CDialogPeer* peer = GetDialogPeer()) peer->PostCommand(id);
}

void CDialog::OnCommandFromUI(UINT id) {
    if (RouteCommand({this}, id)) return;
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}
