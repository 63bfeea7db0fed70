#include "platform/wx/WxDialogBarPeer.h"

#include <wx/panel.h>

#include "platform/wx/WxDialogBuilder.h"

CWxDialogBarPeer::CWxDialogBarPeer(CWnd* pOwner, wxWindow* parent, const CWindowRequest& request)
    : CWxWindowPeer(pOwner) {
    auto* panel = new wxPanel(parent, wxID_ANY);
    Attach(panel);
    if (request.m_pDialog) {
        CWxDialogBuilder builder(panel);
        builder.Build(*request.m_pDialog);
        panel->SetMinSize(wxSize(-1, builder.ToPixels(request.m_pDialog->m_size).y));
    }
    ForwardControlCommands(panel);
    StartDelivery();
}
