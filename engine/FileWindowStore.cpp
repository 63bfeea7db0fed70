#include "engine/FileWindowStore.h"

#include <algorithm>
#include <cstring>

#include "platform/base/ByteArray.h"
#include "platform/base/File.h"

CFileWindowStore::CFileWindowStore(CByteArray& window, CFile& file, int length)
    : m_nFileLength(length), m_window(window), m_file(file), m_nDiskLength(length) {}

void CFileWindowStore::CheckDiskLength() {
    int64_t now = m_file.GetLength();
    if (now == m_nDiskLength) return;
    m_nDiskLength = now;
    m_nWindowStart = m_nWindowEnd = -1;
}

bool CFileWindowStore::BytesGone(int first, int count) {
    try {
        CheckDiskLength();
    } catch (const CFileException&) {
        return true;
    }
    if (int64_t(first) + count <= m_nDiskLength) return false;
    m_bFileShortened = true; // the caller says so
    return true;
}

void CFileWindowStore::EnsureWindow(int pos, int n) {
    // The length first: a file cut short underneath must not go on showing what it had.
    CheckDiskLength();
    if (pos >= m_nWindowStart && pos + n - 1 <= m_nWindowEnd) return;
    // A file shorter than a window is held whole.
    int size = std::min(m_nWindowSize, m_nFileLength);
    int start = std::max(pos - m_nWindowSize / 2, 0);
    start = std::min(start, m_nFileLength - size);
    if (pos + n > start + size) start = std::min(pos, m_nFileLength - size);
    m_nWindowStart = m_nWindowEnd = -1;
    if (m_window.GetSize() != size) m_window.SetSize(size);
    uint8_t* bytes = m_window.GetData();
    unsigned got = m_file.ReadAt(start, bytes, static_cast<unsigned>(size));
    bool shortened = got < static_cast<unsigned>(size);
    if (shortened) std::memset(bytes + got, 0, static_cast<size_t>(size) - got);
    m_nWindowStart = start;
    m_nWindowEnd = start + size - 1;
    if (shortened && !m_bFileShortened) {
        m_bFileShortened = true;
        throw CFileException(CFileException::fileChanged, 0, m_file.GetFilePath());
    }
}

const uint8_t* CFileWindowStore::Read(int pos, int n) {
    EnsureWindow(pos, n);
    return m_window.GetRange(pos - m_nWindowStart, n);
}
