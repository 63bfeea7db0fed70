#pragma once
#include <string>

class CKolvaDoc;

// What the documents and their data need from the program around them: the settings they read,
// the messages they show, and the windows they tell about a closing and a new label. The shell
// installs one at start-up.
class CDocumentHost {
public:
    virtual ~CDocumentHost() = default;
    virtual int InitialMode() = 0;
    virtual int BackupSetting() = 0;
    virtual int MaxOnMemoryMB() = 0;
    // A message box (MB_ buttons and icon); the answer (IDOK, IDYES...).
    virtual int ShowMessage(const std::string& text, unsigned type) = 0;
    // Before the document's windows close.
    virtual void OnDocumentClosing(CKolvaDoc* pDoc) = 0;
    // The document's label changed (Save As): its file-name button shows the new one.
    virtual void OnLabelChanged(CKolvaDoc* pDoc) = 0;

    // The installed host (not owned); null until one is installed.
    static void Set(CDocumentHost* pHost);
    static CDocumentHost* Get();
    // ShowMessage of the installed host. Without one nothing is shown and the answer is
    // IDCANCEL, so that no question counts as agreed to.
    static int Report(const std::string& text, unsigned type);
};
