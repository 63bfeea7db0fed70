#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/FileWindowStore.h"
#include "platform/base/Afx.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/StubHost.h"
#include "tests/TestSupport.h"

namespace {
const char kOffMemoryMessage[] = "ファイルサイズがオンメモリ編集の上限を超えています。\n"
                                 "オフメモリでファイルを開きます。\nVIEWモードのみ有効です。";

const CFileWindowStore& Window(const CBinData& data) {
    return dynamic_cast<const CFileWindowStore&>(data.GetStore());
}

class LoadTest : public ::testing::Test {
protected:
    CHeadlessBackend m_backend;
    CStubHost m_host;
    TempDir m_dir;
};
} // namespace

TEST_F(LoadTest, FileOfExactlyTheLimitLoadsWholeAndOneMoreByteDoesNot) {
    std::string exact = m_dir.Write("exact.bin", PositionPattern(1 << 20));
    CBinData whole(1);
    ASSERT_EQ(whole.LoadFile(exact, nullptr), 0);
    EXPECT_FALSE(whole.m_bOffMemory);
    EXPECT_EQ(whole.m_nAllowedMode, 2);
    EXPECT_EQ(whole.GetDataLength(), 1 << 20);
    EXPECT_FALSE(whole.m_file.IsOpen());
    EXPECT_TRUE(m_backend.m_messages.empty());

    std::string over = m_dir.Write("over.bin", PositionPattern((1 << 20) + 1));
    CBinData windowed(1);
    ASSERT_EQ(windowed.LoadFile(over, nullptr), 0);
    EXPECT_TRUE(windowed.m_bOffMemory);
    EXPECT_EQ(windowed.m_nAllowedMode, 0);
    EXPECT_EQ(windowed.GetDataLength(), (1 << 20) + 1);
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText, kOffMemoryMessage);
    EXPECT_EQ(m_backend.m_messages[0].m_nType, MB_ICONEXCLAMATION | MB_OK);
    EXPECT_EQ(Window(windowed).m_nWindowStart, 0);
    EXPECT_EQ(Window(windowed).m_nWindowEnd, 0xFFFFF);
}

TEST_F(LoadTest, EmptyFileHasOneCaretPosition) {
    CBinData data;
    ASSERT_EQ(data.LoadFile(m_dir.Write("empty", {}), nullptr), 0);
    EXPECT_EQ(data.GetDataLength(), 0);
    EXPECT_EQ(data.GetCaretLimit(), 1);
    EXPECT_EQ(data.GetByteAtCaret(), 0);
}

TEST_F(LoadTest, MissingFileFailsWithCause) {
    CBinData data;
    CFileException err;
    EXPECT_EQ(data.LoadFile(m_dir.Path("nothing"), &err), 1);
    EXPECT_EQ(err.m_cause, CFileException::fileNotFound);
}

TEST_F(LoadTest, ReadOnlyFileLoadsForViewingOnlyAndIsNotSaved) {
    std::string path = m_dir.Write("ro.bin", Str("abc"));
    chmod(path.c_str(), 0444);
    CBinData data;
    ASSERT_EQ(data.LoadFile(path, nullptr), 0);
    EXPECT_FALSE(data.m_bOffMemory);
    EXPECT_EQ(data.m_nAllowedMode, 0);
    EXPECT_EQ(data.SaveFile(path, nullptr), 1);
    EXPECT_EQ(TempDir::Read(path), Str("abc"));
}

TEST_F(LoadTest, WindowFollowsReadsAndNeverPassesTheEnd) {
    const int size = 3 << 20;
    Bytes bytes = PositionPattern(size);
    CBinData data(1);
    ASSERT_EQ(data.LoadFile(m_dir.Write("big.bin", bytes), nullptr), 0);
    ASSERT_TRUE(data.m_bOffMemory);
    EXPECT_EQ(data.GetByte(size - 1), bytes[size - 1]);
    EXPECT_EQ(Window(data).m_nWindowStart, size - (1 << 20));
    EXPECT_EQ(Window(data).m_nWindowEnd, size - 1);
    EXPECT_EQ(data.GetByte(100), bytes[100]);
    EXPECT_EQ(Window(data).m_nWindowStart, 0);
    EXPECT_EQ(data.GetByte(1500000), bytes[1500000]);
    EXPECT_EQ(Window(data).m_nWindowStart, 1500000 - 524288);
    // A multi-byte request that straddles the window's end moves it.
    int straddle = Window(data).m_nWindowEnd - 1;
    const uint8_t* p = data.GetBytes(straddle, 8);
    EXPECT_EQ(Window(data).m_nWindowStart, straddle - 524288);
    EXPECT_TRUE(std::equal(p, p + 8, bytes.begin() + straddle));
    for (int pos : {0, 524287, 1048576, size - 16, 2000000, 17})
        ASSERT_EQ(data.GetByte(pos), bytes[static_cast<size_t>(pos)]) << pos;
}

