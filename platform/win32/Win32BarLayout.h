#pragma once
// First: the system's headers must come before the framework's.
#include "platform/win32/Win32Api.h"

#include <vector>

class CWin32WindowPeer;

// The windows of a frame by their place: bars along the top in the order they came, status
// bars along the bottom, and one window (a view, a control, the document area) filling the rest.
class CWin32BarLayout {
public:
    void Add(CWin32WindowPeer* child, int kind);
    void Remove(CWin32WindowPeer* child);
    // Places the children in client; returns what the filling window gets.
    RECT Arrange(const RECT& client) const;
    // Every child forgets the frame, which is going.
    void Release();

private:
    enum Place { Top, Bottom, Fill };
    struct Child {
        CWin32WindowPeer* m_pPeer;
        Place m_place;
    };
    static int Height(const Child& child);

    std::vector<Child> m_children;
};
