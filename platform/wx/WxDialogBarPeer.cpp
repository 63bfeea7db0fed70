#include "platform/wx/WxDialogBarPeer.h"

#include <wx/panel.h>

#include "platform/wx/WxDialogBuilder.h"

CWxDialogBarPeer::CWxDialogBarPeer(CWnd* pOwner, wxWindow* parent, const CWindowSpec& ws)
    : CWxWindowPeer(pOwner) {
    auto* panel = new wxPanel(parent, wxID_ANY);
    Attach(panel);
    if (ws.m_pDialog) {
        CWxDialogBuilder builder(panel);
        builder.Build(*ws.m_pDialog);
        panel->SetMinSize(wxSize(-1, builder.ToPixels(ws.m_pDialog->m_size).y));
    }
    ForwardControlCommands(panel);
    StartDelivery();
}
