#pragma once
#include <memory>

#include "platform/framework/MainFramePeer.h"
#include "platform/wx/WxWindowPeer.h"

class CWxDocumentBook;
class CWxMenuBar;
class wxAuiNotebookEvent;
class wxBoxSizer;
class wxKeyEvent;
class wxMenuEvent;

// The main window: menu bar, accelerators, toolbars at the top and the document book. Menu
// and accelerator commands go to the owner; the close box asks the owner.
class CWxMainFramePeer : public CWxWindowPeer, public CMainFramePeer {
public:
    CWxMainFramePeer(CWnd* pOwner, const CWindowRequest& request);
    ~CWxMainFramePeer() override;

    wxWindow* ChildParent(int kind) override;
    void AdoptChild(wxWindow* child, int kind) override;
    CWxDocumentBook* GetBook() const { return m_pBook; }

    void UpdateCommandUI() override;
    void RecalcLayout() override;
    void ActivateChild(CWnd* pChild) override;
    void MaximizeChild(CWnd* pChild) override;
    void ArrangeChildren(Arrangement how) override;
    void SetRecentFiles(const std::vector<std::string>& paths) override;

private:
    void OnMenu(wxCommandEvent& event);
    void OnMenuOpen(wxMenuEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnPageChanged(wxAuiNotebookEvent& event);
    void OnPageClose(wxAuiNotebookEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void KeepKeysWithoutDocuments();
    void OnDropFiles(const std::vector<std::string>& paths);

    std::unique_ptr<CWxMenuBar> m_pMenu;
    wxWeakRef<CWxDocumentBook> m_pBook;
    wxBoxSizer* m_pBars = nullptr;
    wxWindow* m_pKeySink = nullptr; // owned by the frame
};
