#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "shell/AppSettings.h"

namespace {
class AppSettingsTest : public ::testing::Test {
protected:
    // The settings as LoadSettings leaves them, stored back under their names.
    std::map<std::string, CMemoryProfileStore::Value> ReadBack() {
        AppSettings s;
        s.LoadSettings();
        s.SaveSettings();
        return *m_backend.m_profile.Section("Settings");
    }

    CHeadlessBackend m_backend;
    CProfileStore& m_store = m_backend.m_profile;
};
} // namespace

TEST_F(AppSettingsTest, FirstRunGivesTheDefaults) {
    AppSettings s;
    s.FrameSizeX = 99;
    s.LoadSettings();
    EXPECT_EQ(s.InitialMode, 0);
    EXPECT_EQ(s.AllowedMode, 2);
    EXPECT_EQ(s.bBackup, 1);
    EXPECT_EQ(s.nMaxOnMemoryFileSize, 16);
    EXPECT_EQ(s.bEditShortcut, 0);
    EXPECT_EQ(s.bReadLastFiles, 0);
    EXPECT_EQ(s.nJCode, 0);
    EXPECT_EQ(s.m_bSyncscrollTYpe, 0);
    EXPECT_EQ(s.FontFaceName, "FixedSys");
    EXPECT_EQ(s.FontHeight, -19);
    EXPECT_EQ(s.FrameSizeX, 0);
    EXPECT_EQ(s.FrameSizeY, 0);
    EXPECT_EQ(s.bFileBarVisible + s.bIndicatorVisible + s.bStatusBarVisible, 3);
    EXPECT_EQ(s.nMaxDocuments, 10);
    EXPECT_FALSE(m_backend.m_profile.HasSection("Settings")); // reading writes nothing
}

TEST_F(AppSettingsTest, EveryValueRoundTripsUnderItsOwnName) {
    AppSettings s;
    s.InitialMode = 2;
    s.bBackup = 0;
    s.AllowedMode = 1;
    s.bEditShortcut = 1;
    s.nMaxOnMemoryFileSize = 64;
    s.bReadLastFiles = 1;
    s.nJCode = 1;
    s.m_bSyncscrollTYpe = 1;
    s.FontFaceName = "ＭＳ ゴシック";
    s.FontHeight = -12;
    s.FrameSizeX = 800;
    s.FrameSizeY = 600;
    s.bFileBarVisible = 0;
    s.bIndicatorVisible = 0;
    s.bStatusBarVisible = 0;
    s.SaveSettings();
    EXPECT_EQ(m_store.GetInt("Settings", "m_bSyncscrollTYpe", -1), 1);
    EXPECT_EQ(m_store.GetInt("Settings", "FontHeight", 0), -12);
    EXPECT_EQ(m_backend.m_profile.Section("Settings")->size(), 15u);
    AppSettings t;
    t.LoadSettings();
    EXPECT_EQ(t.InitialMode, 2);
    EXPECT_EQ(t.bBackup, 0);
    EXPECT_EQ(t.AllowedMode, 1);
    EXPECT_EQ(t.bEditShortcut, 1);
    EXPECT_EQ(t.nMaxOnMemoryFileSize, 64);
    EXPECT_EQ(t.bReadLastFiles, 1);
    EXPECT_EQ(t.nJCode, 1);
    EXPECT_EQ(t.m_bSyncscrollTYpe, 1);
    EXPECT_EQ(t.FontFaceName, "ＭＳ ゴシック");
    EXPECT_EQ(t.FontHeight, -12);
    EXPECT_EQ(t.FrameSizeX, 800);
    EXPECT_EQ(t.FrameSizeY, 600);
    EXPECT_EQ(t.bFileBarVisible + t.bIndicatorVisible + t.bStatusBarVisible, 0);
}

TEST_F(AppSettingsTest, StoredValuesThatCannotBeUsedReadAsTheDefault) {
    m_backend.m_workArea = CSize(1024, 768);
    m_backend.m_nScreenDpi = 96; // the font dialog's 16 points are 21 pixels
    const std::pair<const char*, int> unusable[] = {
        {"InitialMode", 9},
        {"AllowedMode", -1},
        {"bBackup", 2},
        {"nMaxOnMemoryFileSize", 0},
        {"bEditShortcut", -1},
        {"bReadLastFiles", 7},
        {"nJCode", 5},
        {"m_bSyncscrollTYpe", 2},
        {"FontHeight", 0},
        {"FrameSizeX", 2147483647},
        {"FrameSizeY", 769},
        {"bFileBarVisible", 3},
        {"bIndicatorVisible", -5},
        {"bStatusBarVisible", 2},
    };
    for (auto [name, value] : unusable)
        m_store.WriteInt("Settings", name, value);
    m_store.WriteString("Settings", "FontFaceName", "");
    auto loaded = ReadBack();
    m_store.DeleteSection("Settings");
    EXPECT_EQ(loaded, ReadBack()); // the first run's defaults

    // Font heights beyond the dialog's largest size, or none at all.
    for (int height : {-2147483647 - 1, -100000, -22, 1}) {
        m_store.WriteInt("Settings", "FontHeight", height);
        EXPECT_EQ(std::get<int>(ReadBack().at("FontHeight")), -19) << height;
    }
    const std::pair<const char*, int> limits[] = {
        {"nMaxOnMemoryFileSize", 256}, {"FontHeight", -21}, {"FrameSizeX", 1024},
        {"FrameSizeY", 100},           {"InitialMode", 2},  {"nJCode", 2}};
    for (auto [name, value] : limits)
        m_store.WriteInt("Settings", name, value);
    auto kept = ReadBack();
    for (auto [name, value] : limits)
        EXPECT_EQ(std::get<int>(kept.at(name)), value) << name;

    m_store.WriteString("Settings", "AllowedMode", "two"); // wrong type reads as missing
    EXPECT_EQ(std::get<int>(ReadBack().at("AllowedMode")), 2);
}

TEST_F(AppSettingsTest, UntitledDocumentsAreLeftOutOfTheLastFilesList) {
    AppSettings s;
    // Any bytes of a file name come back as they were.
    const std::string latin1 = "/tmp/caf\xE9.bin";
    s.SaveLastFiles({"/a.bin", "", "/c.bin", latin1});
    EXPECT_EQ(m_store.GetString("Last Params", "File1", ""), "/c.bin");
    s.bReadLastFiles = 1;
    EXPECT_EQ(s.GetNextLastFile(), "/a.bin");
    EXPECT_EQ(s.GetNextLastFile(), "/c.bin");
    EXPECT_EQ(s.GetNextLastFile(), latin1);
    EXPECT_EQ(s.GetNextLastFile(), "");
    // A shorter list replaces the whole section.
    s.SaveLastFiles({"/z.bin"});
    EXPECT_EQ(m_store.GetString("Last Params", "File2", "gone"), "gone");
}

TEST_F(AppSettingsTest, ListIsNotReadWhenReopeningIsOff) {
    AppSettings s;
    s.SaveLastFiles({"/a.bin"});
    EXPECT_EQ(s.GetNextLastFile(), "");
    EXPECT_EQ(s.nLastFileIndex, 0);
    s.DeleteLastFiles();
    EXPECT_FALSE(m_backend.m_profile.HasSection("Last Params"));
}
