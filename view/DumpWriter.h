#pragma once
#include <string>

#include "view/ViewCommandSet.h"

class CAtomicFile;
class CBinData;
class CFileException;
class CKolvaView;

// Writes the view's rows as text to "<path>.dmp" beside the document: the registered range's
// rows, or all rows, each as many characters as the screen row has columns, then CR LF.
class CDumpWriter : public CViewCommandSet {
public:
    static constexpr int kMaxRows = 4096;

    explicit CDumpWriter(CKolvaView& view);
    static void Install(CKolvaView& view);

    void DumpToFile();
    static std::string DumpPath(const std::string& documentPath) { return documentPath + ".dmp"; }

private:
    // The rows to dump, [first, end): those of the registered range's bytes within the data, or
    // all rows; false when there are none.
    bool RowRange(CBinData& data, int& first, int& end) const;
    bool WriteRows(CAtomicFile& file, CBinData& data, int first, int end,
                   CFileException* pError) const;

    CKolvaView& m_view;
};
