#include "engine/BinData.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#include "engine/DocumentHost.h"
#include "engine/FileWindowStore.h"
#include "engine/MemoryStore.h"
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

CBinData::CBinData(int nMaxOnMemoryMB)
    : m_nMaxOnMemory(MegabytesToBytes(nMaxOnMemoryMB)),
      m_pStore(std::make_unique<CMemoryStore>(*this)) {
    UpdateLayout();
}

CBinData::~CBinData() = default;

void CBinData::UpdateLayout() {
    m_layout = CRowLayout(m_bShowAddress ? m_nAddrDigits + kAddressGap : 0);
}

int CBinData::LoadFile(const std::string& path, CFileException* pError) {
    ResetForLoad();
    if (!OpenAndMeasure(path, pError)) return 1;
    CFileStatus status;
    if (CFile::GetStatus(path, status) && status.m_bReadOnly) m_nAllowedMode = kModeView;
    bool loaded = m_nFileLength > m_nMaxOnMemory ? LoadOffMemory(kTooLargeMessage, pError)
                                                 : LoadOnMemory(pError);
    if (!loaded) {
        ResetForLoad();
        return 1;
    }
    UpdateLayout();
    return 0;
}

void CBinData::ResetForLoad() {
    m_pStore = std::make_unique<CMemoryStore>(*this);
    m_bOffMemory = false;
    RemoveAll();
    m_file.Close();
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
    return true;
}

bool CBinData::LoadOnMemory(CFileException* pError) {
    auto store = std::make_unique<CMemoryStore>(*this);
    if (!store->Reserve(m_nFileLength)) return LoadOffMemory(kNoMemoryMessage, pError);
    bool ok = store->Load(m_file, m_nMaxOnMemory, pError);
    m_file.Close();
    m_nFileLength = store->Length();
    m_pStore = std::move(store);
    return ok;
}

bool CBinData::LoadOffMemory(const char* message, CFileException* pError) {
    m_bOffMemory = true;
    m_nAllowedMode = kModeView;
    CDocumentHost::Report(message, MB_ICONEXCLAMATION | MB_OK);
    m_pStore = std::make_unique<CFileWindowStore>(*this, m_file, m_nFileLength);
    try {
        if (m_nFileLength > 0) EnsureWindow(0, 1);
    } catch (const CFileException& e) {
        if (pError) *pError = e;
        return false;
    }
    return true;
}

int CBinData::SaveFile(const std::string& path, CFileException* pError, CAtomicFile* pFile) {
    // A store that takes no edits is the file itself.
    if (m_nAllowedMode == kModeView || !m_pStore->IsEditable()) return 1;
    CAtomicFile plain;
    CAtomicFile& file = pFile ? *pFile : plain;
    if (!file.Open(path, pError)) return 1;
    if (!WriteBytes(file, pError) || !file.Commit(pError)) return 1;
    return 0;
}

bool CBinData::WriteBytes(CAtomicFile& file, CFileException* pError) {
    int length = GetDataLength();
    for (int pos = 0; pos < length;) {
        int span = std::min(length - pos, m_pStore->SpanLimit());
        if (!file.Write(m_pStore->Read(pos, span), size_t(span), pError)) return false;
        pos += span;
    }
    return true;
}

uint8_t CBinData::GetByte(int pos) {
    if (pos < 0 || pos >= GetDataLength()) return 0; // the append position holds no byte
    return ByteAt(pos);
}
