#include "platform/win32/Win32Backend.h"

#include <algorithm>
#include <cmath>

#include "platform/framework/Font.h"
#include "platform/framework/Wnd.h"
#include "platform/win32/Win32ChildFramePeer.h"
#include "platform/win32/Win32DialogPeer.h"
#include "platform/win32/Win32FontCache.h"
#include "platform/win32/Win32MainFramePeer.h"
#include "platform/win32/Win32StatusBarPeer.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32ToolBarPeer.h"
#include "platform/win32/Win32ViewPeer.h"

namespace {
HWND ActiveOwner() {
    CWin32MainFramePeer* frame = CWin32MainFramePeer::Current();
    HWND active = GetActiveWindow();
    return active ? active : frame ? frame->GetHwnd() : nullptr;
}

std::unique_ptr<CWin32WindowPeer> MakePeer(CWnd* pOwner, const CWindowRequest& request,
                                           CWin32WindowPeer* parent) {
    HWND host = parent ? parent->ChildParent(request.m_kind) : nullptr;
    switch (request.m_kind) {
    case CWindowRequest::MainFrame:
        return std::make_unique<CWin32MainFramePeer>(pOwner, request);
    case CWindowRequest::Dialog:
        if (!request.m_pDialog) return nullptr;
        return std::make_unique<CWin32DialogPeer>(pOwner, host, request);
    case CWindowRequest::PropertySheet:
        if (request.m_pages.empty()) return nullptr;
        return std::make_unique<CWin32DialogPeer>(pOwner, host, request);
    default:
        break;
    }
    if (!host) return nullptr; // the other kinds live inside a window
    switch (request.m_kind) {
    case CWindowRequest::ChildFrame: {
        auto* main = dynamic_cast<CWin32MainFramePeer*>(parent);
        return main ? std::make_unique<CWin32ChildFramePeer>(pOwner, *main, request) : nullptr;
    }
    case CWindowRequest::View:
    case CWindowRequest::Control:
        return std::make_unique<CWin32ViewPeer>(pOwner, host, request.m_nID);
    case CWindowRequest::ToolBar:
        return std::make_unique<CWin32ToolBarPeer>(pOwner, host, request);
    case CWindowRequest::StatusBar:
        return std::make_unique<CWin32StatusBarPeer>(pOwner, host, request.m_nID);
    case CWindowRequest::DialogBar:
        if (!request.m_pDialog) return nullptr;
        return std::make_unique<CWin32DialogPeer>(pOwner, host, request);
    default:
        return nullptr;
    }
}
} // namespace

CWin32Backend::CWin32Backend(std::unique_ptr<CProfileStore> pProfile,
                             std::unique_ptr<CClipboard> pClipboard)
    : m_pPrevious(CBackend::SetCurrent(this)), m_pProfile(std::move(pProfile)),
      m_pClipboard(std::move(pClipboard)) {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX),
                             ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                 ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

CWin32Backend::~CWin32Backend() {
    CBackend::SetCurrent(m_pPrevious);
}

int CWin32Backend::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return MessageBoxW(ActiveOwner(), CWin32Text::Wide(text).c_str(),
                       CWin32Text::Wide(caption).c_str(), type | MB_TASKMODAL);
}

void CWin32Backend::Beep(unsigned type) {
    ::MessageBeep(type);
}

std::unique_ptr<CWindowPeer> CWin32Backend::CreateWindowPeer(CWnd* pOwner,
                                                             const CWindowRequest& request) {
    CWin32WindowPeer* parent = CWin32WindowPeer::Of(request.m_pParent);
    std::unique_ptr<CWin32WindowPeer> peer = MakePeer(pOwner, request, parent);
    if (!peer || !peer->GetHwnd()) return nullptr;
    // Dialogs have an owner, not a place in the parent's layout.
    bool dialog =
        request.m_kind == CWindowRequest::Dialog || request.m_kind == CWindowRequest::PropertySheet;
    if (parent && !dialog) parent->AdoptChild(peer.get(), request.m_kind);
    return peer;
}

short CWin32Backend::GetKeyState(int vk) {
    return ::GetKeyState(vk);
}

COLORREF CWin32Backend::GetSysColor(int index) {
    return ::GetSysColor(index);
}

bool CWin32Backend::GetFileName(bool bOpen, const std::string& initial, std::string& path) {
    std::wstring buffer = CWin32Text::Wide(initial);
    constexpr size_t kLongPath = 32768;
    buffer.resize(kLongPath, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = ActiveOwner();
    ofn.lpstrFilter = L"*.*\0*.*\0";
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                (bOpen ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : OFN_OVERWRITEPROMPT);
    BOOL ok = bOpen ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!ok) return false;
    path = CWin32Text::Utf8(buffer.c_str());
    return true;
}

bool CWin32Backend::RunFontDialog(CLogFont& lf, int maxPoints, bool bPrinter) {
    LOGFONTW w{};
    // Printer heights are in 0.01 mm; the dialog speaks screen pixels.
    double perUnit = bPrinter ? ScreenPixelsPerPoint() * kPointsPerInch / kHiMetricPerInch : 1.0;
    w.lfHeight = static_cast<LONG>(std::lround(lf.m_nHeight * perUnit));
    w.lfWeight = lf.m_nWeight;
    w.lfItalic = lf.m_bItalic;
    w.lfCharSet = static_cast<BYTE>(lf.m_nCharSet);
    w.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    CWin32FontCache::Get().MapFace(lf.m_strFaceName).copy(w.lfFaceName, LF_FACESIZE - 1);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = ActiveOwner();
    cf.lpLogFont = &w;
    cf.Flags =
        CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE | CF_NOVERTFONTS;
    cf.nSizeMin = 1;
    cf.nSizeMax = maxPoints;
    if (!ChooseFontW(&cf)) return false;
    lf.m_strFaceName = CWin32Text::Utf8(w.lfFaceName);
    lf.m_nHeight = static_cast<int>(std::lround(w.lfHeight / perUnit));
    lf.m_nWeight = w.lfWeight;
    lf.m_bItalic = w.lfItalic != 0;
    lf.m_nCharSet = w.lfCharSet;
    return true;
}

bool CWin32Backend::ChooseFont(CLogFont& lf, int maxPoints) {
    return RunFontDialog(lf, maxPoints, false);
}

bool CWin32Backend::ChoosePrinterFont(CLogFont& lf, int maxPoints) {
    return RunFontDialog(lf, maxPoints, true);
}

double CWin32Backend::ScreenPixelsPerPoint() {
    HDC screen = ::GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<double>(dpi) / kPointsPerInch;
}

CSize CWin32Backend::GetWorkAreaSize() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return CSize(area.right - area.left, area.bottom - area.top);
}

std::string CWin32Backend::ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = 0;
    while ((n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(n);
    return CWin32Text::Utf8(path.substr(0, path.find_last_of(L"\\/") + 1));
}

bool CWin32Backend::ShellOpen(const std::string& target) {
    std::wstring where = CWin32Text::Wide(target);
    // A file's path takes the system's separators; an address keeps its own.
    if (where.find(L"://") == std::wstring::npos)
        std::replace(where.begin(), where.end(), L'/', L'\\');
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(ActiveOwner(), L"open", where.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    constexpr INT_PTR kFirstSuccess = 33; // smaller results are errors
    return result >= kFirstSuccess;
}

void CWin32Backend::PostQuitMessage(int code) {
    m_bQuitPosted = true;
    m_nQuitCode = code;
    ::PostQuitMessage(code);
}
