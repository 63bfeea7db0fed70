#include "platform/wx/WxBackend.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include <glib.h>

#include <wx/app.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>
// After the message dialog's common part.
#include <wx/generic/msgdlgg.h>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/Wnd.h"
#include "platform/wx/WxCanvasPeer.h"
#include "platform/wx/WxChildFramePeer.h"
#include "platform/wx/WxDialogBarPeer.h"
#include "platform/wx/WxDialogPeer.h"
#include "platform/wx/WxFontChooser.h"
#include "platform/wx/WxHeldModifiers.h"
#include "platform/wx/WxKeyMap.h"
#include "platform/wx/WxMainFramePeer.h"
#include "platform/wx/WxMessageText.h"
#include "platform/wx/WxProfileStore.h"
#include "platform/wx/WxStatusBarPeer.h"
#include "platform/wx/WxToolBarPeer.h"
#include "platform/wx/WxToolTips.h"
#include "platform/wx/WxToolkitLanguage.h"
#include "platform/wx/WxViewPeer.h"

namespace {
// GTK 3.24 asserts once while wx re-shows a frame to learn the window manager's decoration size
// (any wx frame with a menu bar does it); the allocation is clamped and nothing is wrong. Only
// that message is dropped: every other one still reaches stderr.
void FilterToolkitLog(const gchar* domain, GLogLevelFlags level, const gchar* message,
                      gpointer data) {
    if (message && std::strstr(message, "gtk_distribute_natural_allocation")) return;
    g_log_default_handler(domain, level, message, data);
}

void PrintAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                 const wxString& msg) {
    std::fprintf(
        stderr, "wx assertion failed: %s:%d %s: %s %s\n", static_cast<const char*>(file.utf8_str()),
        line, static_cast<const char*>(func.utf8_str()), static_cast<const char*>(cond.utf8_str()),
        static_cast<const char*>(msg.utf8_str()));
}

std::unique_ptr<CWxWindowPeer> MakePeer(CWnd* pOwner, const CWindowRequest& request,
                                        CWxWindowPeer* parent) {
    wxWindow* host = parent ? parent->ChildParent(request.m_kind) : nullptr;
    switch (request.m_kind) {
    case CWindowRequest::MainFrame:
        return std::make_unique<CWxMainFramePeer>(pOwner, request);
    case CWindowRequest::Dialog:
        return request.m_pDialog ? std::make_unique<CWxDialogPeer>(pOwner, host, request) : nullptr;
    case CWindowRequest::PropertySheet:
        return request.m_pages.empty() ? nullptr
                                       : std::make_unique<CWxDialogPeer>(pOwner, host, request);
    default:
        break;
    }
    if (!host) return nullptr; // the other kinds live inside a window
    switch (request.m_kind) {
    case CWindowRequest::ChildFrame: {
        auto* main = dynamic_cast<CWxMainFramePeer*>(parent);
        return main ? std::make_unique<CWxChildFramePeer>(pOwner, main->GetBook(), request)
                    : nullptr;
    }
    case CWindowRequest::View:
        return std::make_unique<CWxViewPeer>(pOwner, host);
    case CWindowRequest::ToolBar:
        return std::make_unique<CWxToolBarPeer>(pOwner, host, request);
    case CWindowRequest::StatusBar:
        return std::make_unique<CWxStatusBarPeer>(pOwner, host);
    case CWindowRequest::DialogBar:
        return std::make_unique<CWxDialogBarPeer>(pOwner, host, request);
    case CWindowRequest::Control:
        return std::make_unique<CWxCanvasPeer>(pOwner, host);
    default:
        return nullptr;
    }
}
} // namespace

CWxBackend::CWxBackend(std::string profilePath)
    : m_pPrevious(CBackend::SetCurrent(this)), m_strProfilePath(std::move(profilePath)) {
    QuietDiagnostics();
    CWxToolTips::HideUnderModalWindows();
}

CWxBackend::~CWxBackend() {
    CBackend::SetCurrent(m_pPrevious);
}

void CWxBackend::QuietDiagnostics() {
    wxSetAssertHandler(PrintAssert);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxLog::SetLogLevel(wxLOG_Info); // no debugging chatter
    g_log_set_handler("Gtk", G_LOG_LEVEL_CRITICAL, FilterToolkitLog, nullptr);
}

CProfileStore& CWxBackend::Profile() {
    if (!m_pProfile) {
        m_pProfile = std::make_unique<CWxProfileStore>(m_strProfilePath);
        if (!m_pProfile->Warning().empty())
            MessageBox(m_pProfile->Warning(), "Quelm", MB_ICONEXCLAMATION | MB_OK);
    }
    return *m_pProfile;
}

long CWxBackend::MessageBoxStyle(unsigned type) {
    long style = wxCENTRE;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        style |= wxOK | wxCANCEL;
        break;
    case MB_YESNO:
        style |= wxYES_NO;
        break;
    case MB_YESNOCANCEL:
        style |= wxYES_NO | wxCANCEL;
        break;
    default:
        style |= wxOK;
        break;
    }
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
        style |= wxICON_ERROR;
        break;
    case MB_ICONQUESTION:
        style |= wxICON_QUESTION;
        break;
    case MB_ICONEXCLAMATION:
        style |= wxICON_EXCLAMATION;
        break;
    case MB_ICONINFORMATION:
        style |= wxICON_INFORMATION;
        break;
    default:
        break;
    }
    return style;
}

