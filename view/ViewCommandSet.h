#pragma once
#include <utility>

#include "engine/KolvaDoc.h"
#include "platform/framework/CmdTarget.h"
#include "view/UpdateHint.h"

class CBinData;
class CKolvaView;

// Commands that a layer above the hex view adds to it. A derived set fills its table in its
// constructor like any command target; the view's factory attaches it to the view, whose table
// then answers with the set's handlers after the view's own. The set lives as long as the view.
class CViewCommandSet : public CCmdTarget {
public:
    explicit CViewCommandSet(CKolvaView& view) : m_view(view) {}

protected:
    CKolvaView& View() const { return m_view; }
    CKolvaDoc* Document() const;
    // The view's data, or null while the document has none.
    CBinData* Data() const;
    int EditMode() const;
    // A change of the bytes, through the document's edit step; the views refresh as after
    // every command that changes bytes unless lHint says otherwise.
    template <typename Change> void Edit(Change&& change, long lHint = UpdateHint::kAfterChange) {
        Document()->Edit(std::forward<Change>(change), lHint);
    }

private:
    CKolvaView& m_view;
};
