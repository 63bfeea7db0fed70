#pragma once
#include <climits>

#include "engine/ByteStore.h"
#include "platform/base/ByteArray.h"

class CFile;
class CFileException;

// The whole data in memory, in the document's byte array. The array is a gap buffer: a run of
// edits at one place costs about what appends cost, and a span is read in place.
class CMemoryStore : public CByteStore {
public:
    explicit CMemoryStore(CByteArray& bytes) : m_bytes(bytes) {}

    // Sizes the array for a file of length bytes; false, with the array empty, when memory runs
    // out.
    bool Reserve(int length);
    // Reads the file into the reserved array in one read, then on past the length it stated, up
    // to limit bytes in all. False, with the array empty and the cause in pError, on failure.
    bool Load(CFile& file, int limit, CFileException* pError);

    // Bodies kept here, so that the call through the interface is the only call: typing makes
    // these.
    int Length() const override { return m_bytes.GetSize(); }
    const uint8_t* Read(int pos, int n) override { return m_bytes.GetRange(pos, n); }
    int SpanLimit() const override { return INT_MAX; }
    // Around the gap, which stays where it is.
    void Copy(int pos, int n, uint8_t* out) override { m_bytes.CopyOut(pos, n, out); }
    // Nothing here depends on the file after loading.
    bool BytesGone(int, int) override { return false; }
    bool IsEditable() const override { return true; }
    void Insert(int pos, const uint8_t* bytes, int n) override { m_bytes.InsertAt(pos, bytes, n); }
    void Remove(int pos, int n) override { m_bytes.RemoveAt(pos, n); }
    void Replace(int pos, int oldCount, const uint8_t* bytes, int newCount) override;

private:
    // A file the system gives no true size for (under /proc, say) would otherwise read as empty.
    void ReadPastStatedLength(CFile& file, int limit);

    CByteArray& m_bytes;
};
