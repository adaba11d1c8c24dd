// Start-up and shutdown of the viewer: the dictionary found, asked for or
// refused, the interface language read and written back.
#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "app/dico_doc.h"
#include "app/resource.h"
#include "framework/doc_template.h"

namespace {

using StartupTest = ViewerTest;

TEST_F(StartupTest, AFreshUserGetsTheEnglishInterfaceAndItIsWrittenAtExit) {
  PlaceDictionary(m_strDictionaryBeside);
  ASSERT_TRUE(Start());
  EXPECT_EQ(m_app.m_nInterfaceLanguage, kEnglish);
  EXPECT_TRUE(IsWindowVisible(Frame()->m_hWnd));
  char title[32];
  GetWindowTextA(Frame()->m_hWnd, title, sizeof title);
  EXPECT_STREQ(title, "Orvanto");
  EXPECT_EQ(StatusText(), "Type a word to look it up");
  auto* document = static_cast<CDicoDoc*>(m_app.GetDocTemplate()->GetDocument());
  ASSERT_NE(document->GetDictionary(), nullptr);
  EXPECT_TRUE(document->GetDictionary()->IsValid());
  EXPECT_TRUE(m_dialogs.m_messages.empty());
  EXPECT_EQ(StoredString("Interface Language"), "<missing>") << "written only at exit";
  Close();
  EXPECT_EQ(StoredString("Interface Language"), "English");
}

TEST_F(StartupTest, OnlyTheExactWordFrenchGivesTheFrenchInterface) {
  struct Case {
    const char* stored;
    Language language;
    const char* firstPopup;
    const char* writtenAtExit;
  } cases[] = {
      {"French", kFrench, "&Fichier", "French"},
      {"french", kEnglish, "&File", "English"},
      {"English", kEnglish, "&File", "English"},
      {"", kEnglish, "&File", "English"},
  };
  PlaceDictionary(m_strDictionaryBeside);
  for (const Case& c : cases) {
    Store("Interface Language", c.stored);
    CDicoApp app;
    ASSERT_TRUE(app.InitInstance()) << c.stored;
    EXPECT_EQ(app.m_nInterfaceLanguage, c.language) << c.stored;
    char popup[32];
    GetMenuStringA(GetMenu(app.m_pMainWnd->m_hWnd), 0, popup, sizeof popup, MF_BYPOSITION);
    EXPECT_STREQ(popup, c.firstPopup) << c.stored;
    app.m_pMainWnd->SendMessage(WM_CLOSE);
    PumpPending(app);
    app.ExitInstance();
    EXPECT_EQ(StoredString("Interface Language"), c.writtenAtExit) << c.stored;
  }
}

TEST_F(StartupTest, TheDictionaryInTheRememberedDataFolderOpensWithoutAsking) {
  std::string folder = MakeTempFolder("orvanto data folder");
  PlaceDictionary(folder + "\\fr_en.vbd");
  Store("Data Folder", folder);
  ASSERT_TRUE(Start());
  EXPECT_TRUE(m_dialogs.m_messages.empty());
  EXPECT_TRUE(m_dialogs.m_fileRequests.empty());
}

TEST_F(StartupTest, AMissingDictionaryIsAskedForAndItsFolderRemembered) {
  std::string folder = MakeTempFolder("orvanto chosen folder");
  std::string chosen = folder + "\\my words.vbd";
  PlaceDictionary(chosen);
  m_dialogs.m_chosenFiles = {chosen};
  ASSERT_TRUE(Start());

  std::string programFolder = TestProgramFolder();
  ASSERT_EQ(m_dialogs.m_messages.size(), 1u);
  EXPECT_EQ(m_dialogs.m_messages[0].m_strText,
            "Orvanto cannot find the file \"fr_en.vbd\", which should be in the folder \"" +
                programFolder + "\\\".");
  EXPECT_EQ(m_dialogs.m_messages[0].m_strCaption, "Orvanto");
  EXPECT_EQ(m_dialogs.m_messages[0].m_nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  ASSERT_EQ(m_dialogs.m_fileRequests.size(), 1u);
  EXPECT_EQ(m_dialogs.m_fileRequests[0].m_strTitle, "Please find the file \"fr_en.vbd\"");
  EXPECT_EQ(m_dialogs.m_fileRequests[0].m_strInitialFolder, programFolder);
  EXPECT_FALSE(m_dialogs.m_fileRequests[0].m_bSave);
  EXPECT_EQ(StoredString("Data Folder"), folder);
}

TEST_F(StartupTest, TheFrenchInterfaceAsksInFrench) {
  Store("Interface Language", "French");
  m_dialogs.m_chosenFiles = {};  // the user cancels
  EXPECT_FALSE(Start());
  ASSERT_EQ(m_dialogs.m_messages.size(), 1u);
  std::string f = "\"";  // the program folder, quoted, with a trailing backslash
  f += TestProgramFolder() + "\\\"";
  EXPECT_EQ(m_dialogs.m_messages[0].m_strText,
            "Orvanto s'attend \xE0 trouver le fichier \"fr_en.vbd\" dans le dossier " + f + ".  " +
                f + " devrait se trouver dans le m\xEAme dossier que Orvanto.  En cliquant sur "
                "\"OK\" vous aurez l'occasion d'indiquer l'endroit o\xF9 se trouve \"fr_en.vbd\", "
                "mais afin d'\xE9viter que ce probl\xE8me ne se r\xE9p\xE8te, vous devriez mettre "
                "le dossier " + f + " dans le dossier d'Orvanto.");
  ASSERT_EQ(m_dialogs.m_fileRequests.size(), 1u);
  EXPECT_EQ(m_dialogs.m_fileRequests[0].m_strTitle, "Veuillez trouver le fichier \"fr_en.vbd\"");
}

TEST_F(StartupTest, CancellingTheSearchEndsTheStartUpWithoutAWindow) {
  EXPECT_FALSE(Start());
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  EXPECT_EQ(StoredString("Data Folder"), "<missing>");
}

TEST_F(StartupTest, AnInvalidDictionaryEndsTheStartUpWithoutAMessage) {
  WriteFile(m_strDictionaryBeside, "not a dictionary at all");
  EXPECT_FALSE(Start());
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  EXPECT_TRUE(m_dialogs.m_messages.empty());
}

TEST_F(StartupTest, ADocumentNameOnTheCommandLineEndsTheProgramWithoutAWindow) {
  PlaceDictionary(m_strDictionaryBeside);
  m_app.m_commandArgs = {m_strDictionaryBeside};
  EXPECT_FALSE(Start());
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "Orvanto"), nullptr);
}

}  // namespace
