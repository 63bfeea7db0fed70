#include <gtest/gtest.h>
#include <sys/stat.h>

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
