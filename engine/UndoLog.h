#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class CBinData;

// A change record as decoded from a log.
struct CUndoRecord {
    uint8_t m_nKind = 0;
    int32_t m_nPos = 0;
    int32_t m_nSaved = 0;   // bytes saved in the record
    int32_t m_nPresent = 0; // bytes now at the position that the record will remove
    std::vector<uint8_t> m_saved;
};

// A stack of compact change records (one for undo, one for redo) over the bytes of a CBinData.
// A record is a kind byte, then a position, counts and saved bytes as the kind says; integers
// are little-endian.
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

    explicit CUndoLog(CBinData* pData);

    // kOverwrittenByte (merged with one for the same position on top) or kInsertedByte.
    void RecordByte(uint8_t kind, int pos);
    // kRemovedRange, kInsertedRange or kReplacedRange; the saved bytes are read from the data.
    void RecordRange(uint8_t kind, int pos, int first, int second);
    // Records and performs the removal of count bytes at pos.
    void RemoveRange(int pos, int count);
    // Records and performs replacing oldCount bytes at pos by newCount new bytes.
    void ReplaceRange(int pos, int oldCount, int newCount, const uint8_t* newBytes);
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
    CBinData* m_pData;
    std::vector<uint32_t> m_index;
};
