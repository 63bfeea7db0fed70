#pragma once
#include <wx/gdicmn.h>

#include "platform/base/ResourceTypes.h"

class wxWindow;
class CWxSpinArrows;
class wxTextCtrl;

// Makes the controls of a dialog template in a window, placed from dialog units of the
// window's font (a quarter of the average character width, an eighth of the character height).
class CWxDialogBuilder {
public:
    explicit CWxDialogBuilder(wxWindow* host);

    wxPoint ToPixels(int x, int y) const;
    wxSize ToPixels(CSize size) const;
    wxRect ToPixels(const CRect& rect) const;
    wxSize BaseUnits() const { return m_base; }

    void Build(const CDialogDef& def);

private:
    wxWindow* Make(const CControlDef& c, wxWindow* previous);
    static wxSize FitLabel(CControlDef::Kind kind, wxWindow* control, wxSize size);
    static void Attach(CWxSpinArrows* spin, wxTextCtrl* buddy);

    wxWindow* m_pHost;
    wxSize m_base;
};
