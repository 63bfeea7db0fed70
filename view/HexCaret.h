#pragma once
#include "platform/base/Types.h"

class CKolvaView;

// The hex view's caret: the shape of the editing mode, its cell in the caret's area, and the
// input method's composition window kept beside it. Only the active view has a caret.
class CHexCaret {
public:
    explicit CHexCaret(CKolvaView& view) : m_view(view) {}

    // Insert: bar; overwrite: block; VIEW: underline of one column or of both hex digits.
    int ShapeForMode() const;
    void SetShape(int type);
    CPoint HexPoint() const;
    CPoint CharPoint() const;
    void Place(int type);
    void UpdateCompositionWindow();
    void Destroy();

private:
    CKolvaView& m_view;
    bool m_bCreated = false;
};
