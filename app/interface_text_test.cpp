// Interface texts: the French id of each text, the texts themselves, and the
// language words of the settings.
#include <gtest/gtest.h>

#include "app/dico_app.h"
#include "app/resource.h"
#include "framework/strings.h"

namespace {

TEST(InterfaceText, TheFrenchInterfaceMapsIdsAndTheEnglishOneKeepsThem) {
  struct Case {
    UINT id;
    UINT french;
  } cases[] = {
      {13000, 13001}, {13100, 13101}, {13998, 13999}, {13999, 13999},  // the bilingual block
      {12999, 12999}, {12300, 12300}, {12200, 12200},                  // never raised
      {11006, 12544}, {11040, 12540}, {11041, 12542}, {11042, 12541}, {11043, 12543},
      {11060, 12561}, {11061, 12562}, {11062, 12563}, {11063, 12564}, {11070, 12567},
      {57601, 12520}, {57634, 12531}, {57635, 12532}, {57637, 12533}, {57664, 12509},
      {57665, 12508}, {61184, 12501}, {61185, 12502}, {61186, 12503}, {61187, 12504},
      {61190, 12506}, {61202, 12507}, {57345, 12500}, {14, 13},       {12211, 12212},
      {11071, 11071}, {1, 1},         {15, 15},
  };
  CDicoApp app;
  for (const Case& c : cases) {
    app.m_nInterfaceLanguage = kEnglish;
    EXPECT_EQ(app.GetInterfaceStringId(c.id), c.id);
    app.m_nInterfaceLanguage = kFrench;
    EXPECT_EQ(app.GetInterfaceStringId(c.id), c.french) << c.id;
  }
}

TEST(InterfaceText, TextsLoadWholeInEitherLanguage) {
  CDicoApp app;
  app.m_nInterfaceLanguage = kEnglish;
  EXPECT_EQ(app.LoadInterfaceString(IDS_FIND_FILE_TITLE), "Please find the file \"<FILE>\"");
  EXPECT_EQ(app.LoadInterfaceString(IDS_LOOKING_FOR_SPEECH), "Looking for speech engines...");
  EXPECT_EQ(app.LoadInterfaceString(57665), "Quit the application\nExit");
  app.m_nInterfaceLanguage = kFrench;
  EXPECT_EQ(app.LoadInterfaceString(IDS_LOOKING_FOR_SPEECH),
            "Recherche moteurs de synth\xE8se vocale...\n");
  EXPECT_EQ(app.LoadInterfaceString(IDS_ABOUT_TITLE), "\xC0 propros d'Orvanto");
  EXPECT_EQ(app.LoadInterfaceString(IDS_SELECT_VOICE), "Choisir un voice");
  EXPECT_EQ(app.LoadInterfaceString(57665), "Ferme l'application\nQuitter");
  EXPECT_EQ(app.LoadInterfaceString(IDS_MANUAL_TOPIC), "::/FrWinDoc.html");
}

TEST(InterfaceText, EveryTextOfTheViewerExistsInBothLanguages) {
  CDicoApp app;
  // 13998 has no text: its French id holds the closing marker.
  for (UINT id = IDS_BILINGUAL_FIRST + 2; id < IDS_BILINGUAL_LAST - 1; id += 2) {
    app.m_nInterfaceLanguage = kEnglish;
    bool english = !app.LoadInterfaceString(id).empty();
    app.m_nInterfaceLanguage = kFrench;
    bool french = !app.LoadInterfaceString(id).empty();
    EXPECT_EQ(english, french) << id;
  }
  const UINT prompts[] = {11006, 11040, 11041, 11042, 11043, 11060, 11061, 11062, 11063, 11070,
                          57601, 57634, 57635, 57637, 57664, 57665, 61184, 61185, 61186, 61187,
                          61190, 61202, 57345};
  for (UINT id : prompts) {
    app.m_nInterfaceLanguage = kEnglish;
    EXPECT_FALSE(app.LoadInterfaceString(id).empty()) << id;
    app.m_nInterfaceLanguage = kFrench;
    EXPECT_FALSE(app.LoadInterfaceString(id).empty()) << id;
  }
}

TEST(InterfaceText, LanguageSettingsAreTheEnglishWordsWhateverTheInterface) {
  EXPECT_EQ(LanguageOfSetting("French"), kFrench);
  EXPECT_EQ(LanguageOfSetting("french"), kEnglish);
  EXPECT_EQ(LanguageOfSetting("fran\xE7" "ais"), kEnglish);
  EXPECT_EQ(LanguageOfSetting("French "), kEnglish);
  EXPECT_EQ(LanguageOfSetting(""), kEnglish);
  CDicoApp app;
  app.m_nInterfaceLanguage = kFrench;
  EXPECT_EQ(SettingOfLanguage(kEnglish), "English");
  EXPECT_EQ(SettingOfLanguage(kFrench), "French");
}

}  // namespace
