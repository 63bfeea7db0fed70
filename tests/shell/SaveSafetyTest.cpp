// Saving must never lose or weaken the user's file: the backup inside the atomic save, kept
// modes, owners, ACLs, attributes and links, refused non-files, read-only targets, full disks,
// long names, files changed by another program, and the shortcut working copy. The backup stays
// on (the default) unless a case is about switching it off.
#include <acl/libacl.h>
#include <gtest/gtest.h>
#include <sys/acl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>

#include "platform/base/Afx.h"
#include "platform/base/File.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/View.h"
#include "tests/SecondUser.h"
#include "tests/shell/ShellFixture.h"

namespace {
struct stat StatOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) st.st_mode = 0;
    return st;
}
struct stat LstatOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) st.st_mode = 0;
    return st;
}
bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}
std::string AclText(const std::string& path) {
    acl_t acl = acl_get_file(path.c_str(), ACL_TYPE_ACCESS);
    if (!acl) return "no ACL";
    char* text = acl_to_any_text(acl, nullptr, ',', TEXT_ABBREVIATE | TEXT_NUMERIC_IDS);
    std::string out = text ? text : "";
    acl_free(text);
    acl_free(acl);
    return out;
}
bool SetAcl(const std::string& path, const std::string& text) {
    acl_t acl = acl_from_text(text.c_str());
    bool ok = acl && acl_set_file(path.c_str(), ACL_TYPE_ACCESS, acl) == 0;
    if (acl) acl_free(acl);
    return ok;
}
std::string Attribute(const std::string& path, const char* name) {
    char value[256];
    ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
    return n < 0 ? "missing" : std::string(value, static_cast<size_t>(n));
}
// The names in a folder, "." and ".." left out, sorted.
std::string Listing(const std::string& dir) {
    std::string out;
    FILE* p = ::popen(("ls -A '" + dir + "' | sort | tr '\\n' ' '").c_str(), "r");
    char buf[4096];
    while (size_t n = std::fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    ::pclose(p);
    return out;
}

class SaveSafetyTest : public ShellFixture {
protected:
    void TearDown() override {
        if (!m_mount.empty()) ::umount2(m_mount.c_str(), MNT_DETACH);
    }
    CKolvaDoc* NewDocWith(const std::string& text) {
        EXPECT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
        CKolvaDoc* doc = Doc(Docs().size() - 1);
        for (char c : text)
            doc->m_pData->InsertAtCaret(static_cast<uint8_t>(c));
        doc->SetModifiedFlag();
        return doc;
    }
    // Save As through the document's command; true when it reported no failure and took the name.
    bool SaveAs(CKolvaDoc* doc, const std::string& path) {
        size_t messages = m_backend.m_messages.size();
        m_backend.QueueFileName(path);
        doc->RunCommand(ID_FILE_SAVE_AS);
        return m_backend.m_messages.size() == messages && doc->GetPathName() == path;
    }
    // In a child process as user: opens path, edits and saves it; the last message, or "saved".
    std::string SaveAs(const SecondUser& user, const std::string& path) {
        return user.Run([&] {
            m_app.m_argv = {path};
            if (!m_app.InitInstance() || Docs().empty()) return std::string("not opened");
            Edit(Doc(0), 'N');
            bool saved = Doc(0)->DoFileSave();
            return saved && m_backend.m_messages.empty() ? std::string("saved") : LastMessage();
        });
    }

    std::string m_mount;
};
} // namespace

TEST_F(SaveSafetyTest, ModesAreKept) {
    std::string secret = m_dir.Write("secret.bin", Str("pass"));
    std::string script = m_dir.Write("run.sh", Str("#!/bin/sh"));
    ::chmod(secret.c_str(), 0600);
    ::chmod(script.c_str(), 0755);
    Start({secret, script});
    Edit(Doc(0), 'P');
    Edit(Doc(1), '%');
    ASSERT_TRUE(Doc(0)->DoFileSave());
    ASSERT_TRUE(Doc(1)->DoFileSave());
    EXPECT_EQ(StatOf(secret).st_mode & 07777, 0600u);
    EXPECT_EQ(StatOf(script).st_mode & 07777, 0755u);
    EXPECT_EQ(TempDir::Read(secret), Str("Pass"));
    EXPECT_EQ(TempDir::Read(secret + ".bak"), Str("pass"));
    EXPECT_EQ(TempDir::Read(script + ".bak"), Str("#!/bin/sh"));
    EXPECT_TRUE(m_backend.m_messages.empty());
}

