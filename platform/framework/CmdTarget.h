#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "platform/framework/CmdUI.h"

// Something commands can be routed to: a table of command handlers and update handlers.
// Derived classes fill their tables in their constructors (the message map).
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    bool HasCommandHandler(UINT id) const;
    // Runs the handler for id; false when this target has none.
    virtual bool RunCommand(UINT id);
    // Runs the update handler for id; false when this target has none.
    bool RunUpdate(CCmdUI* pCmdUI);

    // Routing through a chain of targets (the first in the chain is asked first):
    // the first update handler decides; without one, a command some target handles is
    // enabled and one nothing handles is disabled.
    static void RouteUpdate(const std::vector<CCmdTarget*>& chain, CCmdUI* pCmdUI);
    // Runs the command on the first target that handles it, only while it is enabled.
    // Returns whether it ran.
    static bool RouteCommand(const std::vector<CCmdTarget*>& chain, UINT id);

    // Keeps a set of handlers that a layer above this target's own fills in, and lets them
    // answer for this target after its own table. A set lives as long as the target.
    void AttachCommandSet(std::unique_ptr<CCmdTarget> pSet);

protected:
    void OnCommand(UINT id, std::function<void()> handler);
    void OnCommandRange(UINT first, UINT last, std::function<void(UINT)> handler);
    void OnUpdate(UINT id, std::function<void(CCmdUI*)> handler);
    void OnUpdateRange(UINT first, UINT last, std::function<void(CCmdUI*)> handler);

private:
    struct CommandEntry {
        UINT first, last;
        std::function<void(UINT)> handler;
    };
    struct UpdateEntry {
        UINT first, last;
        std::function<void(CCmdUI*)> handler;
    };
    const CommandEntry* FindCommand(UINT id) const;
    const UpdateEntry* FindUpdate(UINT id) const;

    std::vector<CommandEntry> m_commands;
    std::vector<UpdateEntry> m_updates;
    std::vector<std::unique_ptr<CCmdTarget>> m_commandSets;
};