TEST_F(LoadTest, WindowedFileIsHeldExclusivelyAndCannotBeEdited) {
    std::string path = m_dir.Write("big.bin", PositionPattern((1 << 20) + 10));
    CBinData data(1);
    ASSERT_EQ(data.LoadFile(path, nullptr), 0);
    CBinData second(1);
    CFileException err;
    EXPECT_EQ(second.LoadFile(path, &err), 1);
    EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
    uint8_t before = data.GetByte(0);
    data.m_nCaret = 0;
    data.OverwriteAtCaret(static_cast<uint8_t>(before + 1));
    data.InsertAtCaret(1);
    data.DeleteAtCaret();
    const uint8_t block[2] = {1, 2};
    data.InsertBlock(0, block, 2);
    data.OverwriteBlock(0, block, 2);
    EXPECT_EQ(data.GetByte(0), before);
    EXPECT_EQ(data.GetDataLength(), (1 << 20) + 10);
    EXPECT_TRUE(data.m_undo.IsEmpty());
    EXPECT_EQ(data.SaveFile(path, nullptr), 1);
}

TEST_F(LoadTest, FileShorterThanAWindowOffMemoryIsHeldWhole) {
    // A limit of 0 (a corrupt setting) puts every non-empty file off-memory.
    Bytes bytes = PositionPattern(5000);
    CBinData data(0);
    ASSERT_EQ(data.LoadFile(m_dir.Write("small.bin", bytes), nullptr), 0);
    ASSERT_TRUE(data.m_bOffMemory);
    EXPECT_EQ(Window(data).m_nWindowStart, 0);
    EXPECT_EQ(Window(data).m_nWindowEnd, 4999);
    for (int pos : {4999, 0, 2500})
        EXPECT_EQ(data.GetByte(pos), bytes[static_cast<size_t>(pos)]);
    EXPECT_EQ(std::string(data.FormatRow(312)),
              "0000:1380  93 9A A1 A8 AF B6 BD C4 " + std::string(25, ' '));
    EXPECT_EQ(data.GetByte(5000), 0); // the append position holds nothing
}

TEST_F(LoadTest, FileShrunkUnderneathGivesAnErrorNotStaleBytes) {
    std::string path = m_dir.Write("big.bin", PositionPattern(3 << 20));
    CBinData data(1);
    ASSERT_EQ(data.LoadFile(path, nullptr), 0);
#ifdef _WIN32
    // Held with its share mode, the file cannot be shortened by another program at all.
    EXPECT_NE(truncate(path.c_str(), 1 << 20), 0);
    return;
#endif
    ASSERT_EQ(truncate(path.c_str(), 1 << 20), 0);
    try {
        data.GetByte((3 << 20) - 1);
        FAIL() << "a read past the new end succeeded";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileChanged);
        EXPECT_NE(e.GetErrorMessage().find("big.bin"), std::string::npos);
    }
    // Said once; what is gone reads as zeros, never as the bytes of the earlier window.
    EXPECT_EQ(data.GetByte((3 << 20) - 1), 0);
    EXPECT_EQ(data.GetByte((2 << 20) + 7), 0);
    EXPECT_EQ(data.GetByte(10), PositionPattern(11)[10]);
    EXPECT_EQ(data.GetByte((1 << 20) - 1), PositionPattern(1 << 20)[(1 << 20) - 1]);
}

TEST_F(LoadTest, ShrunkInsideTheWindowShowsAndCopiesNothingThatIsGone) {
    std::string path = m_dir.Write("big.bin", PositionPattern(3 << 20));
    CBinData data(1);
    ASSERT_EQ(data.LoadFile(path, nullptr), 0);
    m_backend.m_messages.clear();
    ASSERT_EQ(data.GetByte(700000), PositionPattern(700001)[700000]); // window 0 to 1 MB
#ifdef _WIN32
    // Held with its share mode, the file cannot be shortened by another program at all.
    EXPECT_NE(truncate(path.c_str(), 600000), 0);
    return;
#endif
    ASSERT_EQ(truncate(path.c_str(), 600000), 0);
    EXPECT_THROW(data.GetByte(700000), CFileException); // said once, though still in the window
    EXPECT_EQ(data.GetByte(700000), 0);
    EXPECT_EQ(data.GetByte(599999), PositionPattern(600000)[599999]);
    // A copy reaching past the new end is refused; one before it goes through.
    ASSERT_TRUE(data.SetSelection(599990, 600009));
    EXPECT_TRUE(data.CopyToClipboard());
    EXPECT_TRUE(data.CopyAsText());
    EXPECT_TRUE(m_backend.m_clipboard.Content().m_items.empty());
    ASSERT_EQ(m_backend.m_messages.size(), 2u);
    EXPECT_EQ(m_backend.m_messages[0].m_strText,
              path + " はほかのプログラムによって短くされたため、選択範囲の一部がもうありません。"
                     "コピーしませんでした。");
    ASSERT_TRUE(data.SetSelection(599990, 599999));
    EXPECT_FALSE(data.CopyToClipboard());
    EXPECT_EQ(m_backend.m_messages.size(), 2u);
}

