#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A change record as decoded from a log.
struct CUndoRecord {
    uint8_t m_nKind = 0;
    int32_t m_nPos = 0;
    int32_t m_nSaved = 0;   // bytes saved in the record
    int32_t m_nPresent = 0; // bytes now at the position that the record will remove
    std::vector<uint8_t> m_saved;
};

// A stack of compact change records (one for undo, one for redo). It only keeps records: the
// data they describe applies them and supplies the saved bytes. A record is a kind byte, then a
// position, counts and saved bytes as the kind says; integers are little-endian.
class CUndoLog {
public:
    enum Kind : uint8_t {
        kRemoved = 0x02,
        kInserted = 0x04,
        kReplaced = 0x08,
        kCounted = 0x10,
        kOneByte = 0x20,
        kMarker = 0x40,
        kWide = 0x80,
        kGroupStart = 0x40,
        kGroupEnd = 0x41,
        kRemovedRange = kCounted | kRemoved,
        kInsertedRange = kCounted | kInserted,
        kReplacedRange = kCounted | kReplaced,
        kRemovedByte = kOneByte | kRemoved,
        kInsertedByte = kOneByte | kInserted,
        kOverwrittenByte = kOneByte | kReplaced,
    };

    CUndoLog();

    // kOverwrittenByte (merged with one for the same position on top), kInsertedByte or
    // kRemovedByte; saved is the byte an overwrite or removal takes away.
    void RecordByte(uint8_t kind, int pos, uint8_t saved = 0);
    // kRemovedRange, kInsertedRange or kReplacedRange of first (and second) bytes. For a removal
    // or replacement the result is where the caller copies the first bytes now at pos, before
    // the log changes again; otherwise null.
    uint8_t* RecordRange(uint8_t kind, int pos, int first, int second);
    void PushMarker(uint8_t kind);
    // Decodes and removes the newest record; false when the log is empty.
    bool PopRecord(CUndoRecord& record);

    bool IsEmpty() const { return m_index.empty(); }
    int GetCount() const { return static_cast<int>(m_index.size()); }
    void RemoveAll();
    const std::vector<uint8_t>& GetRecordBytes() const { return m_bytes; }
    const std::vector<uint32_t>& GetIndex() const { return m_index; }

private:
    void Begin(uint8_t kind);
    void PutInt(uint32_t value, int width);
    uint32_t GetInt(size_t& at, int width) const;

    std::vector<uint8_t> m_bytes;
    std::vector<uint32_t> m_index;
};