TEST_F(SaveSafetyTest, SavingThroughALinkKeepsTheLinkAndBacksUpTheContent) {
    std::string real = m_dir.Write("real.bin", Str("old"));
    ::chmod(real.c_str(), 0640);
    std::string link = m_dir.Path("link.bin");
    ASSERT_EQ(::symlink("real.bin", link.c_str()), 0);
    Start({link});
    Edit(Doc(0), 'n');
    ASSERT_TRUE(Doc(0)->DoFileSave());
    EXPECT_TRUE(S_ISLNK(LstatOf(link).st_mode));
    EXPECT_EQ(TempDir::Read(real), Str("nld"));
    EXPECT_EQ(StatOf(real).st_mode & 07777, 0640u);
    EXPECT_TRUE(S_ISREG(LstatOf(link + ".bak").st_mode));
    EXPECT_EQ(TempDir::Read(link + ".bak"), Str("old"));
    EXPECT_EQ(Listing(m_dir.Path("")), "link.bin link.bin.bak real.bin ");
}

TEST_F(SaveSafetyTest, DevicesAndPipesAreRefused) {
    std::string dev = m_dir.Path("x");
    std::string fifo = m_dir.Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    bool haveDevice = ::mknod(dev.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    Start();
    CKolvaDoc* doc = NewDocWith("data");
    EXPECT_FALSE(SaveAs(doc, fifo)); // must not block on the pipe either
    EXPECT_TRUE(S_ISFIFO(LstatOf(fifo).st_mode));
    EXPECT_NE(LastMessage().find("ファイルではありません"), std::string::npos) << LastMessage();
    if (haveDevice) {
        EXPECT_FALSE(SaveAs(doc, dev));
        EXPECT_TRUE(S_ISCHR(LstatOf(dev).st_mode));
        EXPECT_NE(LastMessage().find("ファイルではありません"), std::string::npos) << LastMessage();
    }
    EXPECT_FALSE(Exists(dev + ".bak"));
    EXPECT_FALSE(Exists(fifo + ".bak"));
    EXPECT_EQ(Listing(m_dir.Path("")), haveDevice ? "pipe x " : "pipe ");
}

TEST_F(SaveSafetyTest, FailedSaveAsOntoAnExistingFileLeavesIt) {
    // An off-memory document cannot be saved: Save As onto its own name keeps the file.
    std::string big = StartWithOffMemoryFile();
    CKolvaDoc* doc = Doc(0);
    ASSERT_TRUE(doc->m_pData->m_bOffMemory);
    m_backend.m_messages.clear();
    EXPECT_FALSE(SaveAs(doc, big));
    EXPECT_EQ(TempDir::Read(big), PositionPattern(kAboveLimit));
    EXPECT_FALSE(Exists(big + ".bak"));
    // A view-only document (its file is read-only) saved as another existing file keeps it.
    std::string ro = m_dir.Write("ro.bin", Str("ro"));
    ::chmod(ro.c_str(), 0444);
    std::string other = m_dir.Write("other.bin", Str("other"));
    doc = m_app.OpenDocumentPath(ro);
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->m_pData->m_nAllowedMode, 0);
    EXPECT_FALSE(SaveAs(doc, other));
    EXPECT_EQ(TempDir::Read(other), Str("other"));
    EXPECT_FALSE(Exists(other + ".bak"));
    EXPECT_EQ(doc->GetPathName(), ro);
}

TEST_F(SaveSafetyTest, SaveAsOntoAReadOnlyFileIsRefused) {
    std::string ro = m_dir.Write("ro.bin", Str("keep"));
    ::chmod(ro.c_str(), 0444);
    Start();
    CKolvaDoc* doc = NewDocWith("new");
    EXPECT_FALSE(SaveAs(doc, ro));
    EXPECT_EQ(TempDir::Read(ro), Str("keep"));
    EXPECT_EQ(StatOf(ro).st_mode & 07777, 0444u);
    EXPECT_FALSE(Exists(ro + ".bak"));
    ASSERT_FALSE(m_backend.m_messages.empty());
    EXPECT_NE(LastMessage().find("読み取り専用"), std::string::npos) << LastMessage();
    EXPECT_EQ(Listing(m_dir.Path("")), "ro.bin ");
}

