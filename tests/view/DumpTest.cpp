#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/base/Afx.h"
#include "tests/view/ViewFixture.h"
#include "view/DumpWriter.h"

namespace {
std::string Text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}
size_t Lines(const std::string& text) {
    size_t n = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        n += text[i] == '\r' && text[i + 1] == '\n';
    return n;
}
} // namespace

class DumpTest : public ViewFixture {
protected:
    std::string Dump(CKolvaView* view) {
        view->RunCommand(ID_FILE_DUMP);
        return Text(TempDir::Read(m_dir.Path("f.bin.dmp")));
    }
    bool DumpExists() { return access(m_dir.Path("f.bin.dmp").c_str(), F_OK) == 0; }
    void Register(CKolvaView* view, int start, int end) {
        Data(view).m_nRegStart = start;
        Data(view).m_nRegEnd = end;
        Data(view).m_bRegistered = true;
    }
    void Delete(CKolvaView* view, int start, int end) {
        Data(view).m_nSelStart = start;
        Data(view).m_nSelEnd = end;
        Data(view).m_bSelection = true;
        Data(view).DeleteSelection();
    }
};

TEST_F(DumpTest, OneByteFileDumpsItsScreenRowWithCrLf) {
    CKolvaView* view = Open(Str("A"));
    std::string dump = Dump(view);
    ASSERT_EQ(view->GetLastColumn(), 78);
    EXPECT_EQ(dump, "0000:0000  41" + std::string(49, ' ') + "A" + std::string(15, ' ') + "\r\n");
}

TEST_F(DumpTest, RangeInsideOneRowDumpsTheWholeRow) {
    CKolvaView* view = Open(Sequence(64));
    Register(view, 0x12, 0x15);
    std::string dump = Dump(view);
    ASSERT_EQ(Lines(dump), 1u);
    EXPECT_EQ(dump.substr(0, 14), "0000:0010  10 ");
    EXPECT_EQ(dump.size(), size_t(view->GetLastColumn()) + 2);
}

TEST_F(DumpTest, AtMostFourThousandRowsAreDumped) {
    CKolvaView* view = Open(Bytes(65536, 'x'));
    EXPECT_EQ(Lines(Dump(view)), 4096u);
    EXPECT_TRUE(m_backend.m_messages.empty());

    std::remove(m_dir.Path("f.bin.dmp").c_str());
    Data(view).InsertAt(0, uint8_t('y'));
    view->RunCommand(ID_FILE_DUMP);
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, "DUMPするデータがサイズ上限を超えています。");
    EXPECT_EQ(m_backend.m_messages[0].m_nType & MB_ICONSTOP, unsigned(MB_ICONSTOP));
    EXPECT_FALSE(DumpExists());
}

TEST_F(DumpTest, RegisteredRangeCountsAgainstTheLimit) {
    CKolvaView* view = Open(Bytes(5000 * 16, 'x'));
    Register(view, 16 * 100 + 3, 16 * 4195 + 15);
    EXPECT_EQ(Lines(Dump(view)), 4096u);
    Register(view, 16 * 100, 16 * 4196);
    std::remove(m_dir.Path("f.bin.dmp").c_str());
    view->RunCommand(ID_FILE_DUMP);
    EXPECT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_FALSE(DumpExists());
}

TEST_F(DumpTest, RangeIsCutToTheDataBeforeItIsCounted) {
    CKolvaView* view = Open(Bytes(5000 * 16, 'x'));
    Register(view, 16, 16 * 4200);
    // Deleting all but 64 rows leaves 63 rows of the range within the data.
    Delete(view, 64 * 16, 5000 * 16 - 1);
    std::string dump = Dump(view);
    EXPECT_TRUE(m_backend.m_messages.empty());
    ASSERT_EQ(Lines(dump), 63u);
    EXPECT_EQ(dump.substr(0, 9), "0000:0010");
    EXPECT_EQ(dump.substr(dump.size() - 80, 9), "0000:03F0");

    // A range the deletions left no byte of no longer limits the dump.
    Register(view, 70 * 16, 80 * 16);
    EXPECT_EQ(Lines(Dump(view)), 64u);
}

TEST_F(DumpTest, ShiftJisCharactersAreWrittenAsShown) {
    CKolvaView* view = Open(Bytes{0x88, 0x9F, 0x41});
    std::string dump = Dump(view);
    EXPECT_EQ(dump.substr(62, 3), "\x88\x9F"
                                  "A")
        << dump;
}

TEST_F(DumpTest, RowsFollowTheViewsCodeAndShownAreas) {
    // A, then あ in UTF-16 and U+41C1, which code page 932 lacks.
    CKolvaView* view = Open(Bytes{0x41, 0x00, 0x42, 0x30, 0xC1, 0x41});
    const std::string hex = "41 00 42 30 C1 41" + std::string(32, ' ');
    view->RunCommand(ID_JCODE_UNICODE);
    EXPECT_EQ(Dump(view), "0000:0000  " + hex + "  A \x82\xA0? " + std::string(10, ' ') + "\r\n");
    view->RunCommand(ID_JCODE_ASCII);
    EXPECT_EQ(Dump(view), "0000:0000  " + hex + "  A.B0.A" + std::string(10, ' ') + "\r\n");
    Data(view).m_bShowAddress = false;
    Data(view).UpdateLayout();
    EXPECT_EQ(Dump(view), hex + "  A.B0.A" + std::string(10, ' ') + "\r\n");
    // The hidden character area keeps its columns, in spaces.
    Data(view).m_bShowChars = false;
    Data(view).UpdateLayout();
    EXPECT_EQ(Dump(view), hex + std::string(2 + 16, ' ') + "\r\n");
}

TEST_F(DumpTest, AnOldDumpIsReplacedWhole) {
    m_dir.Write("f.bin.dmp", Bytes(10000, 'z'));
    CKolvaView* view = Open(Str("A"));
    EXPECT_EQ(Dump(view).size(), size_t(view->GetLastColumn()) + 2);
}

#ifndef _WIN32 // symbolic links are the POSIX way; Windows needs privileges for them
TEST_F(DumpTest, ALinkAtTheDumpNameIsReplacedNeverWrittenThrough) {
    std::string victim = m_dir.Write("victim.bin", Str("precious"));
    ASSERT_EQ(symlink(victim.c_str(), m_dir.Path("f.bin.dmp").c_str()), 0);
    CKolvaView* view = Open(Str("A"));
    EXPECT_EQ(Dump(view).size(), size_t(view->GetLastColumn()) + 2);
    EXPECT_EQ(TempDir::Read(victim), Str("precious"));
    struct stat st {};
    ASSERT_EQ(lstat(m_dir.Path("f.bin.dmp").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_TRUE(m_backend.m_messages.empty());
}
#endif

TEST_F(DumpTest, AnUnwritableDumpIsReportedAndNothingChanges) {
    CKolvaView* view = Open(Str("A"));
    std::filesystem::create_directory(std::filesystem::u8path(m_dir.Path("f.bin.dmp")));
    view->RunCommand(ID_FILE_DUMP);
    EXPECT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::u8path(m_dir.Path("f.bin.dmp"))));
}

TEST_F(DumpTest, EnabledForDataWithAPathName) {
    CKolvaView* file = Open(Str("A"));
    Activate(file);
    EXPECT_TRUE(Enabled(ID_FILE_DUMP));
    CKolvaView* untitled = Open(Str(""), 30, "new");
    Activate(untitled);
    EXPECT_FALSE(Enabled(ID_FILE_DUMP));
}
