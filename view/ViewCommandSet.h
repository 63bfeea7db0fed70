#pragma once
#include <utility>

#include "engine/KolvaDoc.h"
#include "platform/framework/CommandSet.h"
#include "view/UpdateHint.h"

class CKolvaView;

// Commands of the hex view that belong to the layers above it, attached to each new view by
// its factory. A set reaches the view, its document and data, and the edit step.
class CViewCommandSet : public CCommandSet<CKolvaView> {
public:
    using CCommandSet::CCommandSet;

protected:
    CKolvaView& View() const { return m_owner; }
    CKolvaDoc* Document() const;
    // The view's data, or null while the document has none.
    CBinData* Data() const;
    int EditMode() const;
    // A change of the bytes, through the document's edit step; the views refresh as after
    // every command that changes bytes unless lHint says otherwise.
    template <typename Change> void Edit(Change&& change, long lHint = UpdateHint::kAfterChange) {
        Document()->Edit(std::forward<Change>(change), lHint);
    }
};