TEST_F(SaveSafetyTest, LongNamesSaveAndAskWhereNoBackupNameCanExist) {
    std::string name250(250, 'a'), name255(255, 'b'), japanese;
    for (int i = 0; i < 84; ++i)
        japanese += "あ"; // 252 bytes: the backup name would be 256
    std::string p250 = m_dir.Write(name250, Str("old"));
    std::string p255 = m_dir.Write(name255, Str("old"));
    std::string pJapanese = m_dir.Write(japanese, Str("old"));
    Start({p250, p255, pJapanese});
    Edit(Doc(0), 'N');
    ASSERT_TRUE(Doc(0)->DoFileSave()) << LastMessage();
    EXPECT_EQ(TempDir::Read(p250), Str("Nld"));
    EXPECT_EQ(TempDir::Read(p250 + ".bak"), Str("old"));
    EXPECT_TRUE(m_backend.m_messages.empty());
    // No: nothing is written. Yes: saved without a backup, and not asked again for that name.
    for (CKolvaDoc* doc : {Doc(1), Doc(2)}) {
        Edit(doc, 'M');
        m_backend.QueueAnswer(IDNO);
        EXPECT_FALSE(doc->DoFileSave());
        EXPECT_EQ(TempDir::Read(doc->GetPathName()), Str("old"));
        ASSERT_EQ(m_backend.m_messages.size(), 1u);
        EXPECT_EQ(m_backend.m_messages[0].m_nType & MB_TYPEMASK, MB_YESNO);
        EXPECT_NE(LastMessage().find(doc->GetPathName() + " のバックアップは"), std::string::npos);
        EXPECT_NE(LastMessage().find("長すぎる"), std::string::npos) << LastMessage();
        m_backend.QueueAnswer(IDYES);
        EXPECT_TRUE(doc->DoFileSave());
        EXPECT_EQ(TempDir::Read(doc->GetPathName()), Str("Mld"));
        Edit(doc, 'L');
        EXPECT_TRUE(doc->DoFileSave());
        EXPECT_EQ(m_backend.m_messages.size(), 2u);
        m_backend.m_messages.clear();
    }
    EXPECT_EQ(Listing(m_dir.Path("")),
              name250 + " " + name250 + ".bak " + name255 + " " + japanese + " ");
}

TEST_F(SaveSafetyTest, HardLinksKeepSeeingOneFile) {
    std::string a = m_dir.Write("a.bin", Str("old")), b = m_dir.Path("b.bin");
    std::string c = m_dir.Write("c.bin", Str("old")), d = m_dir.Path("d.bin");
    std::string e = m_dir.Write("e.bin", Str("old")), f = m_dir.Path("f.bin");
    ASSERT_EQ(::link(a.c_str(), b.c_str()), 0);
    ASSERT_EQ(::link(c.c_str(), d.c_str()), 0);
    ASSERT_EQ(::link(e.c_str(), f.c_str()), 0);
    Start({a, c, e});
    // The backup on: rewritten in place once the old content is in a backup of its own.
    for (char first : {'n', 'm'}) {
        Edit(Doc(0), static_cast<uint8_t>(first));
        ASSERT_TRUE(Doc(0)->DoFileSave()) << LastMessage();
        EXPECT_EQ(TempDir::Read(b), Str(std::string(1, first) + "ld"));
        EXPECT_EQ(StatOf(a).st_nlink, 2u);
    }
    EXPECT_EQ(TempDir::Read(a + ".bak"), Str("old"));
    EXPECT_EQ(StatOf(a + ".bak").st_nlink, 1u);
    EXPECT_TRUE(m_backend.m_messages.empty());
    // The backup off: the user decides first.
    m_app.m_pOptions->bBackup = 0;
    Edit(Doc(1), 'n');
    m_backend.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(Doc(1)->DoFileSave());
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_nType & MB_TYPEMASK, MB_YESNOCANCEL);
    EXPECT_NE(LastMessage().find(c + " にはほかにも名前 (ハードリンク) が 1 個"), std::string::npos)
        << LastMessage();
    EXPECT_EQ(TempDir::Read(c), Str("old"));
    m_backend.QueueAnswer(IDYES); // every name
    ASSERT_TRUE(Doc(1)->DoFileSave());
    EXPECT_EQ(TempDir::Read(d), Str("nld"));
    Edit(Doc(1), 'm');
    ASSERT_TRUE(Doc(1)->DoFileSave()); // decided once
    EXPECT_EQ(TempDir::Read(d), Str("mld"));
    Edit(Doc(2), 'n');
    m_backend.QueueAnswer(IDNO); // this name only
    ASSERT_TRUE(Doc(2)->DoFileSave());
    EXPECT_EQ(TempDir::Read(e), Str("nld"));
    EXPECT_EQ(TempDir::Read(f), Str("old"));
    EXPECT_EQ(m_backend.m_messages.size(), 3u);
    EXPECT_EQ(Listing(m_dir.Path("")), "a.bin a.bin.bak b.bin c.bin d.bin e.bin f.bin ");
}

