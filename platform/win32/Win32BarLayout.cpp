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
        SetWindowPos(hwnd, nullptr, client.left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        c.m_pPeer->Placed();
        if (c.m_place == Top)
            rest.top += height;
        else
            rest.bottom -= height;
    }
    rest.bottom = std::max(rest.bottom, rest.top);
    for (const Child& c : m_children)
        if (c.m_place == Fill && c.m_pPeer->GetHwnd())
            SetWindowPos(c.m_pPeer->GetHwnd(), nullptr, rest.left, rest.top, rest.right - rest.left,
                         rest.bottom - rest.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return rest;
}
