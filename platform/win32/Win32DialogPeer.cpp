#include "platform/win32/Win32DialogPeer.h"

#include <algorithm>

#include "platform/framework/Dialog.h"
#include "platform/framework/ExceptionBoundary.h"
#include "platform/framework/PropertySheet.h"
#include "platform/win32/Win32DialogTemplate.h"
#include "platform/win32/Win32MainFramePeer.h"
#include "platform/win32/Win32Text.h"

namespace {
constexpr int kSheetMargin = 7;           // dialog units around the tabs and between the buttons
constexpr int kTabHeader = 14;            // dialog units of the tabs' row
constexpr int kButtonWidth = 50;          // dialog units
constexpr int kButtonHeight = 14;         // dialog units
constexpr SHORT kKeyDown = SHORT(0x8000); // GetKeyState: the key is held
const char kCancelText[] = "キャンセル";
const char kApplyText[] = "適用(&A)";

HWND TopLevel(HWND hwnd) {
    if (!hwnd) {
        CWin32MainFramePeer* frame = CWin32MainFramePeer::Current();
        return frame ? frame->GetHwnd() : nullptr;
    }
    return GetAncestor(hwnd, GA_ROOT);
}

std::wstring WindowString(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}
} // namespace

CWin32DialogPeer::CWin32DialogPeer(CWnd* pOwner, HWND parent, const CWindowRequest& request)
    : CWin32WindowPeer(pOwner) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (request.m_kind == CWindowRequest::PropertySheet) {
        BuildSheet(request, TopLevel(parent));
    } else if (request.m_pDialog) {
        bool bar = request.m_kind == CWindowRequest::DialogBar;
        Remember(*request.m_pDialog);
        CWin32DialogTemplate tpl(*request.m_pDialog,
                                 bar ? CWin32DialogTemplate::Child : CWin32DialogTemplate::Popup);
        CreateDialogIndirectParamW(instance, tpl.Get(), bar ? parent : TopLevel(parent), DialogProc,
                                   reinterpret_cast<LPARAM>(this));
        if (bar && m_hWnd) ShowWindow(m_hWnd, SW_SHOW);
        if (!bar && m_hWnd && !request.m_strTitle.empty())
            SetWindowTextW(m_hWnd, CWin32Text::Wide(request.m_strTitle).c_str());
    }
    StartDelivery();
}

CWin32DialogPeer::~CWin32DialogPeer() {
    Destroy();
}

void CWin32DialogPeer::Remember(const CDialogDef& def) {
    for (const CControlDef& c : def.m_controls)
        m_kinds[c.m_nID] = c.m_kind;
}

