#include "dictionary/keywords.h"

#include <gtest/gtest.h>

#include "dictionary/test_support.h"

namespace {

class Keywords : public ::testing::Test {
 protected:
  void SetUp() override { FillStopWordSets(); }

  static std::vector<std::string> Extract(const char* text, Language language) {
    std::vector<std::string> words;
    for (const Text& k : ExtractKeywords(T(text).c_str(), language))
      words.emplace_back(k.begin(), k.end());
    return words;
  }
};

using Words = std::vector<std::string>;

}  // namespace

TEST_F(Keywords, ExtractFollowsArticleStopWordAndFirstWordRules) {
  struct Case {
    const char* text;
    Language language;
    Words keywords;
  } cases[] = {
      {"an apple", kEnglish, {"an", "apple"}},
      {"the house", kEnglish, {"house"}},
      {"to be", kEnglish, {"be"}},
      {"the", kEnglish, {"the"}},
      {"a", kEnglish, {"a"}},
      {"le chat noir", kFrench, {"chat", "noir"}},
      {"de rien", kFrench, {"de", "rien"}},
      {"\xE0 bient\xF4t", kFrench, {"\xE0", "bient\xF4t"}},
      {"L'Eau", kFrench, {"l", "eau"}},
      {"aujourd'hui", kFrench, {"aujourd'hui"}},
      {"don't know", kEnglish, {"don't", "know"}},
      {"Arc-en-Ciel", kFrench, {"arc-en-ciel"}},
      {"(fam.) bagnole", kFrench, {"bagnole"}},
      {"maison [n.f.] rouge", kFrench, {"maison"}},
      {"-ment", kFrench, {}},
      {"123", kFrench, {}},
      {"", kFrench, {}},
      {"pas \xE0 pas", kFrench, {"pas", "pas"}},
      {"(fig.) the", kEnglish, {"the"}},
      {"\xC9T\xC9 indien", kFrench, {"\xE9t\xE9", "indien"}},
      {"chat (ou [chien]) x", kFrench, {"chat"}},
      {"bien-\xEAtre tr\xE8s-bon -ment mot", kFrench, {"bien-\xEAtre", "tr\xE8s-bon", "mot"}},
      {"of mice and men", kEnglish, {"of", "mice", "and", "men"}},
      {"C\x9CUR", kFrench, {"c\x9C" "ur"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Extract(c.text, c.language), c.keywords) << c.text;
  EXPECT_TRUE(ExtractKeywords(nullptr, kEnglish).empty());
}

TEST_F(Keywords, StopWordMembershipIsExactBytes) {
  // "d\xE9" is not the stop word "de", so it is kept as a later word.
  EXPECT_EQ(Extract("chat de d\xE9", kFrench), (Words{"chat", "d\xE9"}));
  // English stop words do not apply to French text.
  EXPECT_EQ(Extract("chat with", kFrench), (Words{"chat", "with"}));
}

TEST_F(Keywords, FillingTheSetsTwiceChangesNothing) {
  FillStopWordSets();
  EXPECT_EQ(Extract("the house", kEnglish), (Words{"house"}));
}

TEST_F(Keywords, LocateGivesOrdinalAndSpan) {
  struct Case {
    const char* text;
    const char* keyword;
    Language language;
    int ordinal;
    int start, end;
  } cases[] = {
      {"de rien", "de", kFrench, 1, 0, 2},
      {"de rien", "rien", kFrench, 2, 3, 7},
      {"a", "a", kEnglish, 1, 0, 1},
      {"\xC9t\xE9 indien", "\xE9t\xE9", kFrench, 1, 0, 3},
      {"(fig.) the", "the", kEnglish, 1, 0, 3},
      {"le chat noir", "noir", kFrench, 3, 8, 12},
      {"le chat noir", "chien", kFrench, 3, 8, 0},
      {"pas \xE0 pas", "pas", kFrench, 1, 0, 3},
      {"maison [n.f.]", "maison", kFrench, 1, 0, 6},
      {"l'eau", "eau", kFrench, 2, 2, 5},
  };
  for (const Case& c : cases) {
    const KeywordLocation at = LocateKeyword(T(c.text).c_str(), T(c.keyword).c_str(), c.language);
    EXPECT_EQ(at.ordinal, c.ordinal) << c.text << " / " << c.keyword;
    EXPECT_EQ(at.start, c.start) << c.text << " / " << c.keyword;
    EXPECT_EQ(at.end, c.end) << c.text << " / " << c.keyword;
  }
}

TEST_F(Keywords, LocateHoldsOffsetsInEightBits) {
  // A keyword starting at byte 300 is recorded at 44; one at 250 of length 6 ends at 0.
  const Text at300 = T(std::string(299, ' ') + " mot");
  const KeywordLocation a = LocateKeyword(at300.c_str(), T("mot").c_str(), kFrench);
  EXPECT_EQ(a.start, 44);
  EXPECT_EQ(a.end, 47);
  const Text at250 = T(std::string(250, ' ') + "maison");
  const KeywordLocation b = LocateKeyword(at250.c_str(), T("maison").c_str(), kFrench);
  EXPECT_EQ(b.start, 250);
  EXPECT_EQ(b.end, 0);
}
