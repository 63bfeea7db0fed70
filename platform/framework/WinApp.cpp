#include "platform/framework/WinApp.h"

#include <algorithm>
#include <cstdio>

#include "platform/base/FrameworkIds.h"
#include "platform/base/ProfileStore.h"
#include "platform/framework/Backend.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/MDIFrameWnd.h"
#include "platform/framework/PrintService.h"

namespace {
CWinApp* g_pApp = nullptr;
using FrameworkIds::kFirstRecentFile;
using FrameworkIds::kLastRecentFile;
const char kRecentSection[] = "Recent File List";
} // namespace

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWinApp::CWinApp() {
    g_pApp = this;
    OnCommandRange(kFirstRecentFile, kLastRecentFile, [this](UINT id) { OnOpenRecentFile(id); });
    OnCommand(FrameworkIds::kFilePrintSetup, [] { CBackend::Current().Printing().PageSetup(); });
    OnUpdateRange(kFirstRecentFile, kLastRecentFile, [this](CCmdUI* pCmdUI) {
        pCmdUI->Enable(pCmdUI->m_nID - kFirstRecentFile < m_recentFiles.size());
    });
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

void CWinApp::OnIdle() {
    if (CMainFramePeer* peer = m_pMainWnd ? m_pMainWnd->GetMainFramePeer() : nullptr)
        peer->UpdateCommandUI();
}

void CWinApp::AddDocTemplate(std::unique_ptr<CMultiDocTemplate> pTemplate) {
    m_pDocTemplate = std::move(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(const std::string& path) {
    return m_pDocTemplate ? m_pDocTemplate->OpenDocumentFile(path) : nullptr;
}

void CWinApp::OnFileNew() {
    if (m_pDocTemplate) m_pDocTemplate->OpenDocumentFile(std::string());
}

int CWinApp::GetProfileInt(const std::string& section, const std::string& entry, int nDefault) {
    return CBackend::Current().Profile().GetInt(section, entry, nDefault);
}

std::string CWinApp::GetProfileString(const std::string& section, const std::string& entry,
                                      const std::string& strDefault) {
    return CBackend::Current().Profile().GetString(section, entry, strDefault);
}

bool CWinApp::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
    return CBackend::Current().Profile().WriteInt(section, entry, value);
}

bool CWinApp::WriteProfileString(const std::string& section, const std::string& entry,
                                 const std::string& value) {
    return CBackend::Current().Profile().WriteString(section, entry, value);
}

bool CWinApp::DeleteProfileSection(const std::string& section) {
    return CBackend::Current().Profile().DeleteSection(section);
}

void CWinApp::LoadStdProfileSettings(int nMaxMRU) {
    m_nMaxMRU = nMaxMRU;
    m_recentFiles.clear();
    m_bRecentFilesShown = false;
    for (int i = 1; i <= nMaxMRU; ++i) {
        std::string path = GetProfileString(kRecentSection, "File" + std::to_string(i));
        if (path.empty()) break;
        m_recentFiles.push_back(path);
    }
}

void CWinApp::AddToRecentFileList(const std::string& path) {
    if (m_nMaxMRU <= 0 || path.empty()) return;
    // A save of the file at the top keeps the list as it is: the menu is not rebuilt.
    if (m_bRecentFilesShown && !m_recentFiles.empty() && m_recentFiles[0] == path) return;
    m_recentFiles.erase(std::remove(m_recentFiles.begin(), m_recentFiles.end(), path),
                        m_recentFiles.end());
    m_recentFiles.insert(m_recentFiles.begin(), path);
    if (static_cast<int>(m_recentFiles.size()) > m_nMaxMRU)
        m_recentFiles.resize(static_cast<size_t>(m_nMaxMRU));
    if (CMainFramePeer* peer = m_pMainWnd ? m_pMainWnd->GetMainFramePeer() : nullptr) {
        peer->SetRecentFiles(m_recentFiles);
        m_bRecentFilesShown = true;
    }
}

void CWinApp::SaveStdProfileSettings() {
    if (m_nMaxMRU <= 0) return;
    DeleteProfileSection(kRecentSection);
    for (size_t i = 0; i < m_recentFiles.size(); ++i)
        WriteProfileString(kRecentSection, "File" + std::to_string(i + 1), m_recentFiles[i]);
}

void CWinApp::OnOpenRecentFile(UINT id) {
    size_t index = id - kFirstRecentFile;
    if (index < m_recentFiles.size()) OpenDocumentFile(m_recentFiles[index]);
}