#ifndef _WIN32 // /proc and /sys are Linux
TEST_F(LoadTest, PseudoFilesAreReadToTheirEndWhateverSizeTheyClaim) {
    auto load = [](const std::string& path) {
        CBinData data;
        CFileException err;
        EXPECT_EQ(data.LoadFile(path, &err), 0) << path << ": " << err.GetErrorMessage();
        return Content(data);
    };
    // Under /proc a file claims no size at all.
    Bytes stat = load("/proc/self/stat");
    std::string start = std::to_string(getpid()) + " (";
    ASSERT_GT(stat.size(), start.size());
    EXPECT_EQ(std::string(stat.begin(), stat.begin() + long(start.size())), start);
    // Under /sys one page, whatever it holds.
    for (const char* path :
         {"/sys/devices/system/cpu/online", "/sys/kernel/mm/transparent_hugepage/enabled"}) {
        std::ifstream in(path, std::ios::binary);
        if (!in) continue;
        Bytes expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(load(path), expected) << path;
    }
    EXPECT_TRUE(m_backend.m_messages.empty());
}
#endif

TEST_F(LoadTest, FilesWhoseCaretLimitPassesThirtyOneBitsAreRefused) {
    // 2^31 - 1 bytes would fit a position, but not the caret limit one past the end.
    for (int64_t size : {int64_t(INT32_MAX), int64_t(1) << 31}) {
        std::string path = m_dir.Path("huge" + std::to_string(size) + ".bin");
        std::ofstream(std::filesystem::u8path(path), std::ios::binary).close();
        std::error_code error;
        std::filesystem::resize_file(std::filesystem::u8path(path), uintmax_t(size), error);
        ASSERT_FALSE(error) << error.message(); // sparse: nothing is written
        CBinData data;
        CFileException err;
        EXPECT_EQ(data.LoadFile(path, &err), 1) << size;
        EXPECT_EQ(err.m_cause, CFileException::fileTooLarge) << size;
        EXPECT_EQ(err.GetErrorMessage(), path + " は 2GB - 1 バイト以上あるため開けません。");
        EXPECT_FALSE(data.m_file.IsOpen());
    }
    EXPECT_TRUE(m_backend.m_messages.empty()); // not even the off-memory notice
}

TEST_F(LoadTest, SaveWritesAllBytesAndFailureKeepsTheOldFile) {
    std::string path = m_dir.Write("a.bin", Str("original"));
    CBinData data;
    ASSERT_EQ(data.LoadFile(path, nullptr), 0);
    data.m_nCaret = 8;
    data.InsertAtCaret('!');
    ASSERT_EQ(data.SaveFile(path, nullptr), 0);
    EXPECT_EQ(TempDir::Read(path), Str("original!"));
    // An unwritable folder: the save fails and the file stays as it was.
    chmod(m_dir.Path("").c_str(), 0555);
    if (access(m_dir.Path("").c_str(), W_OK) != 0) { // the superuser writes anyway
        CFileException err;
        EXPECT_EQ(data.SaveFile(path, &err), 1);
        EXPECT_EQ(err.m_cause, CFileException::accessDenied);
        EXPECT_EQ(TempDir::Read(path), Str("original!"));
    }
    chmod(m_dir.Path("").c_str(), 0755);
    CFileException err;
    EXPECT_EQ(data.SaveFile(m_dir.Path("no/such/dir.bin"), &err), 1);
    EXPECT_NE(err.m_cause, CFileException::none);
}

TEST_F(LoadTest, LayoutFollowsTheAddressColumn) {
    CBinData data;
    EXPECT_EQ(data.m_layout.HexStart(), 11);
    EXPECT_EQ(data.m_layout.CharStart(), 60);
    data.m_bShowAddress = false;
    data.UpdateLayout();
    EXPECT_EQ(data.m_layout.HexStart(), 0);
    EXPECT_EQ(data.m_layout.CharStart(), 49);
}
