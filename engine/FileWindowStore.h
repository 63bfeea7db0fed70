#pragma once
#include <cstdint>

#include "engine/ByteStore.h"

class CByteArray;
class CFile;

// The data seen through a window into the file on disk: the document's byte array holds one
// window of the file, centred on what is read, and the file stays open. It takes no edits. The
// file's length is looked at before every use of the window: bytes that a file cut short
// underneath no longer has are reported once (CFileException) and read as zeros after, never
// as the bytes of an earlier window.
class CFileWindowStore : public CByteStore {
public:
    // The window array and the open file outlive the store; length is the file's when loaded.
    CFileWindowStore(CByteArray& window, CFile& file, int length);

    // Makes bytes pos to pos + n - 1 present in the window; n is at most the window size.
    // Throws CFileException when the file cannot be read or has become shorter.
    void EnsureWindow(int pos, int n);

    int Length() const override { return m_nFileLength; }
    const uint8_t* Read(int pos, int n) override;
    int SpanLimit() const override { return m_nWindowSize; }
    bool BytesGone(int first, int count) override;
    bool IsEditable() const override { return false; }
    void Insert(int, const uint8_t*, int) override {}
    void Remove(int, int) override {}
    void Replace(int, int, const uint8_t*, int) override {}

    const int32_t m_nFileLength;
    int32_t m_nWindowStart = -1; // file offset of the window's first byte
    int32_t m_nWindowEnd = -1;   // and of its last, inclusive
    const int32_t m_nWindowSize = 0x100000;

private:
    // The window is read again when the file's length changed since it was read.
    void CheckDiskLength();

    CByteArray& m_window;
    CFile& m_file;
    int64_t m_nDiskLength; // the file's length on disk when last looked at
    // The file became shorter than when it was opened: that is said once.
    bool m_bFileShortened = false;
};