TEST_F(SaveSafetyTest, AclAndAttributesAreKeptAndWhatCannotBeIsSaid) {
    SecondUser user;
    if (!user.Made()) GTEST_SKIP() << user.Why();
    ::chmod(m_dir.Path("").c_str(), 0755);
    // 0640, and the second user may write it too through a named entry.
    std::string path = m_dir.Write("shared.bin", Str("old"));
    if (!SetAcl(path, "u::rw-,u:" + std::to_string(user.Uid()) + ":rw-,g::r--,m::rw-,o::---") ||
        ::setxattr(path.c_str(), "user.note", "keep", 4, 0) != 0)
        GTEST_SKIP() << "the test folder's file system keeps no ACLs or user attributes";
    std::string acl = AclText(path);
    Start({path});
    Edit(Doc(0), 'n');
    ASSERT_TRUE(Doc(0)->DoFileSave()) << LastMessage();
    EXPECT_EQ(AclText(path), acl); // the group stays r--, the named user keeps rw-
    EXPECT_EQ(Attribute(path, "user.note"), "keep");
    EXPECT_TRUE(m_backend.m_messages.empty()) << LastMessage();
    EXPECT_EQ(user.Run([&] { return std::to_string(::access(path.c_str(), W_OK)); }), "0");
    // An attribute only the superuser may set is lost when another user saves: said so.
    ::mkdir(m_dir.Path("open").c_str(), 0755);
    ::chmod(m_dir.Path("open").c_str(), 0777);
    std::string theirs = m_dir.Write("open/tool", Str("old"));
    ASSERT_EQ(::chown(theirs.c_str(), user.Uid(), user.Gid()), 0);
    const uint8_t capability[20] = {0, 0, 0, 2, 0, 4}; // may bind low ports
    if (::setxattr(theirs.c_str(), "security.capability", capability, sizeof capability, 0) != 0)
        GTEST_SKIP() << "file capabilities cannot be set here";
    std::string said = SaveAs(user, theirs);
    EXPECT_EQ(said, theirs + " を保存しましたが、元のファイルの次のものを引き継げませんでした。\n"
                             "・拡張属性の一部");
    EXPECT_EQ(TempDir::Read(theirs), Str("Nld"));
}