void CWin32DialogPeer::BuildSheet(const CWindowRequest& request, HWND owner) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    CSize page;
    for (const CDialogDef* def : request.m_pages) {
        page.cx = std::max(page.cx, def->m_size.cx);
        page.cy = std::max(page.cy, def->m_size.cy);
        Remember(*def);
    }
    CSize whole(page.cx + 2 * kSheetMargin,
                page.cy + kTabHeader + 3 * kSheetMargin + kButtonHeight + kSheetMargin);
    CWin32DialogTemplate frame(request.m_strTitle, whole);
    CreateDialogIndirectParamW(instance, frame.Get(), owner, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (!m_hWnd) return;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    RECT tabs{kSheetMargin, kSheetMargin, whole.cx - kSheetMargin,
              whole.cy - 2 * kSheetMargin - kButtonHeight};
    MapDialogRect(m_hWnd, &tabs);
    m_hTabs = CreateWindowExW(0, WC_TABCONTROLW, nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, tabs.left,
                              tabs.top, tabs.right - tabs.left, tabs.bottom - tabs.top, m_hWnd,
                              nullptr, instance, nullptr);
    SendMessageW(m_hTabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (size_t i = 0; i < request.m_pages.size(); ++i) {
        std::wstring caption = CWin32Text::Wide(
            i < request.m_pageCaptions.size() ? request.m_pageCaptions[i] : std::string());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(m_hTabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT display = tabs;
    SendMessageW(m_hTabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (const CDialogDef* def : request.m_pages) {
        CWin32DialogTemplate tpl(*def, CWin32DialogTemplate::Child);
        HWND pageWnd = CreateDialogIndirectParamW(instance, tpl.Get(), m_hWnd, DialogProc,
                                                  reinterpret_cast<LPARAM>(this));
        SetWindowPos(pageWnd, HWND_TOP, display.left, display.top, display.right - display.left,
                     display.bottom - display.top, 0);
        m_pages.push_back(pageWnd);
    }
    const std::pair<UINT, std::string> buttons[] = {
        {IDOK, "OK"}, {IDCANCEL, kCancelText}, {CPropertySheet::kApplyID, kApplyText}};
    int right = whole.cx - kSheetMargin;
    for (int i = 2; i >= 0; --i, right -= kButtonWidth + kSheetMargin / 2) {
        RECT r{right - kButtonWidth, whole.cy - kSheetMargin - kButtonHeight, right,
               whole.cy - kSheetMargin};
        MapDialogRect(m_hWnd, &r);
        const auto& [id, text] = buttons[i];
        HWND button = CreateWindowExW(
            0, L"BUTTON", CWin32Text::Wide(text).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | (id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
            r.left, r.top, r.right - r.left, r.bottom - r.top, m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowPage(0);
}

void CWin32DialogPeer::ShowPage(int index) {
    for (size_t i = 0; i < m_pages.size(); ++i)
        ShowWindow(m_pages[i], static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

INT_PTR CALLBACK CWin32DialogPeer::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* peer = reinterpret_cast<CWin32DialogPeer*>(lp);
        if (!peer->m_hWnd)
            peer->Attach(hwnd);
        else
            Register(hwnd, peer);
        return FALSE; // the focus is placed when the dialog shows
    }
    auto* peer = dynamic_cast<CWin32DialogPeer*>(FromHwnd(hwnd));
    if (!peer) return FALSE;
    if (msg == WM_NCDESTROY) {
        if (peer->m_hWnd == hwnd)
            peer->Detach();
        else
            Unregister(hwnd);
        return FALSE;
    }
    try {
        return peer->HandleDialogMessage(hwnd, msg, wp, lp);
    } catch (...) {
        CExceptionBoundary::Report(CExceptionBoundary::DescribeCurrent());
        return TRUE;
    }
}

INT_PTR CWin32DialogPeer::HandleDialogMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_pOwner) return FALSE;
    switch (msg) {
    case WM_COMMAND: {
        UINT id = LOWORD(wp);
        UINT code = HIWORD(wp);
        if (code == CBN_DROPDOWN) {
            if (auto* dialog = dynamic_cast<CDialog*>(m_pOwner)) dialog->OnDropDown(id);
            return TRUE;
        }
        if (lp != 0 && code != BN_CLICKED) return FALSE;
        m_pOwner->OnCommandFromUI(id);
        return TRUE;
    }
    case kPostedCommand:
        m_pOwner->OnCommandFromUI(static_cast<UINT>(wp));
        return TRUE;
    case WM_CLOSE:
        m_pOwner->OnClose();
        return TRUE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<const NMHDR*>(lp), result)) return FALSE;
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

bool CWin32DialogPeer::OnNotify(const NMHDR& nm, LRESULT& result) {
    auto* sheet = dynamic_cast<CPropertySheet*>(m_pOwner);
    if (!sheet || nm.hwndFrom != m_hTabs) return false;
    if (nm.code == TCN_SELCHANGING) {
        result = sheet->OnPageChanging() ? FALSE : TRUE;
        return true;
    }
    if (nm.code == static_cast<UINT>(TCN_SELCHANGE)) {
        int index = static_cast<int>(SendMessageW(m_hTabs, TCM_GETCURSEL, 0, 0));
        ShowPage(index);
        sheet->OnPageChanged(index);
        return true;
    }
    return false;
}

bool CWin32DialogPeer::IsDialogKey(MSG& msg) {
    if (!msg.hwnd) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    auto* dialog = dynamic_cast<CWin32DialogPeer*>(FromHwnd(root));
    return dialog && (dialog->TurnPage(msg) || IsDialogMessageW(root, &msg));
}

bool CWin32DialogPeer::TurnPage(const MSG& msg) {
    if (!m_hTabs || msg.message != WM_KEYDOWN || !(::GetKeyState(VK_CONTROL) & kKeyDown))
        return false;
    int step = 0;
    if (msg.wParam == VK_NEXT || msg.wParam == VK_TAB) step = 1;
    if (msg.wParam == VK_PRIOR || (msg.wParam == VK_TAB && (::GetKeyState(VK_SHIFT) & kKeyDown)))
        step = -1;
    if (step == 0) return false;
    int count = static_cast<int>(m_pages.size());
    int current = static_cast<int>(SendMessageW(m_hTabs, TCM_GETCURSEL, 0, 0));
    int next = (current + step + count) % count;
    // The same notifications a click on the tab sends: a page holding a refused value stays.
    NMHDR nm{m_hTabs, static_cast<UINT_PTR>(GetDlgCtrlID(m_hTabs)), TCN_SELCHANGING};
    LRESULT refused = FALSE;
    OnNotify(nm, refused);
    if (refused || next == current) return true;
    SendMessageW(m_hTabs, TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
    nm.code = static_cast<UINT>(TCN_SELCHANGE);
    OnNotify(nm, refused);
    FocusFirstControl(m_pages[static_cast<size_t>(next)]);
    return true;
}

void CWin32DialogPeer::FocusFirstControl(HWND page) {
    if (HWND first = GetNextDlgTabItem(page, nullptr, FALSE))
        SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

void CWin32DialogPeer::CenterOnOwner() {
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    RECT mine{}, theirs{};
    ::GetWindowRect(m_hWnd, &mine);
    if (owner)
        ::GetWindowRect(owner, &theirs);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &theirs, 0);
    int w = mine.right - mine.left, h = mine.bottom - mine.top;
    int x = theirs.left + (theirs.right - theirs.left - w) / 2;
    int y = theirs.top + (theirs.bottom - theirs.top - h) / 2;
    SetWindowPos(m_hWnd, nullptr, std::max(x, 0), std::max(y, 0), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWin32DialogPeer::Show(bool bShow) {
    if (bShow && !m_bPlaced && m_hWnd && !(GetWindowLongW(m_hWnd, GWL_STYLE) & WS_CHILD)) {
        m_bPlaced = true;
        CenterOnOwner();
    }
    CWin32WindowPeer::Show(bShow);
}

int CWin32DialogPeer::RunModal() {
    if (!m_hWnd) return 0;
    m_bModal = true;
    m_bEnded = false;
    m_nResult = 0;
    m_hOwnerWindow = GetWindow(m_hWnd, GW_OWNER);
    if (m_hOwnerWindow) EnableWindow(m_hOwnerWindow, FALSE);
    CenterOnOwner();
    m_bPlaced = true;
    ShowWindow(m_hWnd, SW_SHOW);
    // A sheet starts in its first page, as the keyboard user expects.
    FocusFirstControl(m_pages.empty() ? m_hWnd : m_pages.front());
    MSG msg{};
    while (!m_bEnded && m_hWnd) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam)); // the outer loop ends too
            break;
        }
        if (IsDialogKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (m_hOwnerWindow) {
        EnableWindow(m_hOwnerWindow, TRUE);
        SetActiveWindow(m_hOwnerWindow);
    }
    if (m_hWnd) ShowWindow(m_hWnd, SW_HIDE);
    m_bModal = false;
    return m_nResult;
}

void CWin32DialogPeer::EndModal(int result) {
    m_nResult = result;
    m_bEnded = true;
    if (m_hWnd) PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CWin32DialogPeer::Destroy() {
    if (m_bModal && m_hOwnerWindow) EnableWindow(m_hOwnerWindow, TRUE);
    m_bEnded = true;
    m_pages.clear();
    CWin32WindowPeer::Destroy();
}

HWND CWin32DialogPeer::Item(UINT id) const {
    if (!m_hWnd) return nullptr;
    if (HWND item = GetDlgItem(m_hWnd, static_cast<int>(id))) return item;
    for (HWND page : m_pages)
        if (HWND item = GetDlgItem(page, static_cast<int>(id))) return item;
    return nullptr;
}

CControlDef::Kind CWin32DialogPeer::KindOf(UINT id) const {
    auto it = m_kinds.find(id);
    return it == m_kinds.end() ? CControlDef::Static : it->second;
}

void CWin32DialogPeer::SetItemText(UINT id, const std::string& text) {
    HWND item = Item(id);
    if (!item) return;
    std::wstring wide = CWin32Text::Wide(text);
    switch (KindOf(id)) {
    case CControlDef::DropList:
        SendMessageW(item, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wide.c_str()));
        break;
    case CControlDef::ListBox:
        SendMessageW(item, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wide.c_str()));
        break;
    default:
        SetWindowTextW(item, wide.c_str());
        break;
    }
}

std::string CWin32DialogPeer::GetItemText(UINT id) {
    HWND item = Item(id);
    if (!item) return std::string();
    switch (KindOf(id)) {
    case CControlDef::ListBox: {
        auto row = SendMessageW(item, LB_GETCURSEL, 0, 0);
        if (row < 0) return std::string();
        std::wstring text(static_cast<size_t>(SendMessageW(item, LB_GETTEXTLEN, row, 0)) + 1,
                          L'\0');
        auto n = SendMessageW(item, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        return CWin32Text::Utf8(text.c_str(), static_cast<int>(n));
    }
    case CControlDef::ListView: {
        auto row = SendMessageW(item, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        if (row < 0) return std::string();
        wchar_t text[MAX_PATH] = {};
        LVITEMW lv{};
        lv.pszText = text;
        lv.cchTextMax = MAX_PATH;
        auto n = SendMessageW(item, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&lv));
        return CWin32Text::Utf8(text, static_cast<int>(n));
    }
    default:
        return CWin32Text::Utf8(WindowString(item));
    }
}

void CWin32DialogPeer::SetItemCheck(UINT id, int state) {
    if (HWND item = Item(id)) SendMessageW(item, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

int CWin32DialogPeer::GetItemCheck(UINT id) {
    HWND item = Item(id);
    return item ? static_cast<int>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

void CWin32DialogPeer::EnableItem(UINT id, bool bEnable) {
    if (HWND item = Item(id)) EnableWindow(item, bEnable);
}

void CWin32DialogPeer::SetComboItems(UINT id, const std::vector<std::string>& items) {
    HWND item = Item(id);
    if (!item) return;
    CControlDef::Kind kind = KindOf(id);
    if (kind == CControlDef::ListView) {
        SendMessageW(item, LVM_DELETEALLITEMS, 0, 0);
        if (SendMessageW(item, LVM_GETCOLUMNWIDTH, 0, 0) == 0) {
            RECT client{};
            ::GetClientRect(item, &client);
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH;
            column.cx = client.right;
            SendMessageW(item, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        }
        for (size_t i = 0; i < items.size(); ++i) {
            std::wstring text = CWin32Text::Wide(items[i]);
            LVITEMW lv{};
            lv.mask = LVIF_TEXT;
            lv.iItem = static_cast<int>(i);
            lv.pszText = text.data();
            SendMessageW(item, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
        }
        return;
    }
    bool list = kind == CControlDef::ListBox;
    // An editable combo box keeps what is typed in it.
    std::wstring typed = list ? std::wstring() : WindowString(item);
    SendMessageW(item, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string& s : items)
        SendMessageW(item, list ? LB_ADDSTRING : CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(CWin32Text::Wide(s).c_str()));
    if (kind == CControlDef::ComboBox) SetWindowTextW(item, typed.c_str());
}

void CWin32DialogPeer::SetSpinRange(UINT id, int low, int high) {
    if (HWND item = Item(id)) SendMessageW(item, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void CWin32DialogPeer::FocusItem(UINT id) {
    HWND item = Item(id);
    if (!item || !m_hWnd) return;
    SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    if (KindOf(id) == CControlDef::Edit) SendMessageW(item, EM_SETSEL, 0, -1);
}

void CWin32DialogPeer::PostCommand(UINT id) {
    if (m_hWnd) PostMessageW(m_hWnd, kPostedCommand, id, 0);
}
