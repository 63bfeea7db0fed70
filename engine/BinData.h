#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/ByteStore.h"
#include "engine/EditMode.h"
#include "engine/JCodeTable.h"
#include "engine/MarkList.h"
#include "engine/RowLayout.h"
#include "engine/RowSource.h"
#include "engine/UndoLog.h"
#include "platform/base/ByteArray.h"
#include "platform/base/File.h"

class CAtomicFile;

// The data of one document: its bytes, loaded whole (on-memory) or seen through a window into
// the file on disk (off-memory), with the caret, selection, registered range, marks, undo
// history and the layout by which rows are formatted. The bytes are reached only through the
// store (CByteStore); the byte array this derives from is the memory the store keeps them in:
// the whole data on-memory, one window off-memory.
class CBinData : public CByteArray, public CRowSource {
public:
    static constexpr int kRowBufferSize = 320;
    static constexpr int kCharBufferSize = 64;

    static constexpr int kDefaultMaxOnMemoryMB = 16;

    // nMaxOnMemoryMB: the largest file loaded whole, in megabytes (the setting as stored).
    explicit CBinData(int nMaxOnMemoryMB = kDefaultMaxOnMemoryMB);
    ~CBinData() override;

    // Loading, saving and the window. LoadFile and SaveFile return 0 on success, 1 on failure.
    int LoadFile(const std::string& path, CFileException* pError);
    // SaveFile replaces the file atomically through pFile, which the caller may have told to
    // keep a backup or hard links (and then asks what it did), or through a plain CAtomicFile.
    int SaveFile(const std::string& path, CFileException* pError, CAtomicFile* pFile = nullptr);
    void UpdateLayout();
    // Makes bytes pos to pos + n - 1 present in memory: off-memory it moves the window. Throws
    // CFileException when the file cannot be read or has become shorter than it was.
    void EnsureWindow(int pos, int n) { GetBytes(pos, n); }
    // n consecutive bytes at data position pos, n no more than a window; valid until the next
    // read or edit.
    const uint8_t* GetBytes(int pos, int n) { return m_pStore->Read(pos, n); }
    uint8_t GetByte(int pos);
    // The data's length. GetSize is the byte array's: the bytes held in memory.
    int GetDataLength() const { return m_pStore->Length(); }
    const CByteStore& GetStore() const { return *m_pStore; }

    // CRowSource
    int GetCaretLimit() override { return GetDataLength() + 1; }
    void OverwriteAtCaret(uint8_t b) override;
    void InsertAtCaret(uint8_t b) override;
    uint8_t GetByteAtCaret() override { return GetByte(m_nCaret); }
    void DeleteAtCaret() override;
    int GetBytesPerRow() override { return CRowLayout::kBytesPerRow; }

    // Row formatting. The results live in the row and character buffers until the next call.
    const char* FormatRow(int row);
    const char* FormatCharArea(int row, JCode code);
    const char* FormatRowText(int row, JCode code);
    const char* FormatHeader();
    const std::vector<uint32_t>* GetMarkSpans(int first, int last);
    const std::vector<uint32_t>* GetRangeSpans(int first, int last);
    static uint32_t MakeSpan(int column, int width, int row, int rows) {
        return uint32_t(column & 0xFF) | uint32_t(width & 0xFF) << 8 | uint32_t(row & 0xFF) << 16 |
               uint32_t(rows & 0xFF) << 24;
    }

    // Edits with undo.
    void DeleteSelection();
    void ReplaceSelection(int newCount, const uint8_t* newBytes);
    // Undoes (true) or redoes (false) one step; true when the log was empty or a group ended.
    bool ApplyUndoStep(bool undo);
    // Every new edit starts here: the undone steps go, and with them a saved state among them.
    void ClearRedo();
    // The saved state is the undo depth at the last load or save; undo and redo back to it
    // leave the data as it is on the disk.
    void MarkSaved() { m_nSavePoint = m_undo.GetCount(); }
    bool IsAtSavePoint() const { return m_undo.GetCount() == m_nSavePoint; }
    // A block inserted at pos, or written over the bytes from pos on, as one undo step. An
    // insert whose store cannot grow leaves data and history as they were.
    void InsertBlock(int pos, const uint8_t* bytes, int n);
    void OverwriteBlock(int pos, const uint8_t* bytes, int n);
    // The edits between these are undone and redone as one step.
    void BeginUndoGroup();
    void EndUndoGroup();

