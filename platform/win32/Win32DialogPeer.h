#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <map>
#include <vector>

#include "platform/framework/DialogPeer.h"
#include "platform/win32/Win32WindowPeer.h"

// A dialog from an in-memory template, modal or modeless; a property sheet (the pages'
// templates as child dialogs on a tab control above OK, Cancel and Apply); or a bar from a
// template inside a frame. The system's dialog manager gives tab order, the default button
// and Escape; commands reach the owner.
class CWin32DialogPeer : public CWin32WindowPeer, public CDialogPeer {
public:
    CWin32DialogPeer(CWnd* pOwner, HWND parent, const CWindowRequest& request);
    ~CWin32DialogPeer() override;

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
    void Destroy() override;

    bool IsModal() const { return m_bModal; }
    // The dialog the message loop gives keys to, with the pages of a sheet.
    static bool IsDialogKey(MSG& msg);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    static constexpr UINT kPostedCommand = WM_APP + 1;

private:
    INT_PTR HandleDialogMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void BuildSheet(const CWindowRequest& request, HWND parent);
    void ShowPage(int index);
    // Ctrl+Tab and Ctrl+Page Down (with Shift, or Page Up, backwards) turn a sheet's pages, as
    // on the system's own sheets; true when the key was one of them.
    bool TurnPage(const MSG& msg);
    void FocusFirstControl(HWND page);
    bool OnNotify(const NMHDR& nm, LRESULT& result);
    HWND Item(UINT id) const;
    CControlDef::Kind KindOf(UINT id) const;
    void Remember(const CDialogDef& def);
    void CenterOnOwner();

    std::map<UINT, CControlDef::Kind> m_kinds;
    std::vector<HWND> m_pages;
    HWND m_hTabs = nullptr;
    HWND m_hOwnerWindow = nullptr;
    bool m_bModal = false;
    bool m_bEnded = false;
    bool m_bPlaced = false;
    int m_nResult = 0;
};
