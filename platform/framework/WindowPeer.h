#pragma once
#include <memory>
#include <string>

#include "platform/base/Types.h"
#include "platform/framework/DC.h"
#include "platform/framework/WindowRequest.h"

// The window system's side of one window: what every kind of window does. The kinds that do
// more (views, frames, bars, dialogs) add their own interface on top, and backends derive from
// this one virtually so that a peer class can take a shared base beside its kind's interface.
class CWindowPeer {
public:
    virtual ~CWindowPeer() = default;

    virtual CRect GetClientRect() = 0;
    virtual CRect GetWindowRect() = 0; // outer rectangle, in screen coordinates
    virtual void MoveWindow(const CRect& rect) = 0;
    virtual void Show(bool bShow) = 0;
    virtual bool IsVisible() = 0;
    virtual void SetWindowText(const std::string& text) = 0;
    virtual std::string GetWindowText() = 0;
    virtual void Invalidate(const CRect* pRect, bool bErase) = 0;
    virtual void UpdateWindow() = 0;
    virtual void ScrollWindow(int dx, int dy) = 0;
    virtual void SetFocus() = 0;
    virtual void SetTimer(UINT id, UINT ms) = 0;
    virtual void KillTimer(UINT id) = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    // A context for measuring outside painting.
    virtual std::unique_ptr<CDC> GetDC() = 0;
    virtual void Destroy() = 0;
};
