#include "platform/wx/WxApplication.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_set>

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/init.h>
#include <wx/intl.h>
#include <wx/translation.h>

#include "platform/framework/ExceptionBoundary.h"
#include "platform/framework/WinApp.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxProfileStore.h"
#include "platform/wx/WxToolkitLanguage.h"

namespace {
const char kVendor[] = "Marlox";

// The wx application object: the program's application object does the work.
class CWxApp : public wxApp {
public:
    explicit CWxApp(CWinApp& app) : m_app(app) {
        // Command states are refreshed after what can change them, not at every idle time:
        // the caret's blinking alone would otherwise keep the program busy.
        Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
            event.Skip();
            if (!m_bStatesStale) return;
            m_bStatesStale = false;
            m_app.OnIdle();
        });
    }
    // The program reads its own command line.
    bool OnInit() override {
        UseJapaneseToolkitTexts();
        CWxToolkitLanguage::UseJapanese();
        return true;
    }

    int FilterEvent(wxEvent& event) override {
        if (MayChangeStates(event)) m_bStatesStale = true;
        return Event_Skip;
    }

    // Every handler of every window runs here: what it throws is shown, and the program goes on.
    void CallEventHandler(wxEvtHandler* handler, wxEventFunctor& functor,
                          wxEvent& event) const override {
        try {
            wxApp::CallEventHandler(handler, functor, event);
        } catch (...) {
            ReportLater(CExceptionBoundary::DescribeCurrent());
        }
    }
    // Calls made after an event (CallAfter) do not pass the handler above.
    bool OnExceptionInMainLoop() override {
        try {
            throw;
        } catch (...) {
            ReportLater(CExceptionBoundary::DescribeCurrent());
        }
        return true;
    }

private:
    // The program speaks Japanese whatever the user's locale: so do the toolkit's own buttons
    // and labels (the print preview's, for one) where its catalog is installed.
    static void UseJapaneseToolkitTexts() {
        auto* translations = new wxTranslations;
        translations->SetLanguage(wxLANGUAGE_JAPANESE);
        translations->AddStdCatalog();
        wxTranslations::Set(translations);
    }

    // The failing handler may be painting: the message waits until the event is over.
    static void ReportLater(const std::string& text) {
        static bool pending = false;
        if (pending || !wxTheApp) return;
        pending = true;
        wxTheApp->CallAfter([text] {
            CExceptionBoundary::Report(text);
            pending = false;
        });
    }

    // Input, commands, activation and sizes; not painting, timers or the pointer passing by.
    static bool MayChangeStates(const wxEvent& event) {
        static const std::unordered_set<wxEventType> kTypes = {
            wxEVT_KEY_DOWN,
            wxEVT_KEY_UP,
            wxEVT_CHAR,
            wxEVT_LEFT_DOWN,
            wxEVT_LEFT_UP,
            wxEVT_LEFT_DCLICK,
            wxEVT_RIGHT_DOWN,
            wxEVT_RIGHT_UP,
            wxEVT_MIDDLE_DOWN,
            wxEVT_MOUSEWHEEL,
            wxEVT_MENU,
            wxEVT_TOOL,
            wxEVT_BUTTON,
            wxEVT_ASYNC_METHOD_CALL,
            wxEVT_ACTIVATE,
            wxEVT_SET_FOCUS,
            wxEVT_KILL_FOCUS,
            wxEVT_SIZE,
            wxEVT_CLOSE_WINDOW,
            wxEVT_SCROLLWIN_THUMBRELEASE,
            wxEVT_SCROLLWIN_LINEDOWN,
            wxEVT_SCROLLWIN_LINEUP,
            wxEVT_SCROLLWIN_PAGEDOWN,
            wxEVT_SCROLLWIN_PAGEUP,
        };
        wxEventType type = event.GetEventType();
        if (type == wxEVT_MOTION) return static_cast<const wxMouseEvent&>(event).LeftIsDown();
        return kTypes.count(type) > 0;
    }

    CWinApp& m_app;
    bool m_bStatesStale = true;
};
} // namespace

int RunWxApplication(CWinApp& app, int argc, char** argv) {
    // Before GTK starts: overlay scroll bars would cover the view's last column.
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
    CWxBackend::QuietDiagnostics();
    app.m_argv.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
    wxApp::SetInstance(new CWxApp(app));
    if (!wxEntryStart(argc, argv)) {
        std::fputs("Quelm: the window system could not be started\n", stderr);
        return 1;
    }
    wxTheApp->SetVendorName(kVendor);
    wxTheApp->SetAppName(wxString::FromUTF8(app.m_pszAppName));
    int code = 0;
    {
        CWxBackend backend(CWxProfileStore::DefaultPath(kVendor, app.m_pszAppName));
        bool started = wxTheApp->CallOnInit() && app.InitInstance();
        if (started && !backend.IsQuitPosted()) wxTheApp->OnRun();
        int exitCode = app.ExitInstance();
        // What the program put on the clipboard outlives it when a clipboard manager runs.
        wxTheClipboard->Flush();
        code = !started ? 1 : backend.GetQuitCode() != 0 ? backend.GetQuitCode() : exitCode;
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return code;
}
