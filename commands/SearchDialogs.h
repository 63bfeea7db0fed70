#pragma once

class CView;

// What the main frame tells its find and replace dialogs. The command set that owns the
// dialogs implements it; attaching that set to the main frame connects it.
class CSearchDialogs {
public:
    virtual ~CSearchDialogs() = default;

    // A view became active: the dialogs now search and replace in it.
    virtual void RefreshFor(CView* pView) = 0;
    // No document window is left: the dialogs have nothing to work on.
    virtual void Hide() = 0;
};
