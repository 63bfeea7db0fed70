#include "platform/framework/CmdTarget.h"

#include "platform/framework/ExceptionBoundary.h"

const CCmdTarget::CommandEntry* CCmdTarget::FindCommand(UINT id) const {
    for (const auto& e : m_commands)
        if (id >= e.first && id <= e.last) return &e;
    for (const auto& set : m_commandSets)
        if (const CommandEntry* e = set->FindCommand(id)) return e;
    return nullptr;
}

const CCmdTarget::UpdateEntry* CCmdTarget::FindUpdate(UINT id) const {
    for (const auto& e : m_updates)
        if (id >= e.first && id <= e.last) return &e;
    for (const auto& set : m_commandSets)
        if (const UpdateEntry* e = set->FindUpdate(id)) return e;
    return nullptr;
}

void CCmdTarget::AttachCommandSet(std::unique_ptr<CCmdTarget> pSet) {
    if (pSet) m_commandSets.push_back(std::move(pSet));
}

bool CCmdTarget::HasCommandHandler(UINT id) const {
    return FindCommand(id) != nullptr;
}

bool CCmdTarget::RunCommand(UINT id) {
    const CommandEntry* e = FindCommand(id);
    if (!e) return false;
    auto handler = e->handler; // the handler may change this target's tables
    handler(id);
    return true;
}

bool CCmdTarget::RunUpdate(CCmdUI* pCmdUI) {
    const UpdateEntry* e = FindUpdate(pCmdUI->m_nID);
    if (!e) return false;
    e->handler(pCmdUI);
    return true;
}

void CCmdTarget::RouteUpdate(const std::vector<CCmdTarget*>& chain, CCmdUI* pCmdUI) {
    for (CCmdTarget* t : chain)
        if (t && t->RunUpdate(pCmdUI)) return;
    bool handled = false;
    for (CCmdTarget* t : chain)
        handled = handled || (t && t->HasCommandHandler(pCmdUI->m_nID));
    pCmdUI->Enable(handled);
}

bool CCmdTarget::RouteCommand(const std::vector<CCmdTarget*>& chain, UINT id) {
    CCmdUI state(id);
    RouteUpdate(chain, &state);
    if (!state.m_bEnabled) return false;
    for (CCmdTarget* t : chain) {
        bool ran = false;
        // A failed command has still run: nothing further along the chain takes it.
        if (!t || (CExceptionBoundary::Run([&] { ran = t->RunCommand(id); }) && !ran)) continue;
        return true;
    }
    return false;
}

void CCmdTarget::OnCommand(UINT id, std::function<void()> handler) {
    m_commands.push_back({id, id, [h = std::move(handler)](UINT) { h(); }});
}

void CCmdTarget::OnCommandRange(UINT first, UINT last, std::function<void(UINT)> handler) {
    m_commands.push_back({first, last, std::move(handler)});
}

void CCmdTarget::OnUpdate(UINT id, std::function<void(CCmdUI*)> handler) {
    m_updates.push_back({id, id, std::move(handler)});
}

void CCmdTarget::OnUpdateRange(UINT first, UINT last, std::function<void(CCmdUI*)> handler) {
    m_updates.push_back({first, last, std::move(handler)});
}
