#include "platform/headless/HeadlessBackend.h"

#include <algorithm>

#include "platform/base/Afx.h"
#include "platform/base/VirtualKeys.h"
#include "platform/framework/ExceptionBoundary.h"
#include "platform/framework/Wnd.h"

CHeadlessBackend::CHeadlessBackend() : m_pPrevious(CBackend::SetCurrent(this)) {}

CHeadlessBackend::~CHeadlessBackend() {
    for (CHeadlessWindowPeer* peer : m_windows)
        peer->m_pBackend = nullptr;
    CBackend::SetCurrent(m_pPrevious);
}

int CHeadlessBackend::MessageBox(const std::string& text, const std::string&, unsigned type) {
    m_messages.push_back({text, type});
    if (!m_answers.empty()) {
        int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}

void CHeadlessBackend::Beep(unsigned type) {
    m_beeps.push_back(type);
}

std::unique_ptr<CWindowPeer> CHeadlessBackend::CreateWindowPeer(CWnd* pOwner,
                                                                const CWindowRequest& request) {
    return std::make_unique<CHeadlessWindowPeer>(this, pOwner, request);
}

short CHeadlessBackend::GetKeyState(int vk) {
    return m_keysDown.count(vk) ? static_cast<short>(0x8000) : 0;
}

bool CHeadlessBackend::GetFileName(bool, const std::string&, std::string& path) {
    if (m_fileNames.empty()) return false;
    path = m_fileNames.front();
    m_fileNames.pop_front();
    return !path.empty();
}

bool CHeadlessBackend::ChoosePrinterFont(CLogFont& lf, int maxPoints) {
    bool chosen = ChooseFont(lf, maxPoints);
    m_fontRequests.back().m_bPrinter = true;
    return chosen;
}

bool CHeadlessBackend::ChooseFont(CLogFont& lf, int maxPoints) {
    m_fontRequests.push_back({lf, maxPoints, false});
    if (m_fonts.empty()) return false;
    lf = m_fonts.front();
    m_fonts.pop_front();
    return true;
}

bool CHeadlessBackend::ShellOpen(const std::string& target) {
    m_shellOpened.push_back(target);
    return m_bShellOpenWorks;
}

void CHeadlessBackend::PostQuitMessage(int code) {
    m_bQuitPosted = true;
    m_nQuitCode = code;
}

void CHeadlessBackend::SetKeyDown(int vk, bool bDown) {
    if (bDown)
        m_keysDown.insert(vk);
    else
        m_keysDown.erase(vk);
}

void CHeadlessBackend::PressKey(unsigned vk, unsigned modifiers) {
    const std::pair<unsigned, int> mods[] = {
        {FSHIFT, VK_SHIFT}, {FCONTROL, VK_CONTROL}, {FALT, VK_MENU}};
    for (auto [flag, key] : mods)
        SetKeyDown(key, modifiers & flag);
    for (CHeadlessWindowPeer* frame : WindowsOfKind(CWindowRequest::MainFrame)) {
        if (!frame->m_request.m_pAccel) continue;
        for (const CAccelDef& a : frame->m_request.m_pAccel->m_entries)
            if (a.m_key == vk && (a.m_fVirt & (FSHIFT | FCONTROL | FALT)) == modifiers) {
                frame->m_pOwner->OnCommandFromUI(a.m_cmd);
                for (auto [flag, key] : mods)
                    SetKeyDown(key, false);
                return;
            }
    }
    if (m_pFocus) CExceptionBoundary::Run([&] { m_pFocus->m_pOwner->OnKeyDown(vk, 1, 0); });
    for (auto [flag, key] : mods)
        SetKeyDown(key, false);
}

void CHeadlessBackend::Post(CHeadlessWindowPeer* peer, unsigned id) {
    m_posted.emplace_back(peer, id);
}

int CHeadlessBackend::PumpMessages() {
    int ran = 0;
    while (!m_posted.empty()) {
        auto [peer, id] = m_posted.front();
        m_posted.pop_front();
        CExceptionBoundary::Run([&] { peer->m_pOwner->OnCommandFromUI(id); });
        ++ran;
    }
    return ran;
}

void CHeadlessBackend::TypeChar(unsigned ch) {
    if (m_pFocus) CExceptionBoundary::Run([&] { m_pFocus->m_pOwner->OnChar(ch, 1, 0); });
}

std::vector<CHeadlessWindowPeer*> CHeadlessBackend::WindowsOfKind(CWindowRequest::Kind kind) const {
    std::vector<CHeadlessWindowPeer*> out;
    for (CHeadlessWindowPeer* peer : m_windows)
        if (peer->m_request.m_kind == kind) out.push_back(peer);
    return out;
}

CHeadlessWindowPeer* CHeadlessBackend::PeerOf(const CWnd* pWnd) const {
    for (CHeadlessWindowPeer* peer : m_windows)
        if (peer->m_pOwner == pWnd) return peer;
    return nullptr;
}

void CHeadlessBackend::PaintAll() {
    for (CHeadlessWindowPeer* peer : std::vector<CHeadlessWindowPeer*>(m_windows))
        if (peer->m_bInvalid) peer->Paint();
}

bool CHeadlessBackend::RunDialogScript(CHeadlessWindowPeer& dialog) {
    if (m_dialogScripts.empty()) return false;
    DialogScript script = std::move(m_dialogScripts.front());
    m_dialogScripts.pop_front();
    script(dialog);
    return true;
}

void CHeadlessBackend::Register(CHeadlessWindowPeer* peer) {
    m_windows.push_back(peer);
}

void CHeadlessBackend::Unregister(CHeadlessWindowPeer* peer) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), peer), m_windows.end());
    // What was posted to a window dies with it.
    m_posted.erase(std::remove_if(m_posted.begin(), m_posted.end(),
                                  [peer](const auto& post) { return post.first == peer; }),
                   m_posted.end());
    if (m_pFocus == peer) m_pFocus = nullptr;
}
