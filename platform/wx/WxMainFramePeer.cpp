#include "platform/wx/WxMainFramePeer.h"

#include <wx/frame.h>
#include <wx/sizer.h>

#include "platform/framework/MDIChildWnd.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/wx/WxCommandIds.h"
#include "platform/wx/WxDocumentBook.h"
#include "platform/wx/WxFileDropTarget.h"
#include "platform/wx/WxKeyMap.h"
#include "platform/wx/WxMenuBar.h"
#include "platform/wx/WxToolBarPeer.h"

namespace {
const wxSize kDefaultSize(960, 720);
constexpr int kSmallestLayout = 48; // pixels: room for the menu bar and one bar
} // namespace

CWxMainFramePeer::CWxMainFramePeer(CWnd* pOwner, const CWindowRequest& request)
    : CWxWindowPeer(pOwner) {
    wxSize size = request.m_size.cx > 0 && request.m_size.cy > 0
                      ? wxSize(request.m_size.cx, request.m_size.cy)
                      : kDefaultSize;
    auto* frame = new wxFrame(nullptr, wxID_ANY, Utf8(request.m_strTitle), wxDefaultPosition, size);
    Attach(frame);
    auto* column = new wxBoxSizer(wxVERTICAL);
    m_pBars = new wxBoxSizer(wxVERTICAL);
    m_pBook = new CWxDocumentBook(frame);
    column->Add(m_pBars, 0, wxEXPAND);
    column->Add(m_pBook, 1, wxEXPAND);
    frame->SetSizer(column);
    m_pKeySink = new wxWindow(frame, wxID_ANY, wxPoint(0, 0), wxSize(1, 1));
    if (request.m_pMenu) {
        m_pMenu = std::make_unique<CWxMenuBar>(*request.m_pMenu);
        frame->SetMenuBar(m_pMenu->GetBar());
    }
    if (request.m_pAccel) {
        std::vector<wxAcceleratorEntry> keys = CWxKeyMap::Accelerators(*request.m_pAccel);
        frame->SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(keys.size()), keys.data()));
    }
    frame->SetDropTarget(new CWxFileDropTarget([this](const auto& paths) { OnDropFiles(paths); }));
    frame->Bind(wxEVT_MENU, &CWxMainFramePeer::OnMenu, this);
    frame->Bind(wxEVT_MENU_OPEN, &CWxMainFramePeer::OnMenuOpen, this);
    frame->Bind(wxEVT_MENU_HIGHLIGHT, [this](wxMenuEvent& event) {
        int id = event.GetMenuId();
        if (m_pOwner) m_pOwner->OnMenuSelect(id > 0 ? CWxCommandIds::FromWx(id) : 0);
    });
    frame->Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& event) {
        event.Skip();
        if (m_pOwner) m_pOwner->OnMenuSelect(0);
    });
    frame->Bind(wxEVT_CLOSE_WINDOW, &CWxMainFramePeer::OnClose, this);
    frame->Bind(wxEVT_SIZE, &CWxMainFramePeer::OnSize, this);
    frame->Bind(wxEVT_CHAR_HOOK, &CWxMainFramePeer::OnCharHook, this);
    frame->Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        event.Skip();
        KeepKeysWithoutDocuments();
    });
    m_pBook->Bind(wxEVT_AUINOTEBOOK_PAGE_CHANGED, &CWxMainFramePeer::OnPageChanged, this);
    m_pBook->Bind(wxEVT_AUINOTEBOOK_PAGE_CLOSE, &CWxMainFramePeer::OnPageClose, this);
    StartDelivery();
}

CWxMainFramePeer::~CWxMainFramePeer() = default;

wxWindow* CWxMainFramePeer::ChildParent(int kind) {
    return kind == CWindowRequest::ChildFrame ? static_cast<wxWindow*>(m_pBook) : m_pWindow.get();
}

void CWxMainFramePeer::AdoptChild(wxWindow* child, int kind) {
    if (kind != CWindowRequest::ToolBar && kind != CWindowRequest::DialogBar) return;
    m_pBars->Add(child, 0, wxEXPAND);
    RecalcLayout();
}

void CWxMainFramePeer::UpdateCommandUI() {
    // Called after every key: the menus, which nobody sees until they open, are brought up to
    // date as they open (OnMenuOpen). A command is enabled or not by its route, whatever its
    // menu item shows.
    if (!m_pWindow) return;
    for (wxWindow* child : m_pWindow->GetChildren())
        if (auto* bar = child->IsShown() ? dynamic_cast<CWxToolBarPeer*>(OfWindow(child)) : nullptr)
            bar->UpdateCommandUI();
}

void CWxMainFramePeer::RecalcLayout() {
    if (m_pWindow) m_pWindow->Layout();
}

