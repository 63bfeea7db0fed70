#include "platform/win32/Win32StatusBarPeer.h"

#include <algorithm>

#include "platform/win32/Win32Text.h"

CWin32StatusBarPeer::CWin32StatusBarPeer(CWnd* pOwner, HWND parent, UINT id)
    : CWin32WindowPeer(pOwner) {
    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, 0, 0,
                               0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    if (!bar) return;
    Attach(bar);
    // Its own height for the font, which the frame then keeps.
    SendMessageW(bar, WM_SIZE, 0, 0);
    StartDelivery();
}

CWin32StatusBarPeer::~CWin32StatusBarPeer() {
    Destroy();
}

void CWin32StatusBarPeer::SetPanes(const std::vector<int>& widths) {
    m_widths = widths;
    ApplyPanes();
}

void CWin32StatusBarPeer::ApplyPanes() {
    if (!m_hWnd || m_widths.empty()) return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    std::vector<int> edges(m_widths.size());
    int right = client.right;
    for (size_t i = m_widths.size(); i-- > 1;) {
        edges[i] = right;
        right -= m_widths[i];
    }
    edges[0] = right;
    edges.back() = -1;
    SendMessageW(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CWin32StatusBarPeer::SetPaneText(int index, const std::string& text) {
    if (m_hWnd)
        SendMessageW(m_hWnd, SB_SETTEXTW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(CWin32Text::Wide(text).c_str()));
}
