#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <string>
#include <vector>

#include "platform/base/ResourceTypes.h"

class CWnd;

// The main frame's menu bar built from a menu resource, with the recent-file list in place of
// its first recent-file item, and its items' states taken from the owner when a menu opens.
class CWin32MenuBar {
public:
    explicit CWin32MenuBar(const CMenuDef& def);
    CWin32MenuBar(const CWin32MenuBar&) = delete;
    CWin32MenuBar& operator=(const CWin32MenuBar&) = delete;

    HMENU GetMenu() const { return m_hMenu; }
    void Update(HMENU popup, CWnd* pOwner);
    void SetRecentFiles(const std::vector<std::string>& paths);
    static std::string RecentFileLabel(int index, const std::string& path);
    // The keys of an accelerator resource.
    static HACCEL Accelerators(const CAccelTableDef& def);

private:
    HMENU BuildPopup(const std::vector<CMenuItemDef>& items);

    HMENU m_hMenu;
    HMENU m_hRecentMenu = nullptr;
    std::wstring m_strRecentPlaceholder;
};
