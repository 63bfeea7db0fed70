#include <climits>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/base/AtomicFile.h"
#include "platform/base/File.h"
#include "tests/SecondUser.h"
#include "tests/TestSupport.h"

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

TEST(File, StatusOfAPathThatCannotExistIsABadPath) {
    TempDir dir;
    std::string file = dir.Write("a.bin", Str("A"));
    CFileStatus status;
    CFileException err;
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

namespace {
// Runs body in a child process, as the user "nobody" when asNobody and the tests run as root.
std::string InChild(bool asNobody, const std::function<std::string()>& body) {
    return asNobody && geteuid() == 0 ? RunInChild(body, 65534, 65534) : RunInChild(body);
}
} // namespace

TEST(AtomicFile, WritableFileInAFolderWithoutWritePermissionSaysSo) {
    TempDir dir;
    std::string folder = dir.Path("ro");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    std::string path = folder + "/a.bin";
    dir.Write("ro/a.bin", Str("old"));
    chmod(dir.Path("").c_str(), 0755);
    chmod(path.c_str(), 0666);
    chmod(folder.c_str(), 0555);
    std::string result = InChild(true, [&] {
        CAtomicFile file;
        CFileException err;
        if (file.Open(path, &err)) return std::string("opened");
        return std::to_string(err.m_cause) + " " + err.GetErrorMessage();
    });
    chmod(folder.c_str(), 0755);
    if (result == "setuid failed") GTEST_SKIP() << "cannot become another user";
    EXPECT_EQ(
        result,
        std::to_string(CFileException::tempNotCreated) + " " + path +
            " のあるフォルダーに書き込む権限がないため、保存に使う一時ファイルを作れません。");
    EXPECT_EQ(TempDir::Read(path), Str("old"));
    EXPECT_EQ(TempDir::Names(folder), "a.bin ");
}

TEST(AtomicFile, FailedWriteLeavesTargetAndNoTemporary) {
    // A failure injected through the file-size limit: the write fails half-way.
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    std::string result = InChild(false, [&] {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::vector<char> big(100000, 'x');
        CAtomicFile file;
        file.SetBackupPath(path + ".bak");
        CFileException err;
        if (!file.Open(path, &err)) return std::string("open failed");
        if (file.Write(big.data(), big.size(), &err) && file.Commit(&err))
            return std::string("written");
        return std::to_string(err.m_cause);
    });
    EXPECT_EQ(result, std::to_string(CFileException::fileTooLarge));
    EXPECT_EQ(TempDir::Read(path), Str("old"));
    EXPECT_EQ(TempDir::Names(dir.Path("")), "a.bin ");
}

TEST(AtomicFile, BackupIsALinkOrACopyOfTheOldContentMadeAtCommit) {
    TempDir dir;
    std::string path = dir.Write("a.bin", Str("old"));
    chmod(path.c_str(), 0604);
    std::string stale = dir.Write("a.bin.bak", Str("stale"));
    CAtomicFile file;
    file.SetBackupPath(stale);
    ASSERT_TRUE(file.Open(path, nullptr));
    ASSERT_TRUE(file.Write("new", 3, nullptr));
    EXPECT_EQ(TempDir::Read(stale), Str("stale")); // nothing happens before the commit
    ASSERT_TRUE(file.Commit(nullptr));
    EXPECT_TRUE(file.BackupMade());
    EXPECT_EQ(TempDir::Read(stale), Str("old"));
    struct stat st;
    ASSERT_EQ(stat(stale.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST(AtomicFile, BackupAcrossFileSystemsIsACopy) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to mount a second file system";
    TempDir dir;
    std::string mnt = dir.Path("m");
    ASSERT_EQ(mkdir(mnt.c_str(), 0755), 0);
    if (mount("tmpfs", mnt.c_str(), "tmpfs", 0, "size=1m") != 0) GTEST_SKIP() << "mount failed";
    std::string real = mnt + "/real.bin";
    dir.Write("m/real.bin", Str("old"));
    std::string link = dir.Path("link.bin");
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    CAtomicFile file;
    file.SetBackupPath(link + ".bak");
    bool ok = file.Open(link, nullptr) && file.Write("new", 3, nullptr) && file.Commit(nullptr);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(file.BackupMade());
    EXPECT_EQ(TempDir::Read(real), Str("new"));
    EXPECT_EQ(TempDir::Read(link + ".bak"), Str("old"));
    struct stat st;
    EXPECT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    umount2(mnt.c_str(), MNT_DETACH);
}

TEST(AtomicFile, DanglingLinkCreatesItsTargetAndStaysALink) {
    TempDir dir;
    std::string link = dir.Path("link.bin");
    ASSERT_EQ(symlink("new.bin", link.c_str()), 0);
    CAtomicFile file;
    ASSERT_TRUE(file.Open(link, nullptr));
    ASSERT_TRUE(file.Write("abc", 3, nullptr));
    ASSERT_TRUE(file.Commit(nullptr));
    struct stat st;
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(TempDir::Read(dir.Path("new.bin")), Str("abc"));
}

TEST(AtomicFile, TemporaryNameIsShort) {
    TempDir dir;
    std::string name(255, 'n');
    std::string path = dir.Write(name, Str("old"));
    CAtomicFile file;
    CFileException err;
    ASSERT_TRUE(file.Open(path, &err)) << err.GetErrorMessage();
    ASSERT_TRUE(file.Write("new", 3, &err));
    ASSERT_TRUE(file.Commit(&err)) << err.GetErrorMessage();
    EXPECT_EQ(TempDir::Read(path), Str("new"));
}

TEST(AtomicFile, AStickyFolderIsRefusedBeforeAnythingIsWrittenAndNamedAsTheCause) {
    SecondUser user;
    if (!user.Made()) GTEST_SKIP() << user.Why();
    TempDir dir;
    chmod(dir.Path("").c_str(), 0755);
    std::string shared = dir.Path("shared");
    ASSERT_EQ(mkdir(shared.c_str(), 0777), 0);
    chmod(shared.c_str(), 01777); // like /tmp: only an entry's owner may replace it
    auto write = [&](const std::string& name, const char* text, bool theirs) {
        std::string path = dir.Write("shared/" + name, Str(text));
        chmod(path.c_str(), 0666);
        if (theirs) (void)!chown(path.c_str(), user.Uid(), user.Gid());
        return path;
    };
    // Root's file that the user may write, beside an older backup of the user's own.
    std::string report = write("report.bin", "old", false);
    write("report.bin.bak", "older", true);
    // The user's own file, whose backup name holds root's file.
    std::string own = write("own.bin", "mine", true);
    write("own.bin.bak", "root's", false);
    // Root's link where the user's program writes a file of its own naming.
    std::string victim = dir.Write("victim.bin", Str("precious"));
    chmod(victim.c_str(), 0666);
    std::string dump = shared + "/own.bin.dmp";
    ASSERT_EQ(symlink(victim.c_str(), dump.c_str()), 0);
    std::string result = user.Run([&] {
        std::string out;
        for (const std::string& path : {report, own, dump}) {
            CAtomicFile file;
            if (path != dump) file.SetBackupPath(path + ".bak");
            CFileException err;
            bool ok = file.Open(path, &err, path != dump) && file.Write("new", 3, &err) &&
                      file.Commit(&err);
            out +=
                ok ? "saved\n" : std::to_string(err.m_cause) + " " + err.GetErrorMessage() + "\n";
        }
        return out;
    });
    const std::string sticky =
        " はほかのユーザーのもので、そのフォルダーはスティッキー ビット付きのため、"
        "置き換えられません。\n";
    EXPECT_EQ(result,
              std::to_string(CFileException::stickyFolder) + " " + report + sticky +
                  std::to_string(CFileException::backupNotCreated) +
                  " 同じ名前のほかのユーザーのファイルを置き換えられないため、バックアップ " + own +
                  ".bak を作れません。\n" + std::to_string(CFileException::stickyFolder) + " " +
                  dump + sticky);
    EXPECT_EQ(TempDir::Read(report), Str("old"));
    EXPECT_EQ(TempDir::Read(report + ".bak"), Str("older"));
    EXPECT_EQ(TempDir::Read(own), Str("mine"));
    EXPECT_EQ(TempDir::Read(own + ".bak"), Str("root's"));
    EXPECT_EQ(TempDir::Read(victim), Str("precious"));
    EXPECT_EQ(TempDir::Names(shared), "own.bin own.bin.bak own.bin.dmp report.bin report.bin.bak ");
}
