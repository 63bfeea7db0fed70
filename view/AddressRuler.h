#pragma once
#include "platform/framework/Wnd.h"

class CFont;
class CKolvaView;

// The one-row window above the rows that shows the column header and scrolls sideways with
// its view.
class CAddressRuler : public CWnd {
public:
    static constexpr UINT kControlId = 0xFFFF;

    bool Create(CWnd* pParent);
    void SetRulerFont(CFont* pFont);
    CFont* GetRulerFont() const { return m_pFont; }
    void ScrollBy(int dx, int dy);
    // Repaints when the view's first column is no longer the one last painted (a resize
    // moves it without a scroll).
    void FollowColumn(int firstCol);
    void OnPaint(CDC* pDC) override;

    CKolvaView* m_pView = nullptr;

private:
    CFont* m_pFont = nullptr;
    int m_nPaintedCol = 0;
};
