#pragma once
#include "platform/framework/FramePeer.h"
#include "platform/wx/WxWindowPeer.h"

class CWxDocumentBook;
class wxBoxSizer;

// A document window: a page of the main window's document book, holding its bars at the
// top, the view, and the status bar at the bottom. Its title is the page's tab label.
class CWxChildFramePeer : public CWxWindowPeer, public CFramePeer {
public:
    CWxChildFramePeer(CWnd* pOwner, CWxDocumentBook* book, const CWindowRequest& request);

    void Show(bool /*bShow*/) override {} // the book shows the active page
    bool IsVisible() override;
    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() override { return m_strTitle; }
    void RecalcLayout() override;
    void AdoptChild(wxWindow* child, int kind) override;

protected:
    void Detach() override;

private:
    int PageIndex() const;

    wxWeakRef<CWxDocumentBook> m_pBook;
    wxBoxSizer* m_pTop;
    wxBoxSizer* m_pMiddle;
    wxBoxSizer* m_pBottom;
    std::string m_strTitle;
};
