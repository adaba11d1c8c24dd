#include "framework/profile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "framework/gui_test_support.h"

namespace {

const char kKeyName[] = "OrvantoFrameworkTest";
const char kSectionPath[] = "Software\\OrvantoFrameworkTest\\Profile Test\\Settings";

class ProfileTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteUserKey(std::string("Software\\") + kKeyName);
    m_profile.SetRegistryKey(kKeyName, "Profile Test");
  }
  void TearDown() override { DeleteUserKey(std::string("Software\\") + kKeyName); }

  // The type of a value as the registry holds it, 0 when missing.
  static DWORD StoredType(const char* entry) {
    DWORD type = 0;
    RegGetValueA(HKEY_CURRENT_USER, kSectionPath, entry, RRF_RT_ANY, &type, nullptr, nullptr);
    return type;
  }

  RegistryProfile m_profile;
};

TEST_F(ProfileTest, MissingValuesGiveTheDefaultsAndReadingCreatesTheKey) {
  EXPECT_EQ(m_profile.GetString("Settings", "Font"), "");
  EXPECT_EQ(m_profile.GetString("Settings", "Font", "Arial"), "Arial");
  EXPECT_EQ(m_profile.GetInt("Settings", "Font Size"), 0);
  EXPECT_EQ(m_profile.GetInt("Settings", "Font Size", 25), 25);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(ProfileTest, ValuesAreStoredAsStringsAndDwordsUnderTheSection) {
  std::string history = "caf\xE9\nthe\n";
  EXPECT_TRUE(m_profile.WriteString("Settings", "History", history));
  EXPECT_TRUE(m_profile.WriteInt("Settings", "Window Left", -120));
  EXPECT_EQ(StoredType("History"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(StoredType("Window Left"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(m_profile.GetString("Settings", "History"), history);
  EXPECT_EQ(m_profile.GetInt("Settings", "Window Left"), -120);
}

TEST_F(ProfileTest, AValueOfTheOtherTypeReadsAsTheDefault) {
  m_profile.WriteString("Settings", "Font Size", "120");
  m_profile.WriteInt("Settings", "Font", 3);
  EXPECT_EQ(m_profile.GetInt("Settings", "Font Size", 100), 100);
  EXPECT_EQ(m_profile.GetString("Settings", "Font", "Arial"), "Arial");
}

}  // namespace
