#include "engine/BinData.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <new>

#include "engine/DocumentHost.h"
#include "platform/base/Afx.h"
#include "platform/base/AtomicFile.h"

int32_t CBinData::s_nSearchAnchor = 0;

namespace {
// Spaces between the address and the hex area.
constexpr int kAddressGap = 2;
const char kTooLargeMessage[] = "ファイルサイズがオンメモリ編集の上限を超えています。\n"
                                "オフメモリでファイルを開きます。\nVIEWモードのみ有効です。";
const char kNoMemoryMessage[] =
    "メモリが足りません。\nオフメモリでファイルを開きます。\nVIEWモードのみ有効です。";

int32_t MegabytesToBytes(int mb) {
    int64_t bytes = int64_t(mb) * 0x100000;
    return static_cast<int32_t>(std::clamp<int64_t>(bytes, INT32_MIN, INT32_MAX));
}
} // namespace

CBinData::CBinData(int nMaxOnMemoryMB) : m_nMaxOnMemory(MegabytesToBytes(nMaxOnMemoryMB)) {
    UpdateLayout();
}

CBinData::~CBinData() = default;

void CBinData::UpdateLayout() {
    m_layout = CRowLayout(m_bShowAddress ? m_nAddrDigits + kAddressGap : 0);
}

void CBinData::GoOffMemory(const char* message) {
    m_bOffMemory = true;
    m_nAllowedMode = kModeView;
    if (message) CDocumentHost::Report(message, MB_ICONEXCLAMATION | MB_OK);
}

int CBinData::LoadFile(const std::string& path, CFileException* pError) {
    ResetForLoad();
    if (!OpenAndMeasure(path, pError)) return 1;
    CFileStatus status;
    if (CFile::GetStatus(path, status) && status.m_bReadOnly) m_nAllowedMode = kModeView;
    if (m_nFileLength > m_nMaxOnMemory) GoOffMemory(kTooLargeMessage);
    uint8_t* store = m_bOffMemory ? nullptr : ReserveStore();
    if (!(m_bOffMemory ? StartOffMemory(pError) : LoadIntoStore(store, pError))) return 1;
    UpdateLayout();
    return 0;
}

void CBinData::ResetForLoad() {
    RemoveAll();
    m_file.Close();
    m_bOffMemory = false;
    m_nWindowStart = m_nWindowEnd = -1;
    m_undo.RemoveAll();
    m_redo.RemoveAll();
    m_nSavePoint = 0;
}

bool CBinData::OpenAndMeasure(const std::string& path, CFileException* pError) {
    if (!m_file.Open(path, CFile::modeRead | CFile::shareExclusive | CFile::typeBinary, pError))
        return false;
    int64_t length;
    try {
        length = m_file.GetLength();
    } catch (const CFileException& e) {
        if (pError) *pError = e;
        m_file.Close();
        return false;
    }
    // Positions are 32-bit, and so is the caret limit, which is one past the length.
    if (length >= INT32_MAX) {
        if (pError) *pError = CFileException(CFileException::fileTooLarge, EFBIG, path);
        m_file.Close();
        return false;
    }
    m_nFileLength = static_cast<int32_t>(length);
    m_nDiskLength = length;
    return true;
}

uint8_t* CBinData::ReserveStore() {
    try {
        SetSize(0, 4096);
        return AppendUninitialized(m_nFileLength);
    } catch (const std::bad_alloc&) {
        GoOffMemory(kNoMemoryMessage);
        return nullptr;
    }
}

bool CBinData::LoadIntoStore(uint8_t* store, CFileException* pError) {
    bool ok = ReadWhole(store, pError);
    m_file.Close();
    if (!ok) RemoveAll();
    return ok;
}

bool CBinData::StartOffMemory(CFileException* pError) {
    m_nAllowedMode = kModeView;
    try {
        if (m_nFileLength > 0) EnsureWindow(0, 1);
    } catch (const CFileException& e) {
        if (pError) *pError = e;
        m_file.Close();
        RemoveAll();
        m_bOffMemory = false;
        return false;
    }
    return true;
}

