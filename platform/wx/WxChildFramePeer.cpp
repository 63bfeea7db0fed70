#include "platform/wx/WxChildFramePeer.h"

#include <wx/panel.h>
#include <wx/sizer.h>

#include "platform/wx/WxDocumentBook.h"

CWxChildFramePeer::CWxChildFramePeer(CWnd* pOwner, CWxDocumentBook* book,
                                     const CWindowRequest& request)
    : CWxWindowPeer(pOwner), m_pBook(book), m_strTitle(request.m_strTitle) {
    auto* panel = new wxPanel(book, wxID_ANY);
    auto* column = new wxBoxSizer(wxVERTICAL);
    m_pTop = new wxBoxSizer(wxVERTICAL);
    m_pMiddle = new wxBoxSizer(wxVERTICAL);
    m_pBottom = new wxBoxSizer(wxVERTICAL);
    column->Add(m_pTop, 0, wxEXPAND);
    column->Add(m_pMiddle, 1, wxEXPAND);
    column->Add(m_pBottom, 0, wxEXPAND);
    panel->SetSizer(column);
    Attach(panel);
    book->AddPage(panel, Utf8(m_strTitle), true);
    StartDelivery();
}

int CWxChildFramePeer::PageIndex() const {
    return m_pBook && m_pWindow ? m_pBook->FindPage(m_pWindow) : wxNOT_FOUND;
}

bool CWxChildFramePeer::IsVisible() {
    return PageIndex() != wxNOT_FOUND;
}

void CWxChildFramePeer::SetWindowText(const std::string& text) {
    m_strTitle = text;
    int index = PageIndex();
    if (index == wxNOT_FOUND) return;
    m_pBook->SetPageText(static_cast<size_t>(index), Utf8(text));
    m_pBook->SetPageToolTip(static_cast<size_t>(index), Utf8(text));
}

void CWxChildFramePeer::RecalcLayout() {
    if (m_pWindow) m_pWindow->Layout();
}

void CWxChildFramePeer::AdoptChild(wxWindow* child, int kind) {
    switch (kind) {
    case CWindowRequest::ToolBar:
    case CWindowRequest::DialogBar:
        m_pTop->Add(child, 0, wxEXPAND);
        break;
    case CWindowRequest::StatusBar:
        m_pBottom->Add(child, 0, wxEXPAND);
        break;
    case CWindowRequest::View:
    case CWindowRequest::Control:
        m_pMiddle->Add(child, 1, wxEXPAND);
        break;
    default:
        return;
    }
    RecalcLayout();
}

void CWxChildFramePeer::Detach() {
    int index = PageIndex();
    if (index != wxNOT_FOUND) m_pBook->RemovePage(static_cast<size_t>(index));
}
