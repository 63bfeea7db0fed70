#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/CmdTarget.h"
#include "platform/framework/WindowPeer.h"

constexpr UINT SIZE_RESTORED = 0;
constexpr UINT SIZE_MINIMIZED = 1;
constexpr UINT SIZE_MAXIMIZED = 2;

// A window of the program. The backend's peer does the window system's part and delivers
// messages to the virtual handlers below.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Makes the backend's window; false when it could not.
    bool CreatePeer(const CWindowRequest& request);
    CWindowPeer* GetPeer() const { return m_pPeer.get(); }
    bool IsCreated() const { return m_pPeer != nullptr; }
    CWnd* GetParent() const { return m_pParent; }
    UINT GetDlgCtrlID() const { return m_nID; }
    void DestroyWindow();

    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    void MoveWindow(const CRect& rect);
    void ShowWindow(bool bShow);
    bool IsWindowVisible() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void Invalidate(bool bErase = true);
    void InvalidateRect(const CRect& rect, bool bErase = true);
    void UpdateWindow();
    void ScrollWindow(int dx, int dy);
    void SetFocus();
    void SetTimer(UINT id, UINT ms);
    void KillTimer(UINT id);
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const { return m_bCapture; }
    std::unique_ptr<CDC> GetDC();

    // Messages, delivered by the backend.
    virtual void OnCreate() {}
    // After ShowWindow has shown or hidden the window.
    virtual void OnShowWindow(bool /*bShow*/) {}
    virtual void OnPaint(CDC* /*pDC*/) {}
    virtual void OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {}
    virtual void OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
    virtual void OnKeyUp(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
    virtual void OnChar(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) {}
    // The input method starts composing at the caret.
    virtual void OnImeStartComposition() {}
    // A character from the input method: one byte, or a double-byte character lead << 8 | trail.
    virtual void OnImeChar(UINT /*nChar*/, UINT /*nRepCnt*/) {}
    virtual void OnLButtonDown(UINT /*nFlags*/, CPoint /*pt*/) {}
    virtual void OnLButtonUp(UINT /*nFlags*/, CPoint /*pt*/) {}
    virtual void OnLButtonDblClk(UINT /*nFlags*/, CPoint /*pt*/) {}
    virtual void OnMouseMove(UINT /*nFlags*/, CPoint /*pt*/) {}
    // zDelta: multiples of 120 per notch, positive away from the user.
    virtual void OnMouseWheel(UINT /*nFlags*/, int /*zDelta*/, CPoint /*pt*/) {}
    virtual void OnVScroll(UINT /*nSBCode*/, UINT /*nPos*/) {}
    virtual void OnHScroll(UINT /*nSBCode*/, UINT /*nPos*/) {}
    virtual void OnTimer(UINT /*nIDEvent*/) {}
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    // The window's close box or the system's close request; the default destroys the window.
    virtual void OnClose() { DestroyWindow(); }
    virtual void OnDestroy() {}
    virtual void OnDropFiles(const std::vector<std::string>& /*paths*/) {}
    // The menu item or button id is highlighted; 0 when none is.
    virtual void OnMenuSelect(UINT /*id*/) {}
    // A command from a menu, accelerator or button of this window.
    virtual void OnCommandFromUI(UINT id);
    // The state of a menu item or button of this window.
    virtual void OnUpdateFromUI(CCmdUI* pCmdUI);

protected:
    // The peer as the interface of this window's kind; null without a peer or when the backend
    // made another kind.
    template <class TPeer> TPeer* PeerAs() const { return dynamic_cast<TPeer*>(m_pPeer.get()); }
    // Kinds with an interface of their own refuse a peer without it, so that a backend's mistake
    // fails creation instead of dropping every call.
    virtual bool PeerFitsKind() const { return true; }
    // Called by ShowWindow(true) on a window without a peer: a kind that builds its window only
    // when it is needed makes it here. False leaves the window unmade.
    virtual bool MakeDeferredWindow() { return false; }

    CWnd* m_pParent = nullptr;
    UINT m_nID = 0;
    bool m_bCapture = false;

private:
    void ReleasePeer();

    std::unique_ptr<CWindowPeer> m_pPeer;
};