bool CBinData::ReadWhole(uint8_t* store, CFileException* pError) {
    try {
        int n = GetSize();
        unsigned got = n > 0 ? m_file.Read(store, static_cast<unsigned>(n)) : 0;
        if (got < static_cast<unsigned>(n)) {
            // Cut short by another program only when its size went down too; a file that still
            // claims the size it had (a /sys attribute, say) is simply this long.
            if (m_file.GetLength() < n)
                throw CFileException(CFileException::fileChanged, 0, m_file.GetFilePath());
            SetSize(static_cast<int>(got));
        }
        ReadPastStatedLength();
    } catch (const CFileException& e) {
        if (pError) *pError = e;
        return false;
    } catch (const std::bad_alloc&) {
        if (pError)
            *pError = CFileException(CFileException::sizeUnknown, ENOMEM, m_file.GetFilePath());
        return false;
    }
    m_nFileLength = GetSize();
    return true;
}

void CBinData::ReadPastStatedLength() {
    // Into a buffer of its own first: an ordinary file ends here, and its store stays as sized.
    std::vector<uint8_t> chunk(65536);
    while (unsigned got = m_file.Read(chunk.data(), static_cast<unsigned>(chunk.size()))) {
        if (int64_t(GetSize()) + got > m_nMaxOnMemory)
            throw CFileException(CFileException::sizeUnknown, EFBIG, m_file.GetFilePath());
        InsertAt(GetSize(), chunk.data(), static_cast<int>(got));
    }
}

int CBinData::SaveFile(const std::string& path, CFileException* pError, CAtomicFile* pFile) {
    if (m_nAllowedMode == kModeView || m_bOffMemory) return 1;
    CAtomicFile plain;
    CAtomicFile& file = pFile ? *pFile : plain;
    int n = GetSize();
    if (!file.Open(path, pError)) return 1;
    if ((n > 0 && !file.Write(GetData(), size_t(n), pError)) || !file.Commit(pError)) return 1;
    return 0;
}

void CBinData::CheckDiskLength() {
    int64_t now = m_file.GetLength();
    if (now == m_nDiskLength) return;
    m_nDiskLength = now;
    m_nWindowStart = m_nWindowEnd = -1;
}

bool CBinData::BytesGone(int first, int count) {
    if (!m_bOffMemory) return false;
    try {
        CheckDiskLength();
    } catch (const CFileException&) {
        return true;
    }
    if (int64_t(first) + count <= m_nDiskLength) return false;
    m_bFileShortened = true; // the caller says so
    return true;
}

void CBinData::EnsureWindow(int pos, int n) {
    if (!m_bOffMemory) return;
    // The length first: a file cut short underneath must not go on showing what it had.
    CheckDiskLength();
    if (pos >= m_nWindowStart && pos + n - 1 <= m_nWindowEnd) return;
    // A file shorter than a window is held whole.
    int size = std::min(m_nWindowSize, m_nFileLength);
    int start = std::max(pos - m_nWindowSize / 2, 0);
    start = std::min(start, m_nFileLength - size);
    if (pos + n > start + size) start = std::min(pos, m_nFileLength - size);
    m_nWindowStart = m_nWindowEnd = -1;
    if (GetSize() != size) SetSize(size, 4096);
    unsigned got = m_file.ReadAt(start, GetData(), static_cast<unsigned>(size));
    bool shortened = got < static_cast<unsigned>(size);
    if (shortened) std::memset(GetData() + got, 0, static_cast<size_t>(size) - got);
    m_nWindowStart = start;
    m_nWindowEnd = start + size - 1;
    if (shortened && !m_bFileShortened) {
        m_bFileShortened = true;
        throw CFileException(CFileException::fileChanged, 0, m_file.GetFilePath());
    }
}

const uint8_t* CBinData::GetBytes(int pos, int n) {
    if (!m_bOffMemory) return GetRange(pos, n);
    EnsureWindow(pos, n);
    return GetRange(pos - m_nWindowStart, n);
}

uint8_t CBinData::GetByte(int pos) {
    if (pos < 0 || pos >= GetDataLength()) return 0; // the append position holds no byte
    if (!m_bOffMemory) return GetAt(pos);
    EnsureWindow(pos, 1);
    return GetAt(pos - m_nWindowStart);
}
