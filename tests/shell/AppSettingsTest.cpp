#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "shell/AppSettings.h"

namespace {
class AppSettingsTest : public ::testing::Test {
protected:
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

TEST_F(AppSettingsTest, OddStoredValuesAreTakenAsStored) {
    m_store.WriteInt("Settings", "nMaxOnMemoryFileSize", 0);
    m_store.WriteInt("Settings", "nJCode", 7);
    m_store.WriteString("Settings", "AllowedMode", "two"); // wrong type reads as missing
    AppSettings s;
    s.LoadSettings();
    EXPECT_EQ(s.nMaxOnMemoryFileSize, 0);
    EXPECT_EQ(s.nJCode, 7);
    EXPECT_EQ(s.AllowedMode, 2);
}

TEST_F(AppSettingsTest, UntitledDocumentEndsTheLastFilesList) {
    AppSettings s;
    s.SaveLastFiles({"/a.bin", "", "/c.bin"});
    EXPECT_EQ(m_store.GetString("Last Params", "File1", "x"), "");
    EXPECT_EQ(m_store.GetString("Last Params", "File2", ""), "/c.bin");
    s.bReadLastFiles = 1;
    EXPECT_EQ(s.GetNextLastFile(), "/a.bin");
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