int CWxBackend::MessageBoxAnswer(int wxAnswer, unsigned type) {
    switch (wxAnswer) {
    case wxID_YES:
        return IDYES;
    case wxID_NO:
        return IDNO;
    case wxID_OK:
        return IDOK;
    default:
        // A box closed without an answer: a yes/no box says no, an OK box OK.
        switch (type & MB_TYPEMASK) {
        case MB_YESNO:
            return IDNO;
        case MB_OK:
            return IDOK;
        default:
            return IDCANCEL;
        }
    }
}

int CWxBackend::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    wxGenericMessageDialog dialog(CWxWindowPeer::DialogOwner(nullptr),
                                  wxString::FromUTF8(CWxMessageText::Make(text)),
                                  CWxWindowPeer::Utf8(caption), MessageBoxStyle(type));
    dialog.SetYesNoCancelLabels(wxString::FromUTF8("はい(&Y)"), wxString::FromUTF8("いいえ(&N)"),
                                wxString::FromUTF8("キャンセル"));
    dialog.SetOKCancelLabels("OK", wxString::FromUTF8("キャンセル"));
    return MessageBoxAnswer(dialog.ShowModal(), type);
}

void CWxBackend::Beep(unsigned) {
    wxBell();
}

std::unique_ptr<CWindowPeer> CWxBackend::CreateWindowPeer(CWnd* pOwner,
                                                          const CWindowRequest& request) {
    CWxWindowPeer* parent = CWxWindowPeer::Of(request.m_pParent);
    std::unique_ptr<CWxWindowPeer> peer = MakePeer(pOwner, request, parent);
    if (peer && parent) parent->AdoptChild(peer->GetWindow(), request.m_kind);
    return peer;
}

short CWxBackend::GetKeyState(int vk) {
    bool down = false;
    if (vk == static_cast<int>(VK_LBUTTON))
        down = wxGetMouseState().LeftIsDown();
    else if (std::optional<bool> held = CWxHeldModifiers::IsHeld(static_cast<unsigned>(vk)))
        down = *held;
    else if (int key = CWxKeyMap::WxKey(static_cast<unsigned>(vk)))
        down = wxGetKeyState(static_cast<wxKeyCode>(key));
    return down ? static_cast<short>(0x8000) : 0;
}

COLORREF CWxBackend::GetSysColor(int index) {
    // wx numbers the system colours as the platform the program was designed on does.
    if (index < 0 || index >= wxSYS_COLOUR_MAX) return CBackend::GetSysColor(index);
    wxColour c = wxSystemSettings::GetColour(static_cast<wxSystemColour>(index));
    return RGB(c.Red(), c.Green(), c.Blue());
}

bool CWxBackend::GetFileName(bool bOpen, const std::string& initial, std::string& path) {
    wxFileName start(wxString::FromUTF8(initial));
    long style = bOpen ? wxFD_OPEN | wxFD_FILE_MUST_EXIST : wxFD_SAVE | wxFD_OVERWRITE_PROMPT;
    wxFileDialog dialog(CWxWindowPeer::DialogOwner(nullptr),
                        wxString::FromUTF8(bOpen ? "開く" : "名前を付けて保存"), start.GetPath(),
                        start.GetFullName(), "*", style);
    if (dialog.ShowModal() != wxID_OK) return false;
    path = dialog.GetPath().utf8_str();
    return true;
}

bool CWxBackend::ChooseFont(CLogFont& lf, int maxPoints) {
    return CWxFontChooser::Run(lf, maxPoints);
}

bool CWxBackend::ChoosePrinterFont(CLogFont& lf, int maxPoints) {
    return CWxFontChooser::Run(lf, maxPoints, CWxFontChooser::kHiMetricPerPoint);
}

double CWxBackend::ScreenPixelsPerPoint() {
    return CWxFontChooser::PixelsPerPoint();
}

CSize CWxBackend::GetWorkAreaSize() {
    // A window may be moved to the largest screen, so that one sets the limit.
    CSize largest;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        wxRect area = wxDisplay(i).GetClientArea();
        largest.cx = std::max(largest.cx, area.width);
        largest.cy = std::max(largest.cy, area.height);
    }
    return largest;
}

std::string CWxBackend::ProgramFolder() {
    wxFileName program(wxStandardPaths::Get().GetExecutablePath());
    return program.GetPathWithSep().utf8_str().data();
}

bool CWxBackend::ShellOpen(const std::string& target) {
    // The caller tells the user; wx would log a second message of its own.
    wxLogNull quiet;
    wxString where = wxString::FromUTF8(target);
    // Pages go to the browser even where another program claims .htm files.
    wxString ext = wxFileName(where).GetExt().Lower();
    CWxToolkitLanguage::CForOtherPrograms userLanguage;
    if (where.Contains("://") || ext == "htm" || ext == "html")
        return wxLaunchDefaultBrowser(where);
    return wxLaunchDefaultApplication(where);
}

void CWxBackend::PostQuitMessage(int code) {
    m_bQuitPosted = true;
    m_nQuitCode = code;
    if (wxTheApp) wxTheApp->ExitMainLoop();
}
