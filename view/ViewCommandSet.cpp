#include "view/ViewCommandSet.h"

#include "view/KolvaView.h"

CKolvaDoc* CViewCommandSet::Document() const {
    return View().GetDocument();
}

CBinData* CViewCommandSet::Data() const {
    return View().GetData();
}

int CViewCommandSet::EditMode() const {
    return View().EditMode();
}
