#pragma once
#include "view/KolvaView.h"

// Counts its paints, so a timed repaint is known to have happened.
class CountingView : public CKolvaView {
public:
    void OnDraw(CDC* pDC) override {
        ++m_nDraws;
        CKolvaView::OnDraw(pDC);
    }
    int m_nDraws = 0;
};
