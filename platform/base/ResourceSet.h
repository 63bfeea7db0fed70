#pragma once
#include <string>
#include <vector>

#include "platform/base/ResourceTypes.h"

// Everything the program's resource folder provides.
struct CResourceSet {
    std::vector<CMenuDef> m_menus;
    std::vector<CAccelTableDef> m_accelerators;
    std::vector<CToolBarDef> m_toolbars;
    std::vector<CDialogDef> m_dialogs;
    std::vector<CStringDef> m_strings;

    const CMenuDef* FindMenu(UINT id) const;
    const CAccelTableDef* FindAccelerators(UINT id) const;
    const CToolBarDef* FindToolBar(UINT id) const;
    const CDialogDef* FindDialog(UINT id) const;
    // The string with id, or an empty string.
    std::string LoadString(UINT id) const;

    // The program's resources, set once at start-up.
    static const CResourceSet& Current();
    static void SetCurrent(const CResourceSet* resources);
};
