#include "platform/wx/WxProfileStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "WxTestSupport.h"

namespace {
std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class WxProfileStoreTest : public testing::Test {
protected:
    TempDir m_dir;
    // A folder that does not exist yet: the store makes it.
    std::string m_path = m_dir.Path("Marlox/Quelm.conf");
};
} // namespace

TEST_F(WxProfileStoreTest, ValuesSurviveInTheFileUnderTheirNames) {
    {
        CWxProfileStore store(m_path);
        EXPECT_TRUE(store.WriteInt("Settings", "FrameSizeX", 812));
        EXPECT_TRUE(store.WriteInt("Settings", "Offset", -2147483647 - 1));
        EXPECT_TRUE(store.WriteString("Recent File List", "File1", "/home/利用者/データ.bin"));
        EXPECT_TRUE(store.WriteString("Settings", "Pattern", "  $HOME \"quoted\" \\x0A  "));
        EXPECT_TRUE(store.WriteString("Settings", "Empty", ""));
    }
    // Written at once: a second store on the same file sees everything.
    CWxProfileStore store(m_path);
    EXPECT_EQ(store.GetInt("Settings", "FrameSizeX", 0), 812);
    EXPECT_EQ(store.GetInt("Settings", "Offset", 0), -2147483647 - 1);
    EXPECT_EQ(store.GetString("Recent File List", "File1", ""), "/home/利用者/データ.bin");
    EXPECT_EQ(store.GetString("Settings", "Pattern", ""), "  $HOME \"quoted\" \\x0A  ");
    EXPECT_EQ(store.GetString("Settings", "Empty", "default"), "");
    std::string text = FileText(m_path);
    // Names and Japanese text stay readable in the file.
    EXPECT_NE(text.find("FrameSizeX=812"), std::string::npos);
    EXPECT_NE(text.find("File1=/home/利用者/データ.bin"), std::string::npos);
}

TEST_F(WxProfileStoreTest, MissingValuesGiveTheDefault) {
    CWxProfileStore store(m_path);
    store.WriteString("Settings", "Name", "abc");
    EXPECT_EQ(store.GetInt("Settings", "Nothing", -7), -7);
    EXPECT_EQ(store.GetInt("Nowhere", "Nothing", 42), 42);
    EXPECT_EQ(store.GetString("Settings", "Nothing", "既定"), "既定");
    EXPECT_EQ(store.GetInt("Settings", "Name", 5), 5); // not a number
}

TEST_F(WxProfileStoreTest, DeletingASectionRemovesOnlyThatSection) {
    {
        CWxProfileStore store(m_path);
        store.WriteString("Recent File List", "File1", "a");
        store.WriteString("Recent File List", "File2", "b");
        store.WriteInt("Settings", "Mode", 2);
        EXPECT_TRUE(store.DeleteSection("Recent File List"));
        EXPECT_TRUE(store.DeleteSection("Never Written"));
    }
    CWxProfileStore store(m_path);
    EXPECT_EQ(store.GetString("Recent File List", "File1", "gone"), "gone");
    EXPECT_EQ(store.GetString("Recent File List", "File2", "gone"), "gone");
    EXPECT_EQ(store.GetInt("Settings", "Mode", 0), 2);
    EXPECT_EQ(FileText(m_path).find("Recent File List"), std::string::npos);
}

TEST_F(WxProfileStoreTest, DefaultPathFollowsXdgConfigHome) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/tmp/xdg-here", 1);
    EXPECT_EQ(CWxProfileStore::DefaultPath("Marlox", "Quelm"), "/tmp/xdg-here/Marlox/Quelm.conf");
    unsetenv("XDG_CONFIG_HOME");
    std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    EXPECT_EQ(CWxProfileStore::DefaultPath("Marlox", "Quelm"), home + "/.config/Marlox/Quelm.conf");
    if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST_F(WxProfileStoreTest, AnyBytesReadBackExactlyAndPlainTextStaysPlain) {
    // Not UTF-8 (Latin-1, cut short, overlong), and a real character of the escape block.
    const std::string odd[] = {"/tmp/caf\xE9/\xFF\xFE.bin", "/tmp/\xE3\x81", "/tmp/\xC0\xAF",
                               "/tmp/\xF4\x8F\xB2\x80\xE3\x81\x82"};
    {
        std::filesystem::create_directories(std::filesystem::path(m_path).parent_path());
        std::ofstream old(m_path);
        // As an earlier version left it: plain UTF-8, and a number beyond 32 bits.
        old << "[Last Params]\nFile0=/home/利用者/データ.bin\n[Settings]\nFrameSizeX=99999999999\n";
    }
    {
        CWxProfileStore store(m_path);
        EXPECT_EQ(store.GetString("Last Params", "File0", ""), "/home/利用者/データ.bin");
        EXPECT_EQ(store.GetInt("Settings", "FrameSizeX", 0), 0);
        for (size_t i = 0; i < std::size(odd); ++i)
            EXPECT_TRUE(store.WriteString("Last Params", "File" + std::to_string(i + 1), odd[i]));
    }
    CWxProfileStore store(m_path);
    for (size_t i = 0; i < std::size(odd); ++i)
        EXPECT_EQ(store.GetString("Last Params", "File" + std::to_string(i + 1), ""), odd[i]) << i;
    EXPECT_NE(FileText(m_path).find("File0=/home/利用者/データ.bin"), std::string::npos);
}

TEST_F(WxProfileStoreTest, AFolderWhereTheFileShouldBeGivesOneWarningAndNoStrays) {
    ASSERT_TRUE(std::filesystem::create_directories(m_path));
    // wx would log an error at every write, and leave a temporary file each time.
    int logged = CWxProbe::CountLogged([&] {
        CWxProfileStore store(m_path);
        EXPECT_NE(store.Warning().find(m_path), std::string::npos);
        for (int i = 0; i < 5; ++i)
            store.WriteInt("Settings", "FrameSizeX", 800 + i);
        store.WriteString("Recent File List", "File1", "/tmp/a.bin");
        store.DeleteSection("Recent File List");
        EXPECT_EQ(store.GetInt("Settings", "FrameSizeX", 0), 804); // kept for this run
    });
    EXPECT_EQ(logged, 0);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.Path("Marlox")))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"Quelm.conf"});
    EXPECT_TRUE(std::filesystem::is_empty(m_path));
    // An ordinary file gives no warning.
    EXPECT_EQ(CWxProfileStore(m_dir.Path("other.conf")).Warning(), "");
}
