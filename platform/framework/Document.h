#pragma once
#include <string>
#include <vector>

#include "platform/framework/CmdTarget.h"

class CView;
class CMultiDocTemplate;
class CFileException;

// A document of the multiple-document template: path, title, modified flag and views.
class CDocument : public CCmdTarget {
public:
    CDocument();
    ~CDocument() override;

    const std::string& GetPathName() const { return m_strPathName; }
    // The full path name, added to the recent files; the title becomes the file name.
    virtual void SetPathName(const std::string& path, bool bAddToMRU = true);
    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }
    CMultiDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    void SetDocTemplate(CMultiDocTemplate* pTemplate) { m_pDocTemplate = pTemplate; }

    const std::vector<CView*>& GetViews() const { return m_views; }
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, long lHint = 0);

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    // Closes the document's windows and has its template destroy it (and them); nothing of the
    // document may be touched after it.
    virtual void OnCloseDocument();
    // Asks whether to save a modified document; false when the user cancels or saving fails.
    virtual bool SaveModified();
    virtual bool CanCloseFrame() { return SaveModified(); }
    // Saves under path, or asks for a name when path is empty; bReplace takes the new name.
    virtual bool DoSave(const std::string& path, bool bReplace = true);
    bool DoFileSave();
    // The framework's report of a failed load or save (kInvalidFileName when the error names no
    // cause).
    virtual void ReportSaveLoadException(const std::string& path, const CFileException* pError,
                                         bool bSaving);

protected:
    // SetPathName without the title.
    void StorePathName(const std::string& path, bool bAddToMRU);
    // The name without its folders.
    static std::string FileTitleOf(const std::string& path);

private:
    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
    CMultiDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_views;
};
