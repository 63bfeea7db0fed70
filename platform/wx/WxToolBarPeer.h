#pragma once
#include <map>
#include <vector>

#include "platform/base/ResourceTypes.h"
#include "platform/framework/ToolBarPeer.h"
#include "platform/wx/WxWindowPeer.h"

class wxToolBar;
typedef struct _GtkWidget GtkWidget;

// A toolbar. Buttons of a toolbar resource show the pictures of their commands; buttons the
// program sets itself (the file-name bar) are check buttons with a label and one of two
// marker pictures. Enabling and check marks follow the owner's command states at idle time.
class CWxToolBarPeer : public CWxWindowPeer, public CToolBarPeer {
public:
    CWxToolBarPeer(CWnd* pOwner, wxWindow* parent, const CWindowRequest& request);

    void SetButtons(const std::vector<Button>& buttons) override;
    void SetButtonImage(int index, int image) override;
    // Enabling and check marks from the owner's command states.
    void UpdateCommandUI();
    // The arrow whose menu holds the buttons that do not fit, or null.
    static GtkWidget* OverflowArrow(wxToolBar* bar);

private:
    void GrowToBestSize();
    wxToolBar* Bar() const;
    wxBitmap ImageOf(const Button& button) const;
    void OnTool(wxCommandEvent& event);

    bool m_bMarkers;
    CToolBarDef m_def; // the pictures of a resource toolbar
    std::vector<Button> m_buttons;
    std::map<UINT, bool> m_checked; // the check marks the owner last asked for
};
