#include "view/DumpWriter.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "engine/BinData.h"
#include "engine/KolvaDoc.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/FileException.h"
#include "platform/framework/SystemServices.h"
#include "res/Resource.h"
#include "view/KolvaView.h"

namespace {
constexpr int kBytesPerRow = CRowLayout::kBytesPerRow;
const char kTooLarge[] = "DUMPするデータがサイズ上限を超えています。";
const char kLineEnd[] = "\r\n";
constexpr size_t kLineEndLength = 2;
// Rows are gathered into blocks of about this size so that a dump costs few system calls.
constexpr size_t kBlockBytes = 64 * 1024;
} // namespace

CDumpWriter::CDumpWriter(CKolvaView& view) : CViewCommandSet(view) {
    OnCommand(ID_FILE_DUMP, [this] { DumpToFile(); });
}

bool CDumpWriter::RowRange(CBinData& data, int& first, int& end) const {
    const int length = data.GetDataLength();
    int low = 0, high = length - 1;
    if (data.m_bRegistered) {
        // Edits since the range was registered may have taken some or all of its bytes: only
        // the part within the data counts, and a range with none left limits nothing.
        int start = std::max(data.m_nRegStart, 0), stop = std::min(data.m_nRegEnd, high);
        if (start <= stop) {
            low = start;
            high = stop;
        }
    }
    first = low / kBytesPerRow;
    end = high >= low ? high / kBytesPerRow + 1 : first;
    return end > first;
}

void CDumpWriter::DumpToFile() {
    CKolvaDoc* doc = Document();
    CBinData* data = Data();
    if (!doc || !data || doc->GetPathName().empty()) return;
    int first = 0, end = 0;
    RowRange(*data, first, end);
    if (end - first > kMaxRows) {
        AfxMessageBox(kTooLarge, MB_OK | MB_ICONSTOP);
        return;
    }
    std::string path = DumpPath(doc->GetPathName());
    CAtomicFile file;
    CFileException error;
    // The old dump stays until the whole new one is on disk. The name is not the user's choice:
    // a link found there is replaced, never written through.
    if (!file.Open(path, &error, false) || !WriteRows(file, *data, first, end, &error) ||
        !file.Commit(&error))
        doc->ReportSaveLoadException(path, &error, true);
}

bool CDumpWriter::WriteRows(CAtomicFile& file, CBinData& data, int first, int end,
                            CFileException* pError) const {
    const size_t width = static_cast<size_t>(View().GetLastColumn());
    std::string block;
    block.reserve(kBlockBytes + width + kLineEndLength);
    for (int row = first; row < end; ++row) {
        const char* text = data.FormatRowText(row, View().m_nJCode);
        size_t n = std::min(std::strlen(text), width);
        block.append(text, n);
        // A row without its character area still fills the row's width.
        block.append(width - n, ' ');
        block.append(kLineEnd, kLineEndLength);
        if (block.size() >= kBlockBytes) {
            if (!file.Write(block.data(), block.size(), pError)) return false;
            block.clear();
        }
    }
    return block.empty() || file.Write(block.data(), block.size(), pError);
}
