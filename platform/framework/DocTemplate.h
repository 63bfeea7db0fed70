#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Types.h"

class CDocument;
class CMDIChildWnd;
class CView;

// The one multiple-document template: makes a document, its document window and its view, and
// keeps the open documents in the order they were opened or created. It owns each document and
// the window it made for it; the window owns its view.
class CMultiDocTemplate {
public:
    using DocFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CMDIChildWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    CMultiDocTemplate(DocFactory doc, FrameFactory frame, ViewFactory view);
    ~CMultiDocTemplate();

    std::vector<CDocument*> GetDocuments() const;
    // Opens path as a new document, or makes a new empty one when path is empty. A file that
    // is open already is not opened again: its document's window is activated and returned.
    // Returns null when the document could not be opened; nothing of it remains then.
    CDocument* OpenDocumentFile(const std::string& path, bool bMakeVisible = true);
    // The document open under path (or under another name of the same file), its window
    // brought to the front; null when there is none.
    CDocument* ActivateIfOpen(const std::string& path) const;
    // Destroys the document and the window made for it, whose window must be gone already.
    void RemoveDocument(CDocument* pDoc);
    // Closes every document (after asking to save); false when the user cancelled.
    bool SaveAllModified();
    void CloseAllDocuments();

    // The title the framework gives a document without a path: numbered so that two of them
    // (and their save prompts) can be told apart.
    static const char* UntitledTitle() { return "無題"; }
    std::string NextUntitledTitle();

private:
    struct COpenDocument {
        std::unique_ptr<CDocument> m_pDoc;
        std::unique_ptr<CMDIChildWnd> m_pFrame; // goes first: its view refers to the document
    };

    // The document's window with its view made; null when either could not be made.
    std::unique_ptr<CMDIChildWnd> CreateFrame(CDocument* pDoc);
    COpenDocument* Find(const CDocument* pDoc);

    DocFactory m_docFactory;
    FrameFactory m_frameFactory;
    ViewFactory m_viewFactory;
    std::vector<COpenDocument> m_open;
    int m_nUntitledCount = 0;
};
