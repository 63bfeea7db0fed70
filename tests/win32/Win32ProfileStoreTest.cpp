// Settings in the real registry of the wine prefix, under a key of the tests' own.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/base/win32/WinPath.h"
#include "platform/win32/Win32ProfileStore.h"

namespace {
const char kTestKey[] = "Software\\Marlox\\QuelmTest";

class Win32ProfileStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(kTestKey).c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(kTestKey).c_str()); }
    static std::wstring Wide(const std::string& s) { return CWinPath::ToWide(s); }

    // The type of a value as another program reading the registry finds it; 0 when missing.
    static DWORD TypeOf(const std::string& section, const std::string& entry) {
        DWORD type = 0;
        std::wstring key = Wide(std::string(kTestKey) + "\\" + section);
        if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), Wide(entry).c_str(), RRF_RT_ANY, &type,
                         nullptr, nullptr) != ERROR_SUCCESS)
            return 0;
        return type;
    }

    CWin32ProfileStore m_store{kTestKey};
};
} // namespace

TEST_F(Win32ProfileStoreTest, ValuesRoundTripAsTheirRegistryTypes) {
    EXPECT_EQ(m_store.GetInt("Settings", "nMaxOnMemory", 16), 16);
    EXPECT_EQ(m_store.GetString("Settings", "strFont", "Terminal"), "Terminal");
    for (int value : {0, 1, -1, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(m_store.WriteInt("Settings", "nMaxOnMemory", value));
        EXPECT_EQ(m_store.GetInt("Settings", "nMaxOnMemory", 7), value);
    }
    const std::string japanese = "C:\\データ\\\xCE\xB1-\xF0\x9F\x98\x80.bin";
    const std::string notUtf8("name\xFF\x81\x40", 7); // a code page 932 file name, say
    for (const std::string& value : {std::string(), std::string("FixedSys"), japanese, notUtf8}) {
        ASSERT_TRUE(m_store.WriteString("Recent File List", "File1", value));
        EXPECT_EQ(m_store.GetString("Recent File List", "File1", "default"), value);
    }
    EXPECT_EQ(TypeOf("Settings", "nMaxOnMemory"), DWORD(REG_DWORD));
    ASSERT_TRUE(m_store.WriteString("Recent File List", "File1", japanese));
    EXPECT_EQ(TypeOf("Recent File List", "File1"), DWORD(REG_SZ));
    // A string is not an integer, nor an integer a string.
    EXPECT_EQ(m_store.GetInt("Recent File List", "File1", 5), 5);
    EXPECT_EQ(m_store.GetString("Settings", "nMaxOnMemory", "d"), "d");
}

TEST_F(Win32ProfileStoreTest, ValuesWrittenByRegeditAreRead) {
    std::wstring key = Wide(std::string(kTestKey) + "\\Settings");
    const wchar_t face[] = L"ＭＳ ゴシック";
    ASSERT_EQ(
        RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"strFont", REG_SZ, face, sizeof face),
        ERROR_SUCCESS);
    DWORD size = 12;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"nFontSize", REG_DWORD, &size,
                              sizeof size),
              ERROR_SUCCESS);
    EXPECT_EQ(m_store.GetString("Settings", "strFont", ""), CWinPath::ToUtf8(face));
    EXPECT_EQ(m_store.GetInt("Settings", "nFontSize", 0), 12);
}

TEST_F(Win32ProfileStoreTest, DeletingASectionTakesItsKeyAndLeavesTheOthers) {
    ASSERT_TRUE(m_store.WriteString("Last Params", "File0", "a.bin"));
    ASSERT_TRUE(m_store.WriteString("Last Params", "File1", "b.bin"));
    ASSERT_TRUE(m_store.WriteInt("Settings", "bBackup", 1));
    ASSERT_TRUE(m_store.DeleteSection("Last Params"));
    EXPECT_EQ(m_store.GetString("Last Params", "File0", "gone"), "gone");
    EXPECT_EQ(TypeOf("Last Params", "File1"), 0u);
    HKEY key;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER,
                            Wide(std::string(kTestKey) + "\\Last Params").c_str(), 0, KEY_READ,
                            &key),
              ERROR_SUCCESS);
    EXPECT_EQ(m_store.GetInt("Settings", "bBackup", 0), 1);
    EXPECT_TRUE(m_store.DeleteSection("Never Written"));
}

TEST(Win32ProfileStore, TheProgramsKeyIsUnderItsVendor) {
    EXPECT_EQ(CWin32ProfileStore::DefaultKey("Marlox", "Quelm"), "Software\\Marlox\\Quelm");
}
