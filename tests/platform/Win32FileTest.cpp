// The file service on Windows, run under wine: names in UTF-16, the save sequence, share modes
// and locks, read-only files, device names.
#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/base/AtomicFile.h"
#include "platform/base/File.h"
#include "platform/base/win32/WinPath.h"
#include "tests/TempDir.h"

namespace {
// Not TestSupport.h: its headers define what windows.h defines.
std::vector<uint8_t> Str(const std::string& s) {
    return std::vector<uint8_t>(s.begin(), s.end());
}

std::wstring W(const std::string& path) {
    return CWinPath::ForApi(path);
}

// A handle another program would hold; closed at the end of the scope.
class OtherProgram {
public:
    OtherProgram(const std::string& path, DWORD access, DWORD share)
        : m_h(CreateFileW(W(path).c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~OtherProgram() {
        if (Opened()) CloseHandle(m_h);
    }
    bool Opened() const { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};

// A folder a ctest fixture made on the Linux side for this run, named in the environment;
// empty where the run has none (the file the fixture leaves in it is missing).
std::string FixtureFolder(const char* variable, const char* marker) {
    const char* folder = std::getenv(variable);
    if (!folder ||
        !std::filesystem::exists(std::filesystem::u8path(folder + std::string("/") + marker)))
        return std::string();
    return folder;
}

bool Save(const std::string& path, const std::string& text, CFileException* err,
          const std::string& backup = std::string()) {
    CAtomicFile file;
    if (!backup.empty()) file.SetBackupPath(backup);
    return file.Open(path, err) && file.Write(text.data(), text.size(), err) && file.Commit(err);
}

} // namespace

TEST(Win32File, OtherProgramsMayReadAHeldFileButNotChangeOrMoveIt) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("hello"));
    CFile first;
    ASSERT_TRUE(first.Open(path, CFile::modeRead | CFile::shareExclusive));
    // Other programs may read the held file, but not change, rename or delete it.
    EXPECT_TRUE(OtherProgram(path, GENERIC_READ, FILE_SHARE_READ).Opened());
    EXPECT_FALSE(OtherProgram(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).Opened());
    EXPECT_FALSE(MoveFileW(W(path).c_str(), W(dir.Path("moved.bin")).c_str()));
    EXPECT_EQ(TempDir::Read(path), Str("hello"));
}

TEST(Win32File, ReadsAtAnOffsetWithoutMoving) {
    TempDir dir;
    CFile f;
    ASSERT_TRUE(f.Open(dir.Write("a.bin", Str("abcdef")), CFile::modeRead));
    char buffer[4] = {};
    EXPECT_EQ(f.ReadAt(4, buffer, 4), 2u);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(f.Read(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_EQ(f.GetLength(), 6);
}

TEST(Win32File, NamesOutsideCodePage932AndBeyondMaxPathOpenAndSave) {
    TempDir dir;
    // Greek, Hangul and a character beyond the basic plane: none of them is in code page 932.
    std::string name = dir.Path("\xCE\xB1\xCE\xB2-\xED\x95\x9C-\xF0\x9F\x98\x80.bin");
    CFileException err;
    ASSERT_TRUE(Save(name, "one", &err)) << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Names(dir.Path("")), name.substr(dir.Path("").size()) + " ");
    CFile f;
    ASSERT_TRUE(f.Open(name, CFile::modeRead, &err)) << err.GetErrorMessage();
    EXPECT_EQ(f.GetLength(), 3);
    // A path far beyond MAX_PATH (260) through folders of 100 characters.
    std::string deep = dir.Path("");
    for (int i = 0; i < 4; ++i) {
        deep += std::string(100, char('a' + i)) + "/";
        ASSERT_TRUE(CreateDirectoryW(W(deep).c_str(), nullptr));
    }
    std::string longPath = deep + "long.bin";
    ASSERT_GT(longPath.size(), size_t(MAX_PATH));
    ASSERT_TRUE(Save(longPath, "deep", &err, longPath + ".bak")) << err.GetErrorMessage();
    ASSERT_TRUE(Save(longPath, "deeper", &err, longPath + ".bak")) << err.GetErrorMessage();
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(longPath, status, &err));
    EXPECT_EQ(status.m_size, 6);
    ASSERT_TRUE(CFile::GetStatus(longPath + ".bak", status, &err));
    EXPECT_EQ(status.m_size, 4);
}

TEST(Win32File, FullPathsAreMadeByTheSystemAndLinksAreTheSameFile) {
    TempDir dir;
    std::string a = dir.Write("a.bin", Str("A")), b = dir.Write("b.bin", Str("B"));
    std::string full = CFile::GetFullPath(dir.Path("x/../a.bin"));
    EXPECT_EQ(full.find('/'), std::string::npos) << full;
    EXPECT_EQ(full.substr(full.size() - 6), "\\a.bin");
    EXPECT_TRUE(CFile::IsSameFile(a, dir.Path("./x/../a.bin")));
    ASSERT_TRUE(CreateHardLinkW(W(dir.Path("link.bin")).c_str(), W(a).c_str(), nullptr));
    EXPECT_TRUE(CFile::IsSameFile(dir.Path("link.bin"), a));
    EXPECT_FALSE(CFile::IsSameFile(a, b));
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(a, status));
    EXPECT_EQ(status.m_nLinks, 2u);
}

