#pragma once
#include <string>
#include <vector>

#include <wx/menu.h>
// After the menu header: the weak reference needs the complete class.
#include <wx/weakref.h>

#include "platform/base/FrameworkIds.h"
#include "platform/base/ResourceTypes.h"
#include "platform/framework/CmdUI.h"

class CWnd;
typedef struct _GtkWidget GtkWidget;

// A menu bar built from a menu resource. The key named after a tab in an item's text is shown
// at the right of the item but not bound (the accelerator table does the binding). Every item
// is enabled, checked and relabelled as the owner's command states say; the recent files take
// the place of the first recent-file item.
class CWxMenuBar {
public:
    static constexpr UINT kFirstRecentFile = FrameworkIds::kFirstRecentFile;
    static constexpr int kMaxRecentFiles = FrameworkIds::kRecentFileCount;

    explicit CWxMenuBar(const CMenuDef& def);
    // Deletes the wx menu bar unless a frame took it.
    ~CWxMenuBar();
    CWxMenuBar(const CWxMenuBar&) = delete;
    CWxMenuBar& operator=(const CWxMenuBar&) = delete;
    // The wx menu bar; the frame it is given to owns it.
    wxMenuBar* GetBar() const { return m_pBar; }

    void Update(CWnd* pOwner);
    void SetRecentFiles(const std::vector<std::string>& paths);

    // The label of an item: the text before the tab, and the key text after it.
    static void SplitText(const std::string& text, std::string& label, std::string& keys);
    // A menu label of a recent file: a number as mnemonic and the path.
    static std::string RecentFileLabel(int index, const std::string& path);
    // GTK's mnemonic markup of a label with '&' mnemonics.
    static std::string GtkMnemonic(const std::string& label);

private:
    struct Item {
        wxMenuItem* m_pItem;
        GtkWidget* m_pLabel; // the label showing the text before the tab, null when wx shows it
        std::string m_strText;
    };

    wxMenu* BuildMenu(const std::vector<CMenuItemDef>& items);
    void AddCommand(wxMenu* menu, const CMenuItemDef& def);
    void ShowKeyText(Item& item, const std::string& label, const std::string& keys);
    void SetText(Item& item, const std::string& text);
    // Asks the owner for the command state of the item and enables it accordingly.
    static CCmdUI Enable(CWnd* pOwner, wxMenuItem* item);
    void RemoveRecentItems();

    wxWeakRef<wxMenuBar> m_pBar;
    std::vector<Item> m_items;
    // Where the recent files go: the menu, the position and the item standing there when the
    // list is empty.
    wxMenu* m_pRecentMenu = nullptr;
    size_t m_nRecentPos = 0;
    wxMenuItem* m_pRecentPlaceholder = nullptr;
    std::vector<wxMenuItem*> m_recentItems;
};