    // Search.
    static bool MatchAt(int length, const uint8_t* pattern, const uint8_t* bytes,
                        bool caseSensitive);
    int Find(bool forward, int length, const uint8_t* pattern, bool first, bool caseSensitive,
             bool inRange);
    int ReplaceAll(int length, const uint8_t* pattern, int newLength, const uint8_t* newBytes,
                   bool caseSensitive, bool inRange);
    // Whether the selection is a match that a search with these options could have found.
    bool SelectionMatches(int length, const uint8_t* pattern, bool caseSensitive, bool inRange);
    // Replaces the selected match (see SelectionMatches) and searches on as the current sequence
    // of searches, by the rules that keep ReplaceAll finite; the position found, or -1.
    int ReplaceMatch(int length, const uint8_t* pattern, int newLength, const uint8_t* newBytes,
                     bool caseSensitive, bool inRange);

    // Clipboard; each returns true when it put nothing on the clipboard.
    bool CopyToClipboard();
    bool CopyAsEscapedText();
    bool CopyAsText();

    // The position where the current sequence of searches began, shared by all documents.
    static int32_t s_nSearchAnchor;

    char m_szRow[kRowBufferSize] = {};
    char m_szChars[kCharBufferSize] = {};
    std::vector<uint32_t> m_spans;
    int32_t m_nMaxOnMemory;
    int32_t m_nAddrDigits = 9;
    CRowLayout m_layout;
    CUndoLog m_undo;
    CUndoLog m_redo;
    int32_t m_nAllowedMode = kModeInsert;
    bool m_bOffMemory = false; // the bytes are seen through the window (CFileWindowStore)
    CFile m_file;              // open only while off-memory
    int32_t m_nFileLength = 0; // the file's length when last loaded
    bool m_bShowAddress = true;
    bool m_bShowChars = true;
    CMarkList m_marks;
    int32_t m_nSavePoint = 0; // -1 once no undo or redo can return to the saved state

private:
    // Steps of LoadFile: forget the old file, open and size the new one, then read it whole or
    // show it through the window (with the message why).
    void ResetForLoad();
    bool OpenAndMeasure(const std::string& path, CFileException* pError);
    bool LoadOnMemory(CFileException* pError); // goes off-memory when memory runs out
    bool LoadOffMemory(const char* message, CFileException* pError);
    // False when the store takes no edits; otherwise the redo log goes (ClearRedo).
    bool StartEdit();
    bool WriteBytes(CAtomicFile& file, CFileException* pError);
    uint8_t ByteAt(int pos) { return *m_pStore->Read(pos, 1); }
    // The selection starts on a caret position that still exists.
    bool SelectionIsLive() const;
    int SelectionLength() const { return m_nSelEnd - m_nSelStart + 1; }
    // The selection clipped to the bytes that exist; false when none of it does.
    bool ClippedSelection(int& first, int& count);
    // Record in log, then perform.
    void RemoveLogged(CUndoLog& log, int pos, int count);
    void ReplaceLogged(CUndoLog& log, int pos, int oldCount, int newCount, const uint8_t* newBytes);
    void ApplyInsertedRecord(CUndoLog& target, const CUndoRecord& record);
    void ApplyRemovedRecord(CUndoLog& target, const CUndoRecord& record);
    void ApplyReplacedRecord(CUndoLog& target, const CUndoRecord& record);
    void PlaceCaretIfValid(int64_t pos);
    int FindForward(int length, const uint8_t* pattern, bool first, bool cs, int low, int high);
    int FindBackward(int length, const uint8_t* pattern, bool first, bool cs, int low, int high);
    int StartsPerSpan(int length) const;
    int ScanForward(int length, const uint8_t* pattern, bool cs, int from, int to);
    int ScanBackward(int length, const uint8_t* pattern, bool cs, int from, int to);
    int SetMatch(int pos, int length);
    // Replaces the selected match and finds the next one of the sequence; high follows the
    // length change and wrapped tells whether the wrap pass is under way.
    int ReplaceAndScan(int length, const uint8_t* pattern, bool cs, int newLength,
                       const uint8_t* newBytes, int low, int& high, bool& wrapped);
    bool GetSearchRange(bool inRange, int& low, int& high) const;
    bool CheckClipboardLimit(int limit);
    // The bytes of row, count of them (0 to 16), in one read.
    const uint8_t* RowBytes(int row, int& count);

    std::unique_ptr<CByteStore> m_pStore;
};
