#pragma once

class CKolvaDoc;

// What a document needs from the program around it: the settings it reads and the windows it
// tells about its closing and its new label.
class CDocumentHost {
public:
    virtual ~CDocumentHost() = default;
    virtual int InitialMode() = 0;
    virtual int BackupSetting() = 0;
    virtual int MaxOnMemoryMB() = 0;
    // Before the document's windows close.
    virtual void OnDocumentClosing(CKolvaDoc* pDoc) = 0;
    // The document's label changed (Save As): its file-name button shows the new one.
    virtual void OnLabelChanged(CKolvaDoc* pDoc) = 0;
};
