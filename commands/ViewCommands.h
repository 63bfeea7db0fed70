#pragma once

class CKolvaView;

// Every command set of this layer, put on a new hex view in one call from the view's
// factory.
class CViewCommands {
public:
    CViewCommands() = delete;
    static void Install(CKolvaView& view);
};
