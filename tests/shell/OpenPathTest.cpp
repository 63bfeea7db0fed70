// Which paths become documents, under which names, through every way of opening.
#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/Afx.h"
#include "tests/shell/ShellFixture.h"

namespace {
class OpenPathTest : public ShellFixture {};

// Runs the test body from another current folder and goes back afterwards.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& path) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(std::filesystem::u8path(path), m_error);
    }
    ~CurrentFolder() {
        std::error_code error;
        std::filesystem::current_path(m_old, error);
        if (error) ADD_FAILURE() << "cannot return to " << m_old;
    }
    bool Ok() const { return !m_error; }

private:
    std::filesystem::path m_old;
    std::error_code m_error;
};
} // namespace

#ifndef _WIN32 // FIFOs and /dev exist on POSIX systems; Windows device names: Win32FileTest
TEST_F(OpenPathTest, FifoAndDevicesAreRefusedWithoutWaitingAndStayOutOfTheRecentList) {
    std::string fifo = m_dir.Path("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    m_backend.m_profile.WriteString("Recent File List", "File1", fifo);
    Start({fifo, "/dev/zero"});
    EXPECT_TRUE(Docs().empty());
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{fifo + " はファイルではありません。",
                                                        "/dev/zero はファイルではありません。"}));
    // The recent-file list and a drop go the same way; neither path is remembered.
    m_backend.m_messages.clear();
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_MRU_FILE1));
    m_app.MainFrame()->OnDropFiles({"/dev/null"});
    EXPECT_EQ(m_backend.m_messages.size(), 2u);
    EXPECT_TRUE(Docs().empty());
    EXPECT_EQ(Labels().size(), 0u);
    EXPECT_EQ(m_app.GetRecentFiles(), (std::vector<std::string>{fifo}));
}
#endif

TEST_F(OpenPathTest, RelativePathsBecomeFullPathNamesEverywhere) {
    std::string a = m_dir.Write("b16.bin", Str("AB")), c = m_dir.Write("c.bin", Str("C"));
    std::string folder = a.substr(0, a.find_last_of(kSeparators));
    std::string name = folder.substr(folder.find_last_of(kSeparators) + 1);
    CurrentFolder here(folder);
    ASSERT_TRUE(here.Ok());
    m_backend.m_profile.WriteInt("Settings", "bReadLastFiles", 1);
    m_backend.m_profile.WriteString("Last Params", "File0", "b16.bin");
    m_backend.m_profile.WriteString("Last Params", "File1", "../" + name + "/new.bin");
    Start();
    ASSERT_EQ(Docs().size(), 2u);
    EXPECT_EQ(Doc(0)->GetPathName(), a);
    EXPECT_EQ(Doc(0)->m_pData->GetDataLength(), 2);
    EXPECT_EQ(Doc(1)->GetPathName(), m_dir.Path("new.bin")); // missing: a new document
    EXPECT_EQ(Doc(1)->m_strBarLabel, "new.bin");
    m_app.MainFrame()->OnDropFiles({"./c.bin"});
    ASSERT_EQ(Docs().size(), 3u);
    EXPECT_EQ(Doc(2)->GetPathName(), c);
    m_backend.QueueFileName("sub/../other.bin");
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_OPEN));
    ASSERT_EQ(Docs().size(), 4u);
    EXPECT_EQ(Doc(3)->GetPathName(), m_dir.Path("other.bin"));
    for (const std::string& path : m_app.GetRecentFiles())
        EXPECT_TRUE(std::filesystem::u8path(path).is_absolute()) << path;
    EXPECT_EQ(m_app.GetRecentFiles().size(), 4u);
}

TEST_F(OpenPathTest, OnlyAMissingFileBecomesANewDocument) {
    std::string file = m_dir.Write("a.bin", Str("A"));
    std::string tooLong = m_dir.Path("");
    while (tooLong.size() <= PATH_MAX)
        tooLong += "folder/";
    tooLong += "a.bin";
    Start({file + "/below", tooLong, m_dir.Path("missing.bin")});
    ASSERT_EQ(Docs().size(), 1u);
    EXPECT_EQ(Doc(0)->GetPathName(), m_dir.Path("missing.bin"));
    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{
                  CFile::GetFullPath(file + "/below") + " のパスが正しくありません。",
                  CFile::GetFullPath(tooLong) + " のパスが正しくありません。"}));
    EXPECT_EQ(m_app.GetRecentFiles(), (std::vector<std::string>{m_dir.Path("missing.bin")}));
}

