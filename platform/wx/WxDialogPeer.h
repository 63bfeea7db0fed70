#pragma once
#include "platform/framework/DialogPeer.h"
#include "platform/wx/WxWindowPeer.h"

class wxDialog;
class wxNotebook;

// A dialog from a template, modal or modeless, or a property sheet: the pages' templates on
// tabs above OK, Cancel and Apply. Buttons, check boxes and radio buttons send their ids to the
// owner as commands; Escape sends IDCANCEL and Enter the default button.
class CWxDialogPeer : public CWxWindowPeer, public CDialogPeer {
public:
    CWxDialogPeer(CWnd* pOwner, wxWindow* parent, const CWindowRequest& request);

    // A modeless dialog shown the first time takes a place where it covers no other.
    void Show(bool bShow) override;
    int RunModal() override;
    void EndModal(int result) override;
    void SetItemText(UINT id, const std::string& text) override;
    std::string GetItemText(UINT id) override;
    void SetItemCheck(UINT id, int state) override;
    int GetItemCheck(UINT id) override;
    void EnableItem(UINT id, bool bEnable) override;
    void SetComboItems(UINT id, const std::vector<std::string>& items) override;
    void SetSpinRange(UINT id, int low, int high) override;
    void FocusItem(UINT id) override;
    void PostCommand(UINT id) override;

private:
    wxDialog* Dialog() const;
    void BuildSheet(wxDialog* dialog, const CWindowRequest& request);
    // Leaving a page reads it (and may refuse); the page coming to the front is told.
    void BindPageHooks(wxNotebook* tabs);
    wxWindow* Item(UINT id) const;
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnDropDown(wxCommandEvent& event);
    void PlaceBesideOtherDialogs();

    UINT m_nDefaultID;
    bool m_bPlaced = false; // after that the user's moves stand
};