void CWxMainFramePeer::ActivateChild(CWnd* pChild) {
    CWxWindowPeer* child = Of(pChild);
    if (!m_pBook || !child || !child->GetWindow()) return;
    int index = m_pBook->FindPage(child->GetWindow());
    if (index != wxNOT_FOUND && index != m_pBook->GetSelection())
        m_pBook->SetSelection(static_cast<size_t>(index));
}

void CWxMainFramePeer::MaximizeChild(CWnd* pChild) {
    if (m_pBook) m_pBook->Arrange(CWxDocumentBook::Tabs);
    ActivateChild(pChild);
}

void CWxMainFramePeer::ArrangeChildren(Arrangement how) {
    if (!m_pBook) return;
    // The book cannot overlap its pages: cascading shows them as tabs.
    m_pBook->Arrange(how == Rows      ? CWxDocumentBook::Rows
                     : how == Columns ? CWxDocumentBook::Columns
                                      : CWxDocumentBook::Tabs);
}

void CWxMainFramePeer::SetRecentFiles(const std::vector<std::string>& paths) {
    if (m_pMenu) m_pMenu->SetRecentFiles(paths);
}

void CWxMainFramePeer::OnMenu(wxCommandEvent& event) {
    if (m_pOwner) m_pOwner->OnCommandFromUI(CWxCommandIds::FromWx(event.GetId()));
}

void CWxMainFramePeer::OnMenuOpen(wxMenuEvent& event) {
    event.Skip();
    if (m_pMenu) m_pMenu->Update(m_pOwner);
    UpdateCommandUI();
}

void CWxMainFramePeer::OnClose(wxCloseEvent& event) {
    if (!m_pOwner || !event.CanVeto()) {
        event.Skip();
        return;
    }
    // The owner decides, and destroys the window when it agrees.
    event.Veto();
    m_pOwner->OnClose();
}

void CWxMainFramePeer::OnPageChanged(wxAuiNotebookEvent& event) {
    event.Skip();
    auto* frame = dynamic_cast<CMDIFrameWnd*>(m_pOwner);
    int page = m_pBook ? m_pBook->GetSelection() : wxNOT_FOUND;
    if (!frame || page == wxNOT_FOUND) return;
    CWxWindowPeer* child = OfWindow(m_pBook->GetPage(static_cast<size_t>(page)));
    if (auto* wnd = child ? dynamic_cast<CMDIChildWnd*>(child->GetOwner()) : nullptr)
        frame->OnChildActivated(wnd);
}

void CWxMainFramePeer::OnPageClose(wxAuiNotebookEvent& event) {
    // The document window's owner decides whether it closes.
    event.Veto();
    wxWeakRef<wxWindow> page = m_pBook->GetPage(static_cast<size_t>(event.GetSelection()));
    CallAfter([page] {
        CWxWindowPeer* child = page ? OfWindow(page) : nullptr;
        if (child && child->GetOwner()) child->GetOwner()->OnClose();
    });
}

void CWxMainFramePeer::OnSize(wxSizeEvent& event) {
    // While the window manager decorates the frame, GTK passes sizes of a pixel or two; laid
    // out in that, the bars complain of negative sizes. The final size follows at once.
    wxSize client = m_pWindow ? m_pWindow->GetClientSize() : wxSize();
    if (client.x >= kSmallestLayout && client.y >= kSmallestLayout) event.Skip();
}

void CWxMainFramePeer::OnCharHook(wxKeyEvent& event) {
    // The document windows' own keys: Ctrl+Tab and Ctrl+F6 go to the next one, with Shift to
    // the one before, wrapping round as the window list does.
    int key = event.GetKeyCode();
    bool nextDocument =
        event.ControlDown() && !event.AltDown() && (key == WXK_TAB || key == WXK_F6);
    if (!nextDocument || !m_pBook || m_pBook->GetPageCount() < 2) {
        event.Skip();
        return;
    }
    m_pBook->AdvanceSelection(!event.ShiftDown());
}

void CWxMainFramePeer::KeepKeysWithoutDocuments() {
    // Keys reach the accelerators only through a focused window, and GTK never focuses the
    // frame itself: with no document window a window of one pixel takes the keys.
    if (!m_pWindow || !m_pBook || !m_pKeySink || m_pBook->GetPageCount() > 0) return;
    auto* frame = static_cast<wxTopLevelWindow*>(m_pWindow.get());
    wxWindow* focus = wxWindow::FindFocus();
    if (frame->IsActive() && (focus == nullptr || focus == frame)) m_pKeySink->SetFocus();
}

void CWxMainFramePeer::OnDropFiles(const std::vector<std::string>& paths) {
    if (m_pOwner) m_pOwner->OnDropFiles(paths);
}
