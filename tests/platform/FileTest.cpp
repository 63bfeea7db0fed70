#include <climits>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/File.h"
#include "tests/TestSupport.h"

TEST(File, ExclusiveOpenRefusesSecondOpenWithoutTouchingTheFile) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("hello"));
    CFile first, second;
    ASSERT_TRUE(first.Open(path, CFile::modeRead | CFile::shareExclusive));
    CFileException err;
    EXPECT_FALSE(
        second.Open(path, CFile::modeWrite | CFile::modeCreate | CFile::shareExclusive, &err));
    EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
    EXPECT_FALSE(err.GetErrorMessage().empty());
    EXPECT_EQ(TempDir::Read(path), Str("hello")); // the refused create did not truncate it
    first.Close();
    EXPECT_TRUE(second.Open(path, CFile::modeRead | CFile::shareExclusive));
}

TEST(File, OpenFailuresNameTheirCause) {
    TempDir dir;
    CFile f;
    CFileException err;
    EXPECT_FALSE(f.Open(dir.Path("missing"), CFile::modeRead, &err));
    EXPECT_EQ(err.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(f.Open(dir.Path(""), CFile::modeRead, &err));
    EXPECT_EQ(err.m_cause, CFileException::invalidFile);
}

TEST(File, OnlyRegularFilesOpenAndNothingWaits) {
    TempDir dir;
    std::string fifo = dir.Path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    // A blocking open of a FIFO without a writer would hang this test.
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
        CFile f;
        CFileException err;
        EXPECT_FALSE(f.Open(path, CFile::modeRead | CFile::shareExclusive, &err)) << path;
        EXPECT_EQ(err.m_cause, CFileException::invalidFile) << path;
        EXPECT_EQ(err.GetErrorMessage(), path + " はファイルではありません。");
        EXPECT_FALSE(f.IsOpen());
    }
    // A regular file opened this way reads as usual, without the non-blocking flag.
    CFile f;
    ASSERT_TRUE(f.Open(dir.Write("a.bin", Str("abc")), CFile::modeRead));
    char buffer[4] = {};
    EXPECT_EQ(f.Read(buffer, 4), 3u);
}

TEST(File, FullPathNamesAreMadeFromTheTextAlone) {
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    const std::string here = cwd;
    EXPECT_EQ(CFile::GetFullPath("b16.bin"), here + "/b16.bin");
    EXPECT_EQ(CFile::GetFullPath("./x//y/../z.bin"), here + "/x/z.bin");
    EXPECT_EQ(CFile::GetFullPath("/a/b/../../../c"), "/c");
    EXPECT_EQ(CFile::GetFullPath("/a/./b/"), "/a/b");
    EXPECT_EQ(CFile::GetFullPath("/"), "/");
    EXPECT_EQ(CFile::GetFullPath(""), "");
}

TEST(File, SameFileUnderAnotherName) {
    TempDir dir;
    std::string a = dir.Write("a.bin", Str("A")), b = dir.Write("b.bin", Str("B"));
    ASSERT_EQ(symlink(a.c_str(), dir.Path("link").c_str()), 0);
    EXPECT_TRUE(CFile::IsSameFile(a, dir.Path("./x/../a.bin")));
    EXPECT_TRUE(CFile::IsSameFile(dir.Path("link"), a));
    EXPECT_FALSE(CFile::IsSameFile(a, b));
    EXPECT_TRUE(CFile::IsSameFile(dir.Path("gone"), dir.Path("gone")));
    EXPECT_FALSE(CFile::IsSameFile(dir.Path("gone"), dir.Path("other")));
}

TEST(File, StatusFailureNamesItsCause) {
    TempDir dir;
    std::string file = dir.Write("a.bin", Str("A"));
    CFileStatus status;
    CFileException err;
    EXPECT_FALSE(CFile::GetStatus(dir.Path("missing"), status, &err));
    EXPECT_EQ(err.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(CFile::GetStatus(file + "/below", status, &err));
    EXPECT_EQ(err.m_cause, CFileException::badPath);
    EXPECT_FALSE(CFile::GetStatus("/" + std::string(PATH_MAX + 10, 'x'), status, &err));
    EXPECT_EQ(err.m_cause, CFileException::badPath);
}

TEST(File, ReadOnlyAttributeFromPermissionBits) {
    TempDir dir;
    std::string path = dir.Write("ro.bin", Str("x"));
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_FALSE(status.m_bReadOnly);
    chmod(path.c_str(), 0444);
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_TRUE(status.m_bReadOnly);
}

TEST(AtomicFile, ReplacesKeepingPermissionsAndLeavesNoTemporary) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    chmod(path.c_str(), 0640);
    CAtomicFile file;
    CFileException err;
    ASSERT_TRUE(file.Open(path, &err));
    ASSERT_TRUE(file.Write("new!", 4, &err));
    EXPECT_EQ(TempDir::Read(path), Str("old")); // untouched until commit
    ASSERT_TRUE(file.Commit(&err));
    EXPECT_EQ(TempDir::Read(path), Str("new!"));
    struct stat st;
    stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::system(("test $(ls -A '" + dir.Path("") + "' | wc -l) -eq 1").c_str()), 0);
}

TEST(AtomicFile, AbandonedOrRefusedWriteLeavesOriginal) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    {
        CAtomicFile file;
        ASSERT_TRUE(file.Open(path, nullptr));
        ASSERT_TRUE(file.Write("partial", 7, nullptr));
    }
    EXPECT_EQ(TempDir::Read(path), Str("old"));
    // A file another instance holds exclusively is not replaced.
    CFile holder;
    ASSERT_TRUE(holder.Open(path, CFile::modeRead | CFile::shareExclusive));
    CAtomicFile file;
    CFileException err;
    ASSERT_TRUE(file.Open(path, &err));
    ASSERT_TRUE(file.Write("x", 1, &err));
    EXPECT_FALSE(file.Commit(&err));
    EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(TempDir::Read(path), Str("old"));
}

TEST(AtomicFile, SavingThroughALinkReplacesTheTarget) {
    TempDir dir;
    std::string target = dir.Write("real.bin", Str("old"));
    std::string link = dir.Path("link.bin");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    CAtomicFile file;
    ASSERT_TRUE(file.Open(link, nullptr));
    ASSERT_TRUE(file.Write("new", 3, nullptr));
    ASSERT_TRUE(file.Commit(nullptr));
    struct stat st;
    lstat(link.c_str(), &st);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(TempDir::Read(target), Str("new"));
}
