#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>

// Where a document's bytes live. CBinData reads and changes its bytes only through this, so a
// store that keeps them another way comes in without its callers changing. A call here is
// virtual: callers take spans, never one byte a call. Positions run from 0 to Length() - 1.
class CByteStore {
public:
    virtual ~CByteStore() = default;

    virtual int Length() const = 0;
    // n contiguous bytes from pos, n no more than SpanLimit(); valid until the next call on the
    // store. Bytes that come from a file may throw CFileException.
    virtual const uint8_t* Read(int pos, int n) = 0;
    virtual int SpanLimit() const = 0;
    // Copies n bytes from pos into out, whatever n is.
    virtual void Copy(int pos, int n, uint8_t* out) {
        for (int done = 0; done < n;) {
            int span = std::min(n - done, SpanLimit());
            std::memcpy(out + done, Read(pos + done, span), static_cast<size_t>(span));
            done += span;
        }
    }
    // Whether any of count bytes from first can no longer be read as they were loaded (the file
    // under the store became shorter).
    virtual bool BytesGone(int first, int count) = 0;

    // A store that is not editable takes none of the changes below; callers ask first, since
    // they record the undo step before they change anything.
    virtual bool IsEditable() const = 0;
    virtual void Insert(int pos, const uint8_t* bytes, int n) = 0;
    virtual void Remove(int pos, int n) = 0;
    // The oldCount bytes at pos give way to newCount new ones.
    virtual void Replace(int pos, int oldCount, const uint8_t* bytes, int newCount) = 0;
};
