#pragma once
#include <functional>

#include <wx/window.h>
// After the window header: the weak reference needs the complete class.
#include <wx/weakref.h>

typedef struct _GtkIMContext GtkIMContext;

// The GTK input method of a wx window: tells it where the caret is, and knows whether it is
// composing (keys then belong to the input method).
class CWxInputMethod {
public:
    // onCompose runs when the input method starts composing.
    CWxInputMethod(wxWindow* window, std::function<void()> onCompose)
        : m_pWindow(window), m_onCompose(std::move(onCompose)) {}
    ~CWxInputMethod();
    CWxInputMethod(const CWxInputMethod&) = delete;
    CWxInputMethod& operator=(const CWxInputMethod&) = delete;

    // Follows the window's input context, which wx makes once the window is realised.
    void Connect();
    // The caret rectangle in the window's client coordinates; the candidate window opens
    // beside it.
    void SetCursorLocation(int x, int y, int w, int h);
    bool IsComposing() const { return m_bComposing; }

private:
    static void OnPreeditStart(GtkIMContext* context, void* self);
    static void OnPreeditChanged(GtkIMContext* context, void* self);
    static void OnPreeditEnd(GtkIMContext* context, void* self);

    wxWeakRef<wxWindow> m_pWindow;
    std::function<void()> m_onCompose;
    GtkIMContext* m_pContext = nullptr;
    bool m_bComposing = false;
};
