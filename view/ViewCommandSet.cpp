#include "view/ViewCommandSet.h"

#include "view/KolvaView.h"

CKolvaDoc* CViewCommandSet::Document() const {
    return m_view.GetDocument();
}

CBinData* CViewCommandSet::Data() const {
    return m_view.GetData();
}

int CViewCommandSet::EditMode() const {
    return m_view.EditMode();
}
