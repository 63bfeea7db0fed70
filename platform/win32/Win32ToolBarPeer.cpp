#include "platform/win32/Win32ToolBarPeer.h"

#include <cstdlib>
#include <string>

#include "platform/base/ResourceSet.h"
#include "platform/base/ResourceTypes.h"
#include "platform/framework/CmdUI.h"
#include "platform/framework/Wnd.h"
#include "platform/win32/Win32Text.h"

namespace {
constexpr size_t kDigitsPerPixel = 2; // a coverage pixel: two hex digits, 00 to ff
constexpr int kHex = 16;
constexpr unsigned kFullCover = 0xFF;

// The ink over the background, as much as it covers (0 to 255).
::COLORREF Blend(::COLORREF back, unsigned ink, unsigned cover) {
    ::COLORREF out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned b = (back >> shift) & 0xFF, i = (ink >> shift) & 0xFF;
        out |= ((b * (kFullCover - cover) + i * cover) / kFullCover) << shift;
    }
    return out;
}

int StandardImage(CToolImageDef::Stock stock) {
    switch (stock) {
    case CToolImageDef::New:
        return STD_FILENEW;
    case CToolImageDef::Open:
        return STD_FILEOPEN;
    case CToolImageDef::Save:
        return STD_FILESAVE;
    case CToolImageDef::Print:
        return STD_PRINT;
    case CToolImageDef::Cut:
        return STD_CUT;
    case CToolImageDef::Copy:
        return STD_COPY;
    case CToolImageDef::Paste:
        return STD_PASTE;
    case CToolImageDef::Delete:
        return STD_DELETE;
    case CToolImageDef::Undo:
        return STD_UNDO;
    case CToolImageDef::Redo:
        return STD_REDOW;
    case CToolImageDef::Find:
        return STD_FIND;
    case CToolImageDef::Help:
        return STD_HELP;
    default:
        return -1;
    }
}
} // namespace

CWin32ToolBarPeer::CWin32ToolBarPeer(CWnd* pOwner, HWND parent, const CWindowRequest& request)
    : CWin32WindowPeer(pOwner), m_pDef(request.m_pToolBar) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                  CCS_NOPARENTALIGN | CCS_NODIVIDER | (m_pDef ? 0 : TBSTYLE_LIST);
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(request.m_nID)),
                               GetModuleHandleW(nullptr), nullptr);
    if (!bar) return;
    Attach(bar);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (m_pDef) {
        SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(m_pDef->m_cxImage, m_pDef->m_cyImage));
        TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
        m_nStandardBase = static_cast<int>(
            SendMessageW(bar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard)));
    } else {
        SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    }
    StartDelivery();
}

CWin32ToolBarPeer::~CWin32ToolBarPeer() {
    Destroy();
}

std::wstring CWin32ToolBarPeer::Tooltip(UINT id) {
    std::string text = CResourceSet::Current().LoadString(id);
    size_t br = text.find('\n');
    return br == std::string::npos ? std::wstring() : CWin32Text::Wide(text.substr(br + 1));
}

int CWin32ToolBarPeer::AddDrawing(const CToolImageDef& image) {
    int w = m_pDef->m_cxImage, h = m_pDef->m_cyImage;
    HDC screen = ::GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, w, h};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    for (int y = 0; y < h && y < static_cast<int>(image.m_rows.size()); ++y)
        for (int x = 0; x < w && x < static_cast<int>(image.m_rows[y].size()); ++x)
            for (const CPaletteEntry& p : m_pDef->m_palette)
                if (p.m_letter == image.m_rows[y][x]) SetPixel(memory, x, y, p.m_colour);
    ::COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < h && y < static_cast<int>(image.m_coverage.size()); ++y) {
        const std::string& row = image.m_coverage[y];
        for (int x = 0; x < w && (x + 1) * kDigitsPerPixel <= row.size(); ++x) {
            std::string digits = row.substr(x * kDigitsPerPixel, kDigitsPerPixel);
            unsigned cover = static_cast<unsigned>(std::strtoul(digits.c_str(), nullptr, kHex));
            if (cover) SetPixel(memory, x, y, Blend(face, image.m_ink, cover));
        }
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
    return static_cast<int>(SendMessageW(m_hWnd, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&add)));
}

int CWin32ToolBarPeer::ImageFor(UINT id) {
    if (!m_pDef) return I_IMAGENONE;
    auto it = m_images.find(id);
    if (it != m_images.end()) return it->second;
    const CToolImageDef* image = m_pDef->FindImage(id);
    int index = I_IMAGENONE;
    if (image && image->m_stock != CToolImageDef::NoStock)
        index = m_nStandardBase + StandardImage(image->m_stock);
    else if (image)
        index = AddDrawing(*image);
    return m_images[id] = index;
}

void CWin32ToolBarPeer::SetButtons(const std::vector<Button>& buttons) {
    if (!m_hWnd) return;
    while (SendMessageW(m_hWnd, TB_DELETEBUTTON, 0, 0)) {
    }
    std::vector<std::wstring> labels;
    labels.reserve(buttons.size());
    std::vector<TBBUTTON> added;
    for (const Button& b : buttons) {
        TBBUTTON tb{};
        labels.push_back(CWin32Text::Wide(b.m_strLabel));
        if (b.m_nID == 0) {
            tb.fsStyle = BTNS_SEP;
        } else {
            tb.iBitmap = ImageFor(b.m_nID);
            tb.idCommand = static_cast<int>(b.m_nID);
            tb.fsState = TBSTATE_ENABLED;
            tb.fsStyle = BTNS_BUTTON | (m_pDef ? 0 : BTNS_AUTOSIZE | BTNS_SHOWTEXT);
            if (!labels.back().empty())
                tb.iString = reinterpret_cast<INT_PTR>(labels.back().c_str());
        }
        added.push_back(tb);
    }
    SendMessageW(m_hWnd, TB_ADDBUTTONSW, added.size(), reinterpret_cast<LPARAM>(added.data()));
    SendMessageW(m_hWnd, TB_AUTOSIZE, 0, 0);
    m_buttons = buttons;
    TellParent();
    UpdateCommandUI();
}

void CWin32ToolBarPeer::SetButtonImage(int index, int image) {
    if (index < 0 || static_cast<size_t>(index) >= m_buttons.size()) return;
    // The file-name bar marks a changed document by pressing its button's picture in.
    m_buttons[static_cast<size_t>(index)].m_nImage = image;
    UINT id = m_buttons[static_cast<size_t>(index)].m_nID;
    if (id && m_hWnd && !m_pDef) SendMessageW(m_hWnd, TB_MARKBUTTON, id, MAKELPARAM(image > 0, 0));
}

void CWin32ToolBarPeer::UpdateCommandUI() {
    if (!m_hWnd || !m_pOwner) return;
    for (const Button& b : m_buttons) {
        if (b.m_nID == 0) continue;
        CCmdUI state(b.m_nID);
        m_pOwner->OnUpdateFromUI(&state);
        SendMessageW(m_hWnd, TB_ENABLEBUTTON, b.m_nID, MAKELPARAM(state.m_bEnabled, 0));
        bool checked = state.m_bCheckSet && state.m_nCheck != 0;
        SendMessageW(m_hWnd, TB_CHECKBUTTON, b.m_nID, MAKELPARAM(checked, 0));
    }
}
