#include "dictionary/collation.h"

#include <gtest/gtest.h>

#include "dictionary/test_support.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

struct CompareCase {
  const char* key;
  const char* text;
  bool prefix;
  int sign;
};

// Windows-1252: \xE9 é, \xC9 É, \x9C œ, \xE6 æ.
const CompareCase kCases[] = {
    {"Ete", "\xE9t\xE9", false, 0},
    {"\xC9T\xC9", "ete", false, 0},
    {"c\x9C" "ur", "cour", false, 0},
    {"coeur", "c\x9C" "ur", false, -1},
    {"\xE6", "A", false, 0},
    {"pomme  de terre", "pomme de\tterre", false, 0},
    {"pommede", "pomme de", false, 1},
    {"mai", "maison", true, 0},
    {"mai", "maison", false, -1},
    {"maisons", "maison", true, 1},
    {"", "abc", true, 0},
    {"", "abc", false, -1},
    {"abc", "", false, 1},
    {"b", "a", true, 1},
    {"house", "house", false, 0},
};

}  // namespace

TEST(CompareText, PlainTextsFoldCaseAccentsLigaturesAndBlankRuns) {
  for (const CompareCase& c : kCases)
    EXPECT_EQ(Sign(CompareText(T(c.key).c_str(), T(c.text).c_str(), 0, c.prefix)), c.sign)
        << c.key << " / " << c.text;
}

TEST(CompareText, StoredTextsCompareAsTheirPlainBytes) {
  for (uint32_t position : {1u, 452u, 255u, 256u, 0x7FFFFFFFu, 0xFFFFFFF0u}) {
    for (const CompareCase& c : kCases) {
      const Text stored = StoreAt(T(c.text), position);
      EXPECT_EQ(Sign(CompareText(T(c.key).c_str(), stored.c_str(), position, c.prefix)), c.sign)
          << c.key << " / " << c.text << " at " << position;
    }
  }
}

TEST(CompareText, BlankSkipStopsAtTheTerminatorEvenWhereItDecodesToABlank) {
  // At position 32 a stored 0 would decode to 0x20; it must still end the text.
  const Text stored = StoreAt(T("ab "), 29);
  EXPECT_EQ(DecodeStoredByte(0, 32), 0x20);
  EXPECT_EQ(CompareText(T("ab c").c_str(), stored.c_str(), 29, false), 'c');
  EXPECT_EQ(CompareText(T("ab ").c_str(), stored.c_str(), 29, false), 0);
}

TEST(CompareText, LimitEndsTheStoredText) {
  const Text stored = StoreAt(T("maison"), 100);
  EXPECT_EQ(CompareText(T("mai").c_str(), stored.c_str(), 100, false, stored.c_str() + 3), 0);
  EXPECT_GT(CompareText(T("mais").c_str(), stored.c_str(), 100, true, stored.c_str() + 3), 0);
}

TEST(CompareText, AbsentTextsCompareEqual) {
  EXPECT_EQ(CompareText(nullptr, T("a").c_str(), 0, false), 0);
  EXPECT_EQ(CompareText(T("a").c_str(), nullptr, 0, false), 0);
}

TEST(TextOrder, EqualityAndLessFollowTheComparison) {
  EXPECT_TRUE(TextsEqual(T("Maison"), T("maison")));
  EXPECT_TRUE(TextsEqual(T("c\x9C" "ur"), T("COUR")));
  EXPECT_FALSE(TextsEqual(T("maison"), T("maisons")));
  EXPECT_TRUE(TextLess(T("home"), T("house")));
  EXPECT_FALSE(TextLess(T("house"), T("home")));
  EXPECT_FALSE(TextLess(T("house"), T("HOUSE")));
}

TEST(StoredText, EncodeAndDecodeUndoEachOtherAtEveryPosition) {
  // The three letters of "abc" at 452-454 all store as 0x9B.
  EXPECT_EQ(StoreAt(T("abc"), 452), T("\x9B\x9B\x9B"));
  for (uint64_t p = 1; p <= 0x80000000u; p = p * 3 + 1) {
    for (int c = 1; c < 256; ++c) {
      const Byte stored = EncodeStoredByte(static_cast<Byte>(c), static_cast<uint32_t>(p));
      ASSERT_NE(stored, 0) << p;
      ASSERT_EQ(DecodeStoredByte(stored, static_cast<uint32_t>(p)), c) << p;
    }
  }
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(EncodeStoredByte(static_cast<Byte>(c), 0), c);
    EXPECT_EQ(DecodeStoredByte(static_cast<Byte>(c), 0), c);
  }
  EXPECT_EQ(NextPosition(0), 0u);
  EXPECT_EQ(NextPosition(452), 453u);
}