TEST_F(SaveSafetyTest, SavesThatCannotWorkSayWhatToDoInstead) {
    SecondUser user;
    if (!user.Made()) GTEST_SKIP() << user.Why();
    ::chmod(m_dir.Path("").c_str(), 0755);
    // A file the user may write in a folder the user may not.
    std::string closed = m_dir.Path("closed");
    ::mkdir(closed.c_str(), 0755);
    std::string inClosed = m_dir.Write("closed/a.bin", Str("old"));
    ::chmod(inClosed.c_str(), 0666);
    EXPECT_EQ(SaveAs(user, inClosed),
              inClosed + " のあるフォルダーに書き込む権限がないため、保存に使う"
                         "一時ファイルを作れません。\n別の名前で保存してください。");
    // A link in that folder to the user's own file elsewhere: the backup beside the link fails.
    std::string open = m_dir.Path("open");
    ::mkdir(open.c_str(), 0755);
    ::chmod(open.c_str(), 0777);
    std::string target = m_dir.Write("open/b.bin", Str("old"));
    ASSERT_EQ(::chown(target.c_str(), user.Uid(), user.Gid()), 0);
    ASSERT_EQ(::symlink(target.c_str(), (closed + "/b.bin").c_str()), 0);
    EXPECT_EQ(
        SaveAs(user, closed + "/b.bin"),
        "フォルダーに書き込む権限がないため、バックアップ " + closed +
            "/b.bin.bak を作れません。\n基本設定の「バックアップファイルを作る」をオフにするか、"
            "別の名前で保存してください。");
    EXPECT_EQ(TempDir::Read(inClosed), Str("old"));
    EXPECT_EQ(TempDir::Read(target), Str("old"));
    EXPECT_EQ(Listing(closed), "a.bin b.bin ");
    EXPECT_EQ(Listing(open), "b.bin ");
}

TEST_F(SaveSafetyTest, ShortcutCopyIsMadeNewForTheUserAloneNeverThroughALink) {
    m_backend.m_profile.WriteInt("Settings", "bEditShortcut", 1);
    std::string lnk = m_dir.Write("a.lnk", Str("LINK"));
    std::string victim = m_dir.Write("victim.bin", Str("precious"));
    ASSERT_EQ(::symlink(victim.c_str(), (lnk + ".Quelm").c_str()), 0);
    Start();
    m_backend.QueueAnswer(IDYES);
    EXPECT_EQ(m_app.OpenDocumentPath(lnk), nullptr);
    EXPECT_NE(LastMessage().find(lnk + ".Quelm がすでにある"), std::string::npos) << LastMessage();
    EXPECT_EQ(TempDir::Read(victim), Str("precious"));
    EXPECT_TRUE(S_ISLNK(LstatOf(lnk + ".Quelm").st_mode));
    EXPECT_TRUE(Docs().empty());
    // Without the link: a copy only its user may read, gone again with the document.
    ::unlink((lnk + ".Quelm").c_str());
    m_backend.QueueAnswer(IDYES);
    CKolvaDoc* doc = m_app.OpenDocumentPath(lnk);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(StatOf(lnk + ".Quelm").st_mode & 07777, 0600u);
    doc->m_pFirstView->GetParentFrame()->OnClose();
    EXPECT_EQ(Listing(m_dir.Path("")), "a.lnk victim.bin ");
}

TEST_F(SaveSafetyTest, OwnerIsKeptWhenPermitted) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
    std::string path = m_dir.Write("theirs.bin", Str("old"));
    ASSERT_EQ(::chown(path.c_str(), 12345, 23456), 0);
    ::chmod(path.c_str(), 0640);
    Start({path});
    Edit(Doc(0), 'n');
    ASSERT_TRUE(Doc(0)->DoFileSave());
    struct stat st = StatOf(path);
    EXPECT_EQ(st.st_uid, 12345u);
    EXPECT_EQ(st.st_gid, 23456u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(TempDir::Read(path), Str("nld"));
}

TEST_F(SaveSafetyTest, FileChangedOnDiskAsksBeforeOverwriting) {
    std::string path = m_dir.Write("c.bin", Str("mine"));
    Start({path});
    CKolvaDoc* doc = Doc(0);
    Edit(doc, 'M');
    ASSERT_TRUE(doc->DoFileSave()); // unchanged on disk: no question
    EXPECT_TRUE(m_backend.m_messages.empty());
    m_dir.Write("c.bin", Str("theirs")); // another program writes the file
    Edit(doc, 'X');
    m_backend.QueueAnswer(IDNO);
    EXPECT_FALSE(doc->DoFileSave());
    ASSERT_EQ(m_backend.m_messages.size(), 1u);
    EXPECT_EQ(m_backend.m_messages[0].m_nType & MB_TYPEMASK, MB_YESNO);
    EXPECT_NE(m_backend.m_messages[0].m_strText.find(path), std::string::npos);
    EXPECT_EQ(TempDir::Read(path), Str("theirs")); // No: nothing written
    EXPECT_TRUE(doc->IsModified());
    m_backend.QueueAnswer(IDYES);
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_EQ(TempDir::Read(path), Str("Xine"));
    EXPECT_EQ(m_backend.m_messages.size(), 2u);
    // Same size, new content and time (an in-place rewrite keeps the inode): asked again.
    m_dir.Write("c.bin", Str("abcd"));
    struct timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    Edit(doc, 'Y');
    m_backend.QueueAnswer(IDNO);
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_EQ(TempDir::Read(path), Str("abcd"));
    EXPECT_EQ(m_backend.m_messages.size(), 3u);
}

