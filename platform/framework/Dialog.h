#pragma once
#include <string>
#include <vector>

#include "platform/framework/DialogPeer.h"
#include "platform/framework/Wnd.h"

class CDialog;

// Moves values between a dialog's controls and its fields, in either direction.
class CDataExchange {
public:
    CDataExchange(CDialog* pDlg, bool bSave) : m_pDlg(pDlg), m_bSaveAndValidate(bSave) {}
    CDialog* m_pDlg;
    bool m_bSaveAndValidate; // true: controls to fields
    bool m_bFailed = false;
    UINT m_idLastControl = 0; // the field a following check refuses goes back to it
};

void DDX_Text(CDataExchange* pDX, UINT id, std::string& value);
void DDX_Text(CDataExchange* pDX, UINT id, int& value);
void DDX_Check(CDataExchange* pDX, UINT id, int& value);
// value is the index of the checked radio button in the group that starts at id.
void DDX_Radio(CDataExchange* pDX, UINT id, int& value);
void DDX_CBString(CDataExchange* pDX, UINT id, std::string& value);
// Refuses a value outside low .. high with the framework's message and puts the focus back on
// the control exchanged last.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int low, int high);

// A dialog from a template: modal (DoModal) or modeless (Create). A modeless dialog's window is
// built when it is first shown (or posted a command), from what its fields hold then; until
// then, and across hiding, the fields are its state.
class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* pParent) : m_nTemplateID(templateId), m_pParentWnd(pParent) {}

    virtual int DoModal();
    bool Create();
    CDialogPeer* GetDialogPeer() const { return PeerAs<CDialogPeer>(); }
    void EndDialog(int result);
    bool UpdateData(bool bSaveAndValidate = true);
    bool IsModal() const { return m_bModal; }
    UINT GetTemplateID() const { return m_nTemplateID; }

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}

    void SetDlgItemText(UINT id, const std::string& text);
    std::string GetDlgItemText(UINT id);
    void CheckDlgButton(UINT id, int state);
    int IsDlgButtonChecked(UINT id);
    void EnableDlgItem(UINT id, bool bEnable);
    void SetComboItems(UINT id, const std::vector<std::string>& items);
    // The range of the up-down control id, which steps the control before it.
    void SetSpinRange(UINT id, int low, int high);
    void GotoDlgCtrl(UINT id);
    // Delivers the command of button id once the current message is done, as a click would.
    void PostCommand(UINT id);
    // The list of combo box id is about to drop down.
    virtual void OnDropDown(UINT /*id*/) {}

    void OnCommandFromUI(UINT id) override;
    void OnClose() override { OnCancel(); }

protected:
    bool CreateDialogPeer();
    bool PeerFitsKind() const override { return GetDialogPeer() != nullptr; }
    bool MakeDeferredWindow() override;
    // The window whose controls this dialog's items are.
    virtual CDialogPeer* ControlPeer() { return GetDialogPeer(); }

    UINT m_nTemplateID;
    CWnd* m_pParentWnd;
    bool m_bModal = false;
    bool m_bDeferred = false; // Create was called: the window comes when it is needed
    int m_nResult = 0;
};
