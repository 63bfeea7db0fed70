#include "platform/wx/WxInputMethod.h"

#include <gtk/gtk.h>

CWxInputMethod::~CWxInputMethod() {
    if (!m_pContext) return;
    g_signal_handlers_disconnect_by_data(m_pContext, this);
    g_object_unref(m_pContext);
}

void CWxInputMethod::Connect() {
    // wx keeps the input context of its own (non-native) windows in a public member.
    if (m_pContext || !m_pWindow || !m_pWindow->m_imContext) return;
    m_pContext = m_pWindow->m_imContext;
    g_object_ref(m_pContext);
    g_signal_connect(m_pContext, "preedit-start", G_CALLBACK(OnPreeditStart), this);
    g_signal_connect(m_pContext, "preedit-changed", G_CALLBACK(OnPreeditChanged), this);
    g_signal_connect(m_pContext, "preedit-end", G_CALLBACK(OnPreeditEnd), this);
}

void CWxInputMethod::SetCursorLocation(int x, int y, int w, int h) {
    Connect();
    if (!m_pContext) return;
    GdkRectangle area = {x, y, w, h};
    gtk_im_context_set_cursor_location(m_pContext, &area);
}

void CWxInputMethod::OnPreeditStart(GtkIMContext*, void* self) {
    auto* ime = static_cast<CWxInputMethod*>(self);
    ime->m_bComposing = true;
    if (ime->m_onCompose) ime->m_onCompose();
}

void CWxInputMethod::OnPreeditChanged(GtkIMContext* context, void* self) {
    gchar* text = nullptr;
    gtk_im_context_get_preedit_string(context, &text, nullptr, nullptr);
    static_cast<CWxInputMethod*>(self)->m_bComposing = text && *text;
    g_free(text);
}

void CWxInputMethod::OnPreeditEnd(GtkIMContext*, void* self) {
    static_cast<CWxInputMethod*>(self)->m_bComposing = false;
}
