// The developer commands: a dictionary built from its source through the
// viewer's command equals the one the vbd tool builds; a Macintosh text
// converted; the dialogs asked for and what cancelling or failing leaves.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/view_test_support.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs the vbd tool built with the tests; its exit code, or -1.
int RunVbd(const std::string& arguments) {
  std::string commandLine = "\"";
  commandLine += TestProgramFolder();
  commandLine += "\\vbd.exe\" ";
  commandLine += arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = static_cast<DWORD>(-1);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

class DeveloperCommandsTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    m_strFolder = MakeTempFolder("orvanto developer commands");
  }
  std::string InFolder(const char* name) const { return m_strFolder + "\\" + name; }

  std::string m_strFolder;
};

TEST_F(DeveloperCommandsTest, BuildingTheSampleSourceGivesTheFileTheToolBuilds) {
  ASSERT_TRUE(Start());
  const std::string built = InFolder("built.vbd");
  const std::string expected = InFolder("expected.vbd");
  DeleteFileA(built.c_str());
  m_dialogs.m_chosenFiles = {ORVANTO_SAMPLE_SOURCE, built};
  Frame()->SendMessage(WM_COMMAND, ID_BUILD_DICTIONARY);

  ASSERT_EQ(m_dialogs.m_fileRequests.size(), 2u);
  EXPECT_EQ(m_dialogs.m_fileRequests[0].m_strTitle, "Text Dictionary (Source) File");
  EXPECT_FALSE(m_dialogs.m_fileRequests[0].m_bSave);
  EXPECT_EQ(m_dialogs.m_fileRequests[1].m_strTitle, "Compiled Dictionary (Destination) File");
  EXPECT_TRUE(m_dialogs.m_fileRequests[1].m_bSave) << "asks before overwriting";
  EXPECT_TRUE(m_dialogs.m_messages.empty()) << "the command reports nothing";

  std::string arguments = "build \"" ORVANTO_SAMPLE_SOURCE "\" \"";
  arguments += expected;
  arguments += '"';
  ASSERT_EQ(RunVbd(arguments), 0);
  const std::string bytes = ReadFile(built);
  EXPECT_GT(bytes.size(), 448u);
  EXPECT_TRUE(bytes == ReadFile(expected)) << "the two compiled files differ";
}

TEST_F(DeveloperCommandsTest, TheMacToWindowsCommandConvertsCharactersAndLineEnds) {
  ASSERT_TRUE(Start());
  const std::string source = InFolder("mac.txt");
  const std::string converted = InFolder("windows.txt");
  WriteFile(source, "caf\x8E\ra\r\nb\xA5\r");
  m_dialogs.m_chosenFiles = {source, converted};
  Frame()->SendMessage(WM_COMMAND, ID_MAC_TO_WINDOWS);
  ASSERT_EQ(m_dialogs.m_fileRequests.size(), 2u);
  EXPECT_EQ(m_dialogs.m_fileRequests[0].m_strTitle, "Source Mac Text File");
  EXPECT_EQ(m_dialogs.m_fileRequests[1].m_strTitle, "Destination Windows Text File");
  EXPECT_TRUE(m_dialogs.m_fileRequests[1].m_bSave);
  EXPECT_EQ(ReadFile(converted), "caf\xE9\r\na\nb\x95\r\n");
}

TEST_F(DeveloperCommandsTest, CancellingOrAnUnreadableSourceLeavesEveryFileAsItWas) {
  ASSERT_TRUE(Start());
  const std::string source = InFolder("source.txt");
  const std::string destination = InFolder("destination");
  WriteFile(source, "chat = cat\r\n");
  struct Case {
    const char* what;
    std::vector<std::string> answers;
    size_t dialogs;
  } cases[] = {
      {"first dialog cancelled", {}, 1},
      {"second dialog cancelled", {source}, 2},
      {"source missing", {InFolder("missing.txt"), destination}, 2},
  };
  for (UINT command : {ID_BUILD_DICTIONARY, ID_MAC_TO_WINDOWS}) {
    for (const Case& c : cases) {
      WriteFile(destination, "kept");
      m_dialogs.m_fileRequests.clear();
      m_dialogs.m_chosenFiles = c.answers;
      Frame()->SendMessage(WM_COMMAND, command);
      EXPECT_EQ(m_dialogs.m_fileRequests.size(), c.dialogs) << command << " " << c.what;
      EXPECT_EQ(ReadFile(destination), "kept") << command << " " << c.what;
    }
  }
  EXPECT_FALSE(FileExists(InFolder("missing.txt")));
}

TEST_F(DeveloperCommandsTest, TheOpenDictionaryCannotBeTheDestination) {
  Store("Language", "French");
  ASSERT_TRUE(Start());
  const std::string before = ReadFile(m_strDictionaryBeside);
  const std::string source = InFolder("source.txt");
  WriteFile(source, "chat = cat\r\n");
  m_dialogs.m_chosenFiles = {source, m_strDictionaryBeside};
  View()->OnBuildDictionary();
  EXPECT_EQ(ReadFile(m_strDictionaryBeside), before);
  Type("mai");
  EXPECT_EQ(CurrentEntry(), "maison") << "the dictionary still reads";
}

}  // namespace
