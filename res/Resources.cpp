#include "res/Resources.h"

#include "platform/base/ResourceSet.h"

const CResourceSet& QuelmResources() {
    static const CResourceSet resources = [] {
        CResourceSet set;
        set.m_menus = BuildMenus();
        set.m_accelerators = BuildAccelerators();
        set.m_toolbars = BuildToolBars();
        set.m_dialogs = BuildDialogs();
        set.m_strings = BuildStrings();
        return set;
    }();
    return resources;
}
