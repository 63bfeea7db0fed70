#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/CmdTarget.h"

class CMultiDocTemplate;
class CMDIFrameWnd;
class CDocument;

// The application object: exactly one per process.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }
    // Idle time: the main frame refreshes its menus and bars.
    virtual void OnIdle();

    void AddDocTemplate(std::unique_ptr<CMultiDocTemplate> pTemplate);
    CMultiDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    virtual CDocument* OpenDocumentFile(const std::string& path);
    void OnFileNew();

    // The per-user profile, under the family key set first.
    void SetRegistryKey(const std::string& company) { m_strRegistryKey = company; }
    int GetProfileInt(const std::string& section, const std::string& entry, int nDefault);
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& strDefault = std::string());
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value);
    bool DeleteProfileSection(const std::string& section);

    // The recent-file list ("Recent File List", File1 ...).
    void LoadStdProfileSettings(int nMaxMRU);
    void AddToRecentFileList(const std::string& path);
    const std::vector<std::string>& GetRecentFiles() const { return m_recentFiles; }
    void SaveStdProfileSettings();

    std::vector<std::string> m_argv; // the command line without the program name
    CMDIFrameWnd* m_pMainWnd = nullptr;
    std::string m_pszAppName = "Quelm";

protected:
    void OnOpenRecentFile(UINT id);

    std::unique_ptr<CMultiDocTemplate> m_pDocTemplate;
    std::string m_strRegistryKey;
    std::vector<std::string> m_recentFiles;
    bool m_bRecentFilesShown = false; // the main frame's menu lists m_recentFiles
    int m_nMaxMRU = 0;
};

CWinApp* AfxGetApp();
