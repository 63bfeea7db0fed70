#pragma once

class CKolvaView;

// The selection as the hex view's keys and mouse make it: from the anchor to the caret, with
// the rows it leaves or reaches repainted.
class CHexSelection {
public:
    explicit CHexSelection(CKolvaView& view) : m_view(view) {}

    // Drops the old selection and anchors a new one at the caret.
    void Start();
    // From the anchor to the caret, once the caret has moved.
    void Extend();
    void Clear();
    bool TouchesVisibleRows() const;

private:
    CKolvaView& m_view;
};
