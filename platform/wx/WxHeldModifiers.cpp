#include "platform/wx/WxHeldModifiers.h"

#include <wx/event.h>

#include "platform/base/VirtualKeys.h"

namespace {
const CWxHeldModifiers* g_pCurrent = nullptr;

bool IsModifierKey(int key) {
    return key == WXK_SHIFT || key == WXK_CONTROL || key == WXK_ALT || key == WXK_RAW_CONTROL;
}
} // namespace

CWxHeldModifiers::CWxHeldModifiers(const wxKeyEvent& event)
    : m_pOuter(g_pCurrent), m_bKnown(!IsModifierKey(event.GetKeyCode())),
      m_bShift(event.ShiftDown()), m_bControl(event.ControlDown()), m_bAlt(event.AltDown()) {
    g_pCurrent = this;
}

CWxHeldModifiers::~CWxHeldModifiers() {
    g_pCurrent = m_pOuter;
}

std::optional<bool> CWxHeldModifiers::IsHeld(unsigned vk) {
    if (!g_pCurrent || !g_pCurrent->m_bKnown) return std::nullopt;
    if (vk == VK_SHIFT) return g_pCurrent->m_bShift;
    if (vk == VK_CONTROL) return g_pCurrent->m_bControl;
    if (vk == VK_MENU) return g_pCurrent->m_bAlt;
    return std::nullopt;
}
