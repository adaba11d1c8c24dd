#include "framework/strings.h"

#include <gtest/gtest.h>

#include "framework/framework_test_ids.h"

TEST(LoadResourceString, LoadsLongTextsWhole) {
  std::string text = LoadResourceString(IDS_TEST_LONG);
  EXPECT_EQ(text.size(), 414u);
  EXPECT_EQ(text.substr(text.size() - 4), " end");
}

TEST(LoadResourceString, GivesWindows1252Bytes) {
  EXPECT_EQ(LoadResourceString(IDS_TEST_ACCENTED), "Caf\xE9 \x93" "cr\xE8me\x94");
}

TEST(LoadResourceString, MissingIdGivesEmptyText) { EXPECT_EQ(LoadResourceString(9999), ""); }

TEST(ReplaceAll, ReplacesEveryOccurrenceOnce) {
  struct Case {
    const char* text;
    const char* placeholder;
    const char* value;
    const char* expected;
  } cases[] = {
      {"<FILE> in <FOLDER>", "<FILE>", "a.vbd", "a.vbd in <FOLDER>"},
      {"\"<FOLDER>\" and \"<FOLDER>\"", "<FOLDER>", "C:", "\"C:\" and \"C:\""},
      {"<TEXT>", "<TEXT>", "x<TEXT>y", "x<TEXT>y"},
      {"none here", "<FILE>", "a", "none here"},
      {"<FILE><FILE>", "<FILE>", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.placeholder, c.value), c.expected) << c.text;
  }
}
