#include "view/ViewCommandSet.h"

#include "view/KolvaView.h"

CKolvaDoc* CViewCommandSet::Document() const {
    return m_owner.GetDocument();
}

CBinData* CViewCommandSet::Data() const {
    return m_owner.GetData();
}

int CViewCommandSet::EditMode() const {
    return m_owner.EditMode();
}