TEST(Win32File, ChangedFileShowsInSizeTimeOrIndex) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    CFileStatus before, after;
    ASSERT_TRUE(CFile::GetStatus(path, before));
    EXPECT_NE(before.m_ino, 0u);
    EXPECT_GT(before.m_mtime, 0);
    // Another program puts a new file of the same size and time under the name.
    std::string other = dir.Write("other.bin", Str("new"));
    WIN32_FILE_ATTRIBUTE_DATA old;
    ASSERT_TRUE(GetFileAttributesExW(W(path).c_str(), GetFileExInfoStandard, &old));
    HANDLE h =
        CreateFileW(W(other).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &old.ftLastWriteTime));
    CloseHandle(h);
    ASSERT_TRUE(MoveFileExW(W(other).c_str(), W(path).c_str(), MOVEFILE_REPLACE_EXISTING));
    ASSERT_TRUE(CFile::GetStatus(path, after));
    EXPECT_EQ(after.m_size, before.m_size);
    EXPECT_EQ(after.m_mtime, before.m_mtime);
    EXPECT_NE(after.m_ino, before.m_ino); // only the file index tells them apart
}

TEST(Win32AtomicFile, TheNewFileKeepsTheAttributesOfTheOneItReplaces) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    SetFileAttributesW(W(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
    CFileException err;
    ASSERT_TRUE(Save(path, "new!", &err, path + ".bak")) << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Read(path), Str("new!"));
    EXPECT_TRUE(GetFileAttributesW(W(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(TempDir::Names(dir.Path("")), "a.bin a.bin.bak ");
}

TEST(Win32AtomicFile, ReadOnlyAttributeRefusesTheSave) {
    TempDir dir;
    std::string path = dir.Write("ro.bin", Str("keep"));
    ASSERT_TRUE(SetFileAttributesW(W(path).c_str(), FILE_ATTRIBUTE_READONLY));
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_TRUE(status.m_bReadOnly);
    CFileException err;
    EXPECT_FALSE(Save(path, "lost", &err, path + ".bak"));
    EXPECT_EQ(err.m_cause, CFileException::readOnlyFile);
    EXPECT_EQ(err.GetErrorMessage(), path + " は読み取り専用のため、上書きできません。");
    EXPECT_EQ(TempDir::Read(path), Str("keep"));
    EXPECT_EQ(TempDir::Names(dir.Path("")), "ro.bin ");
    SetFileAttributesW(W(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32AtomicFile, DeviceNamesAreRefusedAndNeverReportedSaved) {
    TempDir dir;
    for (const char* name : {"CON", "nul", "aux.bin", "COM1.txt", "lpt9", "con .bin"}) {
        std::string path = dir.Path(name);
        CFileException err;
        EXPECT_FALSE(Save(path, "bytes", &err)) << name;
        EXPECT_EQ(err.m_cause, CFileException::reservedName) << name;
        EXPECT_EQ(err.GetErrorMessage(), path +
                                             " は装置の名前 (CON、PRN、AUX、NUL、COM1、LPT1 など) "
                                             "のため、ファイルとして使えません。");
        CFile f;
        EXPECT_FALSE(f.Open(path, CFile::modeRead, &err)) << name;
        EXPECT_EQ(err.m_cause, CFileException::reservedName) << name;
    }
    // Names that only look like devices are files.
    CFileException err;
    for (const char* name : {"console.bin", "com0", "nul2.txt", "auxiliary"})
        EXPECT_TRUE(Save(dir.Path(name), "ok", &err)) << name << " " << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Names(dir.Path("")), "auxiliary com0 console.bin nul2.txt ");
}

TEST(Win32AtomicFile, AFileInUseElsewhereIsNotReplaced) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    CFileException err;
    {
        // Another program that lets others read but not delete or replace the file.
        OtherProgram other(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(other.Opened());
        EXPECT_FALSE(Save(path, "new", &err, path + ".bak"));
        EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
        EXPECT_EQ(err.GetErrorMessage(), path + " は他で使用中のため開けません。");
    }
    {
        // Another instance of the program holding the file.
        CFile holder;
        ASSERT_TRUE(holder.Open(path, CFile::modeRead | CFile::shareExclusive));
        EXPECT_FALSE(Save(path, "new", &err));
        EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
    }
    EXPECT_EQ(TempDir::Read(path), Str("old"));
    EXPECT_EQ(TempDir::Names(dir.Path("")), "a.bin ");
    EXPECT_TRUE(Save(path, "new", &err)) << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Read(path), Str("new"));
}

TEST(Win32AtomicFile, AFileWithSeveralNamesIsRewrittenInPlaceWithACopyAsBackup) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    std::string other = dir.Path("other.bin");
    ASSERT_TRUE(CreateHardLinkW(W(other).c_str(), W(path).c_str(), nullptr));
    CAtomicFile file;
    file.SetBackupPath(path + ".bak");
    file.SetKeepHardLinks(true);
    CFileException err;
    ASSERT_TRUE(file.Open(path, &err));
    ASSERT_TRUE(file.Write("longer", 6, &err));
    ASSERT_TRUE(file.Commit(&err)) << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Read(other), Str("longer"));
    EXPECT_EQ(TempDir::Read(path + ".bak"), Str("old"));
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path + ".bak", status));
    EXPECT_EQ(status.m_nLinks, 1u); // a file of its own, not a third name
    EXPECT_EQ(TempDir::Names(dir.Path("")), "a.bin a.bin.bak other.bin ");
}

