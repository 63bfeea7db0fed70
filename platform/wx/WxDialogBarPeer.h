#pragma once
#include "platform/wx/WxWindowPeer.h"

// A bar at the top of a document window made from a dialog template: as high as the
// template (until the program sets its height) and as wide as the window.
class CWxDialogBarPeer : public CWxWindowPeer {
public:
    CWxDialogBarPeer(CWnd* pOwner, wxWindow* parent, const CWindowRequest& request);
};
