#include "dictionary/charset.h"

#include <gtest/gtest.h>

TEST(Charset, LetterClassCoversAsciiAndLatin1LettersOnly) {
  for (int c : std::initializer_list<int>{'A', 'z', 0x8A, 0x8C, 0x9A, 0x9C, 0x9F, 0xC0, 0xD6, 0xD8, 0xDF, 0xF6, 0xF8, 0xFF})
    EXPECT_TRUE(IsLetter(static_cast<Byte>(c))) << c;
  for (int c : std::initializer_list<int>{'@', '[', '`', '{', '0', '-', 0x27, 0x80, 0x95, 0xAA, 0xBA, 0xD7, 0xF7, 0x00})
    EXPECT_FALSE(IsLetter(static_cast<Byte>(c))) << c;
}

TEST(Charset, BlanksAreAsciiWhiteSpaceOnly) {
  for (int c = 0; c < 256; ++c) {
    const bool expected = (c >= 0x09 && c <= 0x0D) || c == 0x20;
    EXPECT_EQ(IsBlank(static_cast<Byte>(c)), expected) << c;
  }
}

TEST(Charset, FoldRemovesAccentsAndCase) {
  struct Case {
    Byte in, folded;
  } cases[] = {
      {'E', 'e'},   {0xC9, 'e'},  {0xE9, 'e'},  {0x8C, 'o'},  {0x9C, 'o'},  {0xC6, 'a'},
      {0xE6, 'a'},  {0x9F, 'y'},  {0xFF, 'y'},  {0xFD, 'y'},  {0x8A, 's'},  {0xC7, 'c'},
      {0xD1, 'n'},  {0xD0, 0xF0}, {0xF0, 0xF0}, {0xD8, 0xF8}, {0xDE, 0xFE}, {0xDF, 0xDF},
      {0xD7, 0xD7}, {' ', ' '},   {'\t', '\t'}, {'1', '1'},
  };
  for (const Case& c : cases) EXPECT_EQ(FoldChar(c.in), c.folded) << int(c.in);
}

TEST(Charset, FoldOrderOfTablesDoesNotMatterAndLettersFoldToLetters) {
  for (int i = 0; i < 256; ++i) {
    const Byte c = static_cast<Byte>(i);
    EXPECT_EQ(FoldChar(c), StripAccent(ToLower(c))) << i;
    if (IsLetter(c)) {
      const Byte f = FoldChar(c);
      EXPECT_TRUE((f >= 'a' && f <= 'z') || f == 0xF0 || f == 0xF8 || f == 0xFE || f == 0xDF) << i;
    }
    EXPECT_EQ(IsBlank(FoldChar(c)), IsBlank(c)) << i;
  }
}

TEST(Charset, ToLowerKeepsMultiplicationSignAndMapsWindowsAdditions) {
  EXPECT_EQ(ToLower(0xD7), 0xD7);
  EXPECT_EQ(ToLower(0xC0), 0xE0);
  EXPECT_EQ(ToLower(0xDE), 0xFE);
  EXPECT_EQ(ToLower(0x9F), 0xFF);
  EXPECT_EQ(ToLower(0xDF), 0xDF);
}

TEST(Charset, MacRomanMapsToWindows1252) {
  struct Case {
    Byte mac, windows;
  } cases[] = {
      {0x0D, 0x0D}, {0x41, 0x41}, {0x80, 0xC4}, {0x8E, 0xE9}, {0x88, 0xE0}, {0xA5, 0x95},
      {0xA0, 0x86}, {0xC7, 0xAB}, {0xC8, 0xBB}, {0xCA, 0xA0}, {0xCE, 0x8C}, {0xCF, 0x9C},
      {0xD0, 0x96}, {0xD2, 0x93}, {0xD5, 0x92}, {0xD9, 0x9F}, {0xE1, 0xB7}, {0xBC, 0xBA},
      {0xFC, 0xB8}, {0xDB, 0xA4}, {0xAA, 0x99}, {0xC4, 0x83}, {0xA7, 0xDF}, {0x9F, 0xFC},
      {0xE9, 0xC8}, {0xF4, 0xD9},
  };
  for (const Case& c : cases) EXPECT_EQ(MacToWindows(c.mac), c.windows) << int(c.mac);
}

TEST(Charset, MacCharactersWithoutWindowsCodeKeepTheirByte) {
  const Byte unmapped[] = {0xAD, 0xB0, 0xB2, 0xB3, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBD, 0xC3, 0xC5, 0xC6,
                           0xD7, 0xDA, 0xDE, 0xDF, 0xF0, 0xF5, 0xF9, 0xFA, 0xFB, 0xFD, 0xFE, 0xFF};
  for (Byte c : unmapped) EXPECT_EQ(MacToWindows(c), c) << int(c);
}
