#include "platform/wx/WxMenuBar.h"

#include <gtk/gtk.h>
#include <wx/menu.h>

#include "platform/framework/CmdUI.h"
#include "platform/framework/Wnd.h"
#include "platform/wx/WxCommandIds.h"
#include "platform/wx/WxWindowPeer.h"

namespace {
// Every item is a check item; one without its mark looks like a plain item.
const char kMenuCss[] = "menu menuitem check:not(:checked) { border-color: transparent;"
                        " background-color: transparent; background-image: none;"
                        " box-shadow: none; -gtk-icon-source: none; }";

void StyleCheckItems() {
    static bool done = false;
    if (done) return;
    done = true;
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kMenuCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}

std::string EscapeMnemonics(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}
} // namespace

CWxMenuBar::CWxMenuBar(const CMenuDef& def) : m_pBar(new wxMenuBar) {
    StyleCheckItems();
    for (const CMenuItemDef& popup : def.m_popups)
        m_pBar->Append(BuildMenu(popup.m_children), CWxWindowPeer::Utf8(popup.m_text));
    // Only now: attaching a submenu makes wx set the labels of its items again.
    for (Item& item : m_items) {
        std::string label, keys;
        SplitText(item.m_strText, label, keys);
        if (!keys.empty()) ShowKeyText(item, label, keys);
    }
}

CWxMenuBar::~CWxMenuBar() {
    if (m_pBar && !m_pBar->IsAttached()) delete m_pBar.get();
}

void CWxMenuBar::SplitText(const std::string& text, std::string& label, std::string& keys) {
    size_t tab = text.find('\t');
    label = text.substr(0, tab);
    keys = tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

std::string CWxMenuBar::RecentFileLabel(int index, const std::string& path) {
    std::string number = std::to_string(index + 1);
    // Numbers 1 to 9 are their own mnemonics, 10 has the 0.
    if (index < 9)
        number = "&" + number;
    else if (index == 9)
        number = "1&0";
    return number + " " + EscapeMnemonics(path);
}

std::string CWxMenuBar::GtkMnemonic(const std::string& label) {
    std::string out;
    for (size_t i = 0; i < label.size(); ++i) {
        char c = label[i];
        if (c == '_') {
            out += "__";
        } else if (c == '&' && i + 1 < label.size()) {
            out += label[i + 1] == '&' ? '&' : '_';
            if (label[i + 1] == '&') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

wxMenu* CWxMenuBar::BuildMenu(const std::vector<CMenuItemDef>& items) {
    auto* menu = new wxMenu;
    for (const CMenuItemDef& def : items) {
        switch (def.m_kind) {
        case CMenuItemDef::Separator:
            menu->AppendSeparator();
            break;
        case CMenuItemDef::Popup:
            menu->AppendSubMenu(BuildMenu(def.m_children), CWxWindowPeer::Utf8(def.m_text));
            break;
        case CMenuItemDef::Command:
            AddCommand(menu, def);
            break;
        }
    }
    return menu;
}

void CWxMenuBar::AddCommand(wxMenu* menu, const CMenuItemDef& def) {
    std::string label, keys;
    SplitText(def.m_text, label, keys);
    // Every command can show a check mark, since any update handler may set one.
    wxMenuItem* item =
        menu->AppendCheckItem(CWxCommandIds::ToWx(def.m_nID), CWxWindowPeer::Utf8(label));
    if (def.m_bDisabled) item->Enable(false);
    m_items.push_back({item, nullptr, def.m_text});
    if (def.m_nID == kFirstRecentFile && !m_pRecentMenu) {
        m_pRecentMenu = menu;
        m_nRecentPos = menu->GetMenuItemCount() - 1;
        m_pRecentPlaceholder = item;
    }
}

// GTK would bind a key given to the item; the key text is shown in a label of its own beside
// the item's label instead.
void CWxMenuBar::ShowKeyText(Item& item, const std::string& label, const std::string& keys) {
    GtkWidget* widget = item.m_pItem->GetMenuItem();
    if (!widget) return;
    if (GtkWidget* old = gtk_bin_get_child(GTK_BIN(widget)))
        gtk_container_remove(GTK_CONTAINER(widget), old);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 24);
    GtkWidget* text = gtk_label_new_with_mnemonic(GtkMnemonic(label).c_str());
    gtk_label_set_xalign(GTK_LABEL(text), 0);
    gtk_label_set_mnemonic_widget(GTK_LABEL(text), widget);
    GtkWidget* key = gtk_label_new(keys.c_str());
    gtk_style_context_add_class(gtk_widget_get_style_context(key), "dim-label");
    gtk_box_pack_start(GTK_BOX(box), text, TRUE, TRUE, 0);
    gtk_box_pack_end(GTK_BOX(box), key, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(widget), box);
    gtk_widget_show_all(box);
    item.m_pLabel = text;
}

void CWxMenuBar::SetText(Item& item, const std::string& text) {
    if (text == item.m_strText) return;
    item.m_strText = text;
    std::string label, keys;
    SplitText(text, label, keys);
    if (item.m_pLabel)
        gtk_label_set_text_with_mnemonic(GTK_LABEL(item.m_pLabel), GtkMnemonic(label).c_str());
    else
        item.m_pItem->SetItemLabel(CWxWindowPeer::Utf8(label));
}

CCmdUI CWxMenuBar::Enable(CWnd* pOwner, wxMenuItem* item) {
    CCmdUI state(CWxCommandIds::FromWx(item->GetId()));
    pOwner->OnUpdateFromUI(&state);
    if (item->IsEnabled() != state.m_bEnabled) item->Enable(state.m_bEnabled);
    return state;
}

void CWxMenuBar::Update(CWnd* pOwner) {
    if (!pOwner || !m_pBar) return;
    for (Item& item : m_items) {
        CCmdUI state = Enable(pOwner, item.m_pItem);
        bool checked = state.m_bCheckSet && state.m_nCheck != 0;
        if (item.m_pItem->IsChecked() != checked) item.m_pItem->Check(checked);
        if (state.m_bTextSet) SetText(item, state.m_strText);
    }
    for (wxMenuItem* item : m_recentItems)
        Enable(pOwner, item);
}

void CWxMenuBar::RemoveRecentItems() {
    for (wxMenuItem* item : m_recentItems)
        m_pRecentMenu->Destroy(item);
    m_recentItems.clear();
}

void CWxMenuBar::SetRecentFiles(const std::vector<std::string>& paths) {
    if (!m_pRecentMenu || !m_pBar) return;
    RemoveRecentItems();
    size_t count = std::min(paths.size(), static_cast<size_t>(kMaxRecentFiles));
    // The placeholder stays in the menu, hidden while there are files to show.
    gtk_widget_set_visible(m_pRecentPlaceholder->GetMenuItem(), count == 0);
    for (size_t i = 0; i < count; ++i) {
        int id = CWxCommandIds::ToWx(static_cast<UINT>(kFirstRecentFile + i));
        std::string label = RecentFileLabel(static_cast<int>(i), paths[i]);
        m_recentItems.push_back(
            m_pRecentMenu->Insert(m_nRecentPos + 1 + i, id, CWxWindowPeer::Utf8(label)));
    }
}
