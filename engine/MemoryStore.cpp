#include "engine/MemoryStore.h"

#include <cerrno>
#include <new>
#include <vector>

#include "platform/base/File.h"

namespace {
// Spare room kept when the array grows, so that a few inserts after loading do not copy it all.
constexpr int kGrowBy = 4096;
constexpr size_t kPastLengthChunk = 65536;
} // namespace

bool CMemoryStore::Reserve(int length) {
    try {
        m_bytes.SetSize(0, kGrowBy);
        m_bytes.AppendUninitialized(length);
        return true;
    } catch (const std::bad_alloc&) {
        m_bytes.RemoveAll();
        return false;
    }
}

bool CMemoryStore::Load(CFile& file, int limit, CFileException* pError) {
    try {
        int n = m_bytes.GetSize();
        unsigned got = n > 0 ? file.Read(m_bytes.GetData(), static_cast<unsigned>(n)) : 0;
        if (got < static_cast<unsigned>(n)) {
            // Cut short by another program only when its size went down too; a file that still
            // claims the size it had (a /sys attribute, say) is simply this long.
            if (file.GetLength() < n)
                throw CFileException(CFileException::fileChanged, 0, file.GetFilePath());
            m_bytes.SetSize(static_cast<int>(got));
        }
        ReadPastStatedLength(file, limit);
        return true;
    } catch (const CFileException& e) {
        if (pError) *pError = e;
    } catch (const std::bad_alloc&) {
        if (pError)
            *pError = CFileException(CFileException::sizeUnknown, ENOMEM, file.GetFilePath());
    }
    m_bytes.RemoveAll();
    return false;
}

void CMemoryStore::ReadPastStatedLength(CFile& file, int limit) {
    // Into a buffer of its own first: an ordinary file ends here, and the array stays as sized.
    std::vector<uint8_t> chunk(kPastLengthChunk);
    while (unsigned got = file.Read(chunk.data(), static_cast<unsigned>(chunk.size()))) {
        if (int64_t(m_bytes.GetSize()) + got > limit)
            throw CFileException(CFileException::sizeUnknown, EFBIG, file.GetFilePath());
        m_bytes.InsertAt(m_bytes.GetSize(), chunk.data(), static_cast<int>(got));
    }
}

void CMemoryStore::Replace(int pos, int oldCount, const uint8_t* bytes, int newCount) {
    // In place, so the gap stays where edits left it; a typed byte without a call to memcpy.
    if (oldCount == 1 && newCount == 1) {
        m_bytes.SetAt(pos, *bytes);
        return;
    }
    if (oldCount == newCount) {
        m_bytes.CopyIn(pos, newCount, bytes);
        return;
    }
    m_bytes.RemoveAt(pos, oldCount);
    m_bytes.InsertAt(pos, bytes, newCount);
}
