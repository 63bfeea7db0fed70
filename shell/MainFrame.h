#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/ToolBar.h"

struct AppSettings;
class CFrameCommandSet;
class CKolvaDoc;
class CSearchDialogs;
class CRowView;
class CView;

// The main window: menu bar, toolbar, file-name bar and the document windows.
class CMainFrame : public CMDIFrameWnd {
public:
    CMainFrame();

    // Makes the window, sized from the settings when they hold a usable size.
    bool Create(const AppSettings& settings);
    void OnCreate() override;
    // Remembers the size and writes the settings and the last-files list, then closes the
    // documents (which may ask to be saved; a cancel keeps everything open).
    void OnClose() override;
    void OnDropFiles(const std::vector<std::string>& paths) override;
    // A closing document window takes its button with it.
    void RemoveChild(CMDIChildWnd* pChild) override;

    // The file-name bar: one check button per document, in the template's order.
    void AddFileButton(CKolvaDoc* pDoc);
    void AppendFileButton(CKolvaDoc* pDoc);
    void RefreshFileButton(CKolvaDoc* pDoc);
    void RebuildFileBar();
    // The command of the button of the document window at index (window order).
    static UINT FileButtonCommand(int windowIndex);

    // The synchronized group: views scrolled in step.
    void AddToSync(CRowView* pView);
    void RemoveFromSync(CRowView* pView);
    // Aligns the group on the smallest first row and makes the address-match type current.
    void AlignSyncByAddress();

    // Commands from the layer below (find, replace, insert string) join this frame's table.
    // A set that keeps the find and replace dialogs becomes their link to the frame.
    void AttachCommandSet(std::unique_ptr<CFrameCommandSet> pSet);

    // A document is closing: its button and group membership go.
    void OnDocumentClosed(CKolvaDoc* pDoc);
    void RefreshSearchDialogs(CView* pView);

    CToolBar m_wndToolBar;
    CToolBar m_wndFileBar;
    std::vector<CRowView*> m_arrSyncViews; // oldest member first; not owned

private:
    bool HasWindowBesides(CKolvaDoc* pDoc) const;
    void OnFileButton(UINT id);
    void OnUpdateFileButton(CCmdUI* pCmdUI);
    void OnToggleBar(UINT id);
    void OnUpdateToggleBar(CCmdUI* pCmdUI);
    void ShowFileBarIfWanted();
    bool InSyncGroup(CKolvaDoc* pDoc) const;
    bool IsSyncMember(CRowView* pView) const;
    // Takes one view out of the group, without dissolving a remaining group of one.
    void DropFromSync(CRowView* pView);
    CRowView* ActiveRowView() const;
    void OnSyncToggle();
    void OnSyncAll();
    void OnSyncReleaseAll();
    CToolBarPeer::Button MakeFileButton(CKolvaDoc* pDoc) const;
    int WindowIndexOf(CKolvaDoc* pDoc) const;

    void OnArrange(UINT id);
    void OnUpdateArrange(CCmdUI* pCmdUI);
    void OnViewToolBar();

    CSearchDialogs* m_pSearchDialogs = nullptr; // owned by its command set
};
