// Finding the files that ship with the program.
#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "app/resource.h"

namespace {

TEST(ProgramFolderOf, CutsTheNameAndTrailingSeparatorsAndLeadingBlanks) {
  struct Case {
    const char* path;
    const char* folder;
  } cases[] = {
      {"C:\\Program Files\\Orvanto\\orvanto.exe", "C:\\Program Files\\Orvanto"},
      {"C:\\orvanto.exe", "C:"},
      {"  C:\\Orvanto\\\\orvanto.exe", "C:\\Orvanto"},
      {"C:\\Orvanto/\\orvanto.exe", "C:\\Orvanto"},
      {"orvanto.exe", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgramFolderOf(c.path), c.folder) << c.path;
}

// FindProgramFile with a program folder of the test's own.
class FindProgramFileTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    m_app.SetRegistryKey("Orvanto");
    m_app.m_strProgramFolder = MakeTempFolder("orvanto program");
    CreateDirectoryA((m_app.m_strProgramFolder + "\\Help").c_str(), nullptr);
  }
};

TEST_F(FindProgramFileTest, ASubfolderOfTheProgramFolderIsLookedInFirst) {
  std::string shipped = m_app.m_strProgramFolder + "\\Help\\manual.chm";
  WriteFile(shipped, "help");
  Store("Help Folder", MakeTempFolder("orvanto elsewhere"));
  WriteFile(MakeTempFolder("orvanto elsewhere") + "\\manual.chm", "other");
  std::string path;
  ASSERT_TRUE(m_app.FindProgramFile("manual.chm", IDS_HELP_FOLDER_NAME, IDS_HELP_FOLDER, path));
  EXPECT_EQ(path, shipped);
  DeleteFileA(shipped.c_str());
}

TEST_F(FindProgramFileTest, AFileFoundByHandTellsWhereItsNeighboursAre) {
  std::string folder = MakeTempFolder("orvanto help by hand");
  WriteFile(folder + "\\fr_grammar.chm", "help");
  WriteFile(folder + "\\en_grammar.chm", "help");
  m_dialogs.m_chosenFiles = {folder + "\\fr_grammar.chm"};
  std::string path;
  ASSERT_TRUE(m_app.FindProgramFile("fr_grammar.chm", IDS_HELP_FOLDER_NAME, IDS_HELP_FOLDER, path));
  ASSERT_EQ(m_dialogs.m_messages.size(), 1u);
  EXPECT_EQ(m_dialogs.m_messages[0].m_strText,
            "Orvanto cannot find the file \"fr_grammar.chm\", which should be in the folder \"" +
                m_app.m_strProgramFolder + "\\Help\".");
  EXPECT_EQ(StoredString("Help Folder"), folder);

  ASSERT_TRUE(m_app.FindProgramFile("en_grammar.chm", IDS_HELP_FOLDER_NAME, IDS_HELP_FOLDER, path));
  EXPECT_EQ(path, folder + "\\en_grammar.chm");
  EXPECT_EQ(m_dialogs.m_messages.size(), 1u) << "not asked again";
}

TEST_F(FindProgramFileTest, TheChosenFileIsTakenWhateverItsName) {
  std::string folder = MakeTempFolder("orvanto other name");
  WriteFile(folder + "\\words.vbd", "x");
  m_dialogs.m_chosenFiles = {folder + "\\words.vbd"};
  std::string path;
  ASSERT_TRUE(m_app.FindProgramFile("fr_en.vbd", 0, IDS_DATA_FOLDER, path));
  EXPECT_EQ(path, folder + "\\words.vbd");
  EXPECT_EQ(StoredString("Data Folder"), folder);
  // The next search looks for the standard name in that folder.
  m_dialogs.m_chosenFiles = {};
  EXPECT_FALSE(m_app.FindProgramFile("fr_en.vbd", 0, IDS_DATA_FOLDER, path));
  EXPECT_EQ(m_dialogs.m_fileRequests.size(), 2u);
}

}  // namespace
