#pragma once
#include <vector>

#include "platform/framework/FrameWnd.h"
#include "platform/framework/MainFramePeer.h"

class CMDIChildWnd;

// The main frame: menu bar, accelerators and the document windows. Commands go to the active
// view, its document, its document window, this frame and then the application.
class CMDIFrameWnd : public CFrameWnd {
public:
    // Makes the main window from the menu and accelerator resources with id.
    virtual bool LoadFrame(UINT id, CSize size = CSize());
    CMainFramePeer* GetMainFramePeer() const { return PeerAs<CMainFramePeer>(); }

    CMDIChildWnd* MDIGetActive() const { return m_pActiveChild; }
    const std::vector<CMDIChildWnd*>& GetChildren() const { return m_children; }
    void AddChild(CMDIChildWnd* pChild);
    virtual void RemoveChild(CMDIChildWnd* pChild);
    // The backend reports which document window became active.
    virtual void OnChildActivated(CMDIChildWnd* pChild);
    void MDIActivate(CMDIChildWnd* pChild);
    void MDICascade();
    void MDITile(bool bHorizontal);

    // "application - [document]" while a document window is active, else the application.
    void OnUpdateFrameTitle() override;

    CView* GetActiveView() const override;
    CDocument* GetActiveDocument() const override;
    std::vector<CCmdTarget*> CommandChain() const;
    void OnCommandFromUI(UINT id) override;
    // The active document window's message pane shows the prompt of the highlighted menu item
    // or button, and the idle message otherwise.
    void OnMenuSelect(UINT id) override;
    void OnUpdateFromUI(CCmdUI* pCmdUI) override;
    // Runs a command as if the user chose it; false when it was disabled or unhandled.
    bool SendCommand(UINT id);
    // The state a menu item or button of id would show now.
    CCmdUI QueryCommand(UINT id);

protected:
    bool PeerFitsKind() const override { return GetMainFramePeer() != nullptr; }

    std::vector<CMDIChildWnd*> m_children;
    CMDIChildWnd* m_pActiveChild = nullptr;
};