TEST_F(SaveSafetyTest, FullDiskLeavesTheFileAndNamesTheCause) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount a small file system";
    std::string dir = m_dir.Path("small");
    ::mkdir(dir.c_str(), 0755);
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mount failed: errno " << errno;
    m_mount = dir;
    std::string path = dir + "/f.bin";
    {
        Bytes bytes = PositionPattern(8192);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    Start({path});
    CKolvaDoc* doc = Doc(0);
    Bytes more = PositionPattern(200000);
    doc->m_pData->InsertAt(0, more.data(), static_cast<int>(more.size()));
    doc->SetModifiedFlag();
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_NE(LastMessage().find("ディスクがいっぱい"), std::string::npos) << LastMessage();
    EXPECT_EQ(TempDir::Read(path), PositionPattern(8192));
    EXPECT_EQ(Listing(dir), "f.bin ");
}

TEST_F(SaveSafetyTest, ShortcutCopyAnsweredNoIsNotWrittenBack) {
    CKolvaDoc* doc = StartWithShortcutCopy("a.lnk");
    ASSERT_NE(doc, nullptr);
    std::string lnk = m_dir.Path("a.lnk");
    doc->m_pData->m_nCaret = 4;
    doc->m_pData->InsertAtCaret('!');
    doc->SetModifiedFlag();
    m_backend.QueueAnswer(IDNO); // "save the changes?" No
    doc->m_pFirstView->GetParentFrame()->OnClose();
    EXPECT_TRUE(Docs().empty());
    EXPECT_EQ(TempDir::Read(lnk), Str("LINK"));
    EXPECT_EQ(Listing(m_dir.Path("")), "a.lnk ");
}

TEST_F(SaveSafetyTest, CancelledSaveAsKeepsSavedStateAndBackup) {
    m_backend.m_profile.WriteInt("Settings", "bEditShortcut", 1);
    std::string lnk = m_dir.Write("a.lnk", Str("LINK"));
    std::string path = m_dir.Write("d.bin", Str("one"));
    Start({path});
    // An ordinary file: a cancelled Save As does not start a new backup.
    CKolvaDoc* doc = Doc(0);
    Edit(doc, '1');
    ASSERT_TRUE(doc->DoFileSave());
    doc->RunCommand(ID_FILE_SAVE_AS); // no name chosen: cancelled
    EXPECT_TRUE(doc->m_bSaved);
    EXPECT_TRUE(doc->m_bBackupDone);
    Edit(doc, '2');
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_EQ(TempDir::Read(path + ".bak"), Str("one"));
    EXPECT_EQ(TempDir::Read(path), Str("2ne"));
    // A shortcut working copy: what was saved still goes back after a cancelled Save As.
    m_backend.QueueAnswer(IDYES);
    doc = m_app.OpenDocumentPath(lnk);
    ASSERT_NE(doc, nullptr);
    Edit(doc, 'l');
    ASSERT_TRUE(doc->DoFileSave());
    doc->RunCommand(ID_FILE_SAVE_AS);
    EXPECT_TRUE(doc->m_bSaved);
    doc->m_pFirstView->GetParentFrame()->OnClose();
    EXPECT_EQ(TempDir::Read(lnk), Str("lINK"));
    EXPECT_EQ(TempDir::Read(lnk + ".bak"), Str("LINK"));
    EXPECT_FALSE(Exists(lnk + ".Quelm"));
}
