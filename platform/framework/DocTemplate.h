#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/base/Types.h"

class CDocument;
class CMDIChildWnd;
class CView;

// The one multiple-document template: makes a document, its document window and its view, and
// keeps the open documents in the order they were opened or created.
class CMultiDocTemplate {
public:
    using DocFactory = std::function<CDocument*()>;
    using FrameFactory = std::function<CMDIChildWnd*()>;
    using ViewFactory = std::function<CView*()>;

    CMultiDocTemplate(UINT id, DocFactory doc, FrameFactory frame, ViewFactory view);
    ~CMultiDocTemplate();

    UINT GetResourceID() const { return m_nID; }
    const std::vector<CDocument*>& GetDocuments() const { return m_documents; }
    // Opens path as a new document, or makes a new empty one when path is empty. A file that
    // is open already is not opened again: its document's window is activated and returned.
    // Returns null when the document could not be opened; nothing of it remains then.
    CDocument* OpenDocumentFile(const std::string& path, bool bMakeVisible = true);
    // The document open under path (or under another name of the same file), its window
    // brought to the front; null when there is none.
    CDocument* ActivateIfOpen(const std::string& path) const;
    void RemoveDocument(CDocument* pDoc);
    // Closes every document (after asking to save); false when the user cancelled.
    bool SaveAllModified();
    void CloseAllDocuments();

    // The title the framework gives a document without a path: numbered so that two of them
    // (and their save prompts) can be told apart.
    static const char* UntitledTitle() { return "無題"; }
    std::string NextUntitledTitle();

private:
    bool CreateFrame(CDocument* pDoc);

    UINT m_nID;
    DocFactory m_docFactory;
    FrameFactory m_frameFactory;
    ViewFactory m_viewFactory;
    std::vector<CDocument*> m_documents;
    int m_nUntitledCount = 0;
};
