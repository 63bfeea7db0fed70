// The file service as both systems give it: the same holds, causes and messages, whatever the
// system underneath.
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/base/AtomicFile.h"
#include "platform/base/File.h"
#include "tests/TestSupport.h"

TEST(FileService, AHeldFileRefusesEveryOtherHolderWithoutBeingTouched) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("hello"));
    CFile first, second;
    ASSERT_TRUE(first.Open(path, CFile::modeRead | CFile::shareExclusive));
    CFileException err;
    EXPECT_FALSE(
        second.Open(path, CFile::modeWrite | CFile::modeCreate | CFile::shareExclusive, &err));
    EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(err.GetErrorMessage(), path + " は他で使用中のため開けません。");
    EXPECT_FALSE(second.Open(path, CFile::modeRead | CFile::shareExclusive, &err));
    EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(TempDir::Read(path), Str("hello")); // the refused create did not truncate it
    // A save does not replace it either.
    CAtomicFile save;
    ASSERT_TRUE(save.Open(path, &err));
    ASSERT_TRUE(save.Write("x", 1, &err));
    EXPECT_FALSE(save.Commit(&err));
    EXPECT_EQ(err.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(TempDir::Read(path), Str("hello"));
    first.Close();
    EXPECT_TRUE(second.Open(path, CFile::modeRead | CFile::shareExclusive));
}

TEST(FileService, OpenAndStatusFailuresNameTheirCause) {
    TempDir dir;
    std::string file = dir.Write("a.bin", Str("A"));
    CFile f;
    CFileException err;
    EXPECT_FALSE(f.Open(dir.Path("missing"), CFile::modeRead, &err));
    EXPECT_EQ(err.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(f.Open(dir.Path(""), CFile::modeRead, &err));
    EXPECT_EQ(err.m_cause, CFileException::invalidFile);
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(dir.Path("missing"), status, &err));
    EXPECT_EQ(err.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(CFile::GetStatus(file + "/below", status, &err));
    EXPECT_NE(err.m_cause, CFileException::none);
}

TEST(FileService, TheOldContentIsKeptOnceAsBackupAndNothingHappensBeforeTheCommit) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    std::string stale = dir.Write("a.bin.bak", Str("stale"));
    {
        CAtomicFile abandoned;
        abandoned.SetBackupPath(stale);
        ASSERT_TRUE(abandoned.Open(path, nullptr));
        ASSERT_TRUE(abandoned.Write("partial", 7, nullptr));
    }
    EXPECT_EQ(TempDir::Read(path), Str("old"));
    EXPECT_EQ(TempDir::Read(stale), Str("stale"));
    EXPECT_EQ(TempDir::Names(dir.Path("")), "a.bin a.bin.bak ");
    CAtomicFile file;
    file.SetBackupPath(stale);
    CFileException err;
    ASSERT_TRUE(file.Open(path, &err));
    ASSERT_TRUE(file.Write("new!", 4, &err));
    EXPECT_EQ(TempDir::Read(path), Str("old"));
    ASSERT_TRUE(file.Commit(&err)) << err.GetErrorMessage();
    EXPECT_TRUE(file.BackupMade());
    EXPECT_EQ(TempDir::Read(path), Str("new!"));
    EXPECT_EQ(TempDir::Read(stale), Str("old"));
    EXPECT_EQ(TempDir::Names(dir.Path("")), "a.bin a.bin.bak ");
}

TEST(FileService, ABackupThatCannotBeMadeStopsTheSaveBeforeTheTargetIsTouched) {
    TempDir dir;
    std::string path = dir.Write("b.bin", Str("bee"));
    std::filesystem::create_directory(std::filesystem::u8path(path + ".bak"));
    CAtomicFile file;
    file.SetBackupPath(path + ".bak");
    CFileException err;
    ASSERT_TRUE(file.Open(path, &err));
    ASSERT_TRUE(file.Write("new", 3, &err));
    EXPECT_FALSE(file.Commit(&err));
    EXPECT_EQ(err.m_cause, CFileException::backupNotCreated);
    EXPECT_EQ(err.GetErrorMessage(),
              "同じ名前のフォルダーがあるため、バックアップ " + path + ".bak を作れません。");
    EXPECT_EQ(TempDir::Read(path), Str("bee"));
    EXPECT_EQ(TempDir::Names(dir.Path("")), "b.bin b.bin.bak ");
}
