#include "platform/win32/Win32BarLayout.h"

#include <algorithm>

#include "platform/framework/WindowRequest.h"
#include "platform/win32/Win32WindowPeer.h"

void CWin32BarLayout::Add(CWin32WindowPeer* child, int kind) {
    Place place = Fill;
    if (kind == CWindowRequest::ToolBar || kind == CWindowRequest::DialogBar)
        place = Top;
    else if (kind == CWindowRequest::StatusBar)
        place = Bottom;
    m_children.push_back({child, place});
}

void CWin32BarLayout::Remove(CWin32WindowPeer* child) {
    m_children.erase(std::remove_if(m_children.begin(), m_children.end(),
                                    [child](const Child& c) { return c.m_pPeer == child; }),
                     m_children.end());
}

void CWin32BarLayout::Release() {
    std::vector<Child> children;
    children.swap(m_children);
    for (const Child& c : children)
        c.m_pPeer->SetParentPeer(nullptr);
}

namespace {
// Moves a window only where it is not yet, and leaves what must be drawn again to the next
// paint: under wine a window moved draws its frame and scroll bars at once, which costs more
// than repainting a view, and a layout moves a window several times before anyone looks.
void PlaceWindow(HWND hwnd, int x, int y, int width, int height) {
    RECT was{};
    ::GetWindowRect(hwnd, &was);
    HWND parent = GetParent(hwnd);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&was), 2);
    if (was.left == x && was.top == y && was.right - was.left == width &&
        was.bottom - was.top == height)
        return;
    SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    // What the window no longer covers is the parent's again.
    InvalidateRect(parent, &was, TRUE);
}
} // namespace

int CWin32BarLayout::Height(const Child& child) {
    RECT r{};
    ::GetWindowRect(child.m_pPeer->GetHwnd(), &r);
    return r.bottom - r.top;
}

RECT CWin32BarLayout::Arrange(const RECT& client) const {
    RECT rest = client;
    int width = client.right - client.left;
    for (const Child& c : m_children) {
        HWND hwnd = c.m_pPeer->GetHwnd();
        if (!hwnd || !IsWindowVisible(hwnd) || c.m_place == Fill) continue;
        int height = Height(c);
        int top = c.m_place == Top ? rest.top : rest.bottom - height;
        PlaceWindow(hwnd, client.left, top, width, height);
        c.m_pPeer->Placed();
        if (c.m_place == Top)
            rest.top += height;
        else
            rest.bottom -= height;
    }
    rest.bottom = std::max(rest.bottom, rest.top);
    for (const Child& c : m_children)
        if (c.m_place == Fill && c.m_pPeer->GetHwnd())
            PlaceWindow(c.m_pPeer->GetHwnd(), rest.left, rest.top, rest.right - rest.left,
                        rest.bottom - rest.top);
    return rest;
}
