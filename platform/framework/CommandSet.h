#pragma once
#include "platform/framework/CmdTarget.h"

// Handlers that a layer above a command target adds to it. A set fills its table in its
// constructor like any command target; once its owner has attached it (AttachCommandSet), the
// owner answers with the set's handlers after its own. The set lives as long as the owner.
template <typename TOwner> class CCommandSet : public CCmdTarget {
public:
    explicit CCommandSet(TOwner& owner) : m_owner(owner) {}

protected:
    TOwner& m_owner;
};
