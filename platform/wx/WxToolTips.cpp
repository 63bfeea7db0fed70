#include "platform/wx/WxToolTips.h"

#include <cstring>

#include <gtk/gtk.h>

namespace {
bool IsToolTip(GtkWidget* window) {
    // GTK keeps each tooltip in a popup window of its own class.
    return std::strcmp(G_OBJECT_TYPE_NAME(window), "GtkTooltipWindow") == 0;
}

bool IsModal(GtkWindow* window) {
    return window && gtk_window_get_modal(window) && gtk_widget_get_visible(GTK_WIDGET(window));
}

bool AnyModalWindow() {
    GList* windows = gtk_window_list_toplevels();
    bool found = false;
    for (GList* w = windows; w && !found; w = w->next)
        found = IsModal(GTK_WINDOW(w->data));
    g_list_free(windows);
    return found;
}

gboolean HideLater(gpointer window) {
    gtk_widget_hide(GTK_WIDGET(window));
    g_object_unref(window);
    return G_SOURCE_REMOVE;
}

gboolean OnWindowMapped(GSignalInvocationHint*, guint count, const GValue* params, gpointer) {
    GObject* object = count > 0 ? G_OBJECT(g_value_get_object(&params[0])) : nullptr;
    if (!object || !GTK_IS_WINDOW(object)) return TRUE; // stays installed
    auto* window = GTK_WINDOW(object);
    if (IsModal(window)) {
        CWxToolTips::HideAll();
    } else if (IsToolTip(GTK_WIDGET(window)) && !IsModal(gtk_window_get_transient_for(window)) &&
               AnyModalWindow()) {
        // The window under a modal one takes no input and shows no tooltips; GTK is still
        // mapping this one, so it goes once that is done.
        g_idle_add(HideLater, g_object_ref(window));
    }
    return TRUE;
}
} // namespace

void CWxToolTips::HideUnderModalWindows() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    g_signal_add_emission_hook(g_signal_lookup("map", GTK_TYPE_WIDGET), 0, OnWindowMapped, nullptr,
                               nullptr);
}

void CWxToolTips::HideAll() {
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next) {
        auto* widget = static_cast<GtkWidget*>(w->data);
        if (IsToolTip(widget) && gtk_widget_get_visible(widget)) gtk_widget_hide(widget);
    }
    g_list_free(windows);
}