#ifndef _WIN32 // folder permission bits are POSIX
TEST_F(OpenPathTest, FolderWithoutSearchPermissionIsReportedNotMadeEmpty) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser passes every folder";
    ASSERT_EQ(mkdir(m_dir.Path("locked").c_str(), 0755), 0);
    std::string file = m_dir.Write("locked/a.bin", Str("A"));
    ASSERT_EQ(chmod(m_dir.Path("locked").c_str(), 0600), 0);
    Start({file});
    chmod(m_dir.Path("locked").c_str(), 0755);
    EXPECT_TRUE(Docs().empty());
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{file + " にアクセスできません。"}));
}
#endif

TEST_F(OpenPathTest, AFileAlreadyOpenIsBroughtToTheFrontInsteadOfOpenedAgain) {
    std::string a = m_dir.Write("a.bin", Str("AAAA")), b = m_dir.Write("b.bin", Str("B"));
    ASSERT_TRUE(MakeSecondName(a, m_dir.Path("link")));
    Start({a, b, m_dir.Path("new.bin")});
    ASSERT_EQ(Docs().size(), 3u);
    CKolvaDoc* first = Doc(0);
    Edit(first, 'x'); // edits a second copy would not see
    EXPECT_EQ(m_app.OpenDocumentPath(m_dir.Path("x/../a.bin")), first);
    EXPECT_EQ(Active(), first);
    m_app.MainFrame()->OnDropFiles({b});
    EXPECT_EQ(Active(), Doc(1));
    EXPECT_EQ(m_app.OpenDocumentPath(m_dir.Path("link")), first);
    EXPECT_EQ(Active(), first);
    EXPECT_EQ(m_app.OpenDocumentPath(m_dir.Path("new.bin")), Doc(2)); // a named new document
    m_backend.QueueFileName(b);
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_OPEN));
    EXPECT_EQ(Active(), Doc(1));
    EXPECT_EQ(Docs().size(), 3u);
    EXPECT_EQ(m_app.MainFrame()->GetChildren().size(), 3u);
    EXPECT_EQ(Labels().size(), 3u);
    EXPECT_TRUE(m_backend.m_messages.empty());
}

TEST_F(OpenPathTest, AnOffMemoryFileOpenAgainIsBroughtToTheFrontEvenAtTheLimit) {
    StartWithOffMemoryFile();
    ASSERT_EQ(Docs().size(), 1u);
    ASSERT_TRUE(Doc(0)->m_pData->m_bOffMemory);
    for (int i = 0; i < 9; ++i)
        ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_NEW));
    m_backend.m_messages.clear();
    ASSERT_TRUE(m_app.MainFrame()->SendCommand(ID_FILE_MRU_FILE1));
    EXPECT_EQ(Active(), Doc(0));
    EXPECT_TRUE(m_backend.m_messages.empty()); // neither "in use" nor "too many"
    EXPECT_EQ(Docs().size(), 10u);
}

TEST_F(OpenPathTest, AShortcutEditedThroughItsCopyIsNotCopiedAgain) {
    CKolvaDoc* doc = StartWithShortcutCopy("a.lnk");
    ASSERT_NE(doc, nullptr);
    std::string lnk = m_dir.Path("a.lnk");
    Edit(doc, 'l');
    ASSERT_TRUE(doc->DoFileSave()); // the working copy on disk now differs from the shortcut
    m_backend.QueueAnswer(IDYES);
    EXPECT_EQ(m_app.OpenDocumentPath(lnk), doc);
    EXPECT_EQ(TempDir::Read(lnk + ".Quelm"), Str("lINK"));
    EXPECT_EQ(Docs().size(), 1u);
    EXPECT_EQ(Labels().size(), 1u);
}