TEST(Win32AtomicFile, AFullDiskFailsTheSaveAndLeavesTheFileAndNoTemporary) {
    std::string disk = FixtureFolder("QUELM_SMALL_DISK", ".small-disk");
    if (disk.empty())
        GTEST_SKIP() << "no small file system to fill (it is mounted when the tests run as root)";
    std::string path = disk + "/full.bin";
    { std::ofstream(std::filesystem::u8path(path), std::ios::binary) << "old"; }
    const std::string big(256 * 1024, 'x');
    CFileException err;
    EXPECT_FALSE(Save(path, big, &err, path + ".bak"));
    EXPECT_EQ(err.m_cause, CFileException::diskFull) << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Read(path), Str("old"));
    EXPECT_EQ(TempDir::Names(disk), ".small-disk full.bin ");
    std::filesystem::remove(std::filesystem::u8path(path));
}

TEST(Win32AtomicFile, ALinkIsFollowedWhereTheUserNamedItAndReplacedWhereNot) {
    // Links made on the Linux side, as a user or another user planted them.
    std::string dir = FixtureFolder("QUELM_PLANTED_LINKS", "victim");
    if (dir.empty()) GTEST_SKIP() << "no links planted for the run";
    dir += "/";
    CFileException err;
    // A file written beside the document, where a link to another file stands.
    CAtomicFile dump;
    ASSERT_TRUE(dump.Open(dir + "report.dmp", &err, false)) << err.GetErrorMessage();
    ASSERT_TRUE(dump.Write("rows", 4, &err));
    ASSERT_TRUE(dump.Commit(&err)) << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Read(dir + "victim"), Str("precious"));
    EXPECT_EQ(TempDir::Read(dir + "report.dmp"), Str("rows"));
    // The user's save through a link of theirs reaches the file it points at.
    ASSERT_TRUE(Save(dir + "named.bin", "new", &err, dir + "named.bin.bak"))
        << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Read(dir + "real.bin"), Str("new"));
    EXPECT_EQ(TempDir::Read(dir + "named.bin"), Str("new"));
    EXPECT_EQ(TempDir::Read(dir + "named.bin.bak"), Str("old"));
}
