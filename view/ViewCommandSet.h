#pragma once

// Commands that a layer above the view puts into the view's handler table. The view keeps the
// set as long as it lives, so the handlers may refer to the set and to the view.
class CViewCommandSet {
public:
    virtual ~CViewCommandSet() = default;
};
