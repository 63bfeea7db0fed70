#include "platform/base/ResourceSet.h"

namespace {
const CResourceSet* g_pResources = nullptr;

template <typename T> const T* FindById(const std::vector<T>& items, UINT id) {
    for (const T& item : items)
        if (item.m_nID == id) return &item;
    return nullptr;
}
} // namespace

const CMenuDef* CResourceSet::FindMenu(UINT id) const {
    return FindById(m_menus, id);
}
const CAccelTableDef* CResourceSet::FindAccelerators(UINT id) const {
    return FindById(m_accelerators, id);
}
const CToolBarDef* CResourceSet::FindToolBar(UINT id) const {
    return FindById(m_toolbars, id);
}
const CDialogDef* CResourceSet::FindDialog(UINT id) const {
    return FindById(m_dialogs, id);
}

std::string CResourceSet::LoadString(UINT id) const {
    const CStringDef* s = FindById(m_strings, id);
    return s ? s->m_text : std::string();
}

const CResourceSet& CResourceSet::Current() {
    static const CResourceSet empty;
    return g_pResources ? *g_pResources : empty;
}

void CResourceSet::SetCurrent(const CResourceSet* resources) {
    g_pResources = resources;
}
