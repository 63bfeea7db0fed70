#pragma once
#include "platform/framework/WindowPeer.h"

// A frame: bars around a view or documents, laid out again when one comes, goes or resizes.
class CFramePeer : public virtual CWindowPeer {
public:
    virtual void RecalcLayout() = 0;
};
