#include "dictionary/dictionary_builder.h"

#include <gtest/gtest.h>

#include "dictionary/build_fixture.h"
#include "dictionary/dictionary_file.h"
#include "dictionary/test_support.h"

namespace {

void Put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// A language with one entry and one letter block.
void PutLanguage(Bytes& b, uint32_t entriesOffset, char letter, uint32_t count,
                 uint32_t blockOffset) {
  Put32(b, 1);
  Put32(b, entriesOffset);
  Put32(b, count);
  for (char c = 'a'; c <= 'z'; ++c) Put32(b, c == letter ? count : 0);
  for (char c = 'a'; c <= 'z'; ++c) Put32(b, c <= letter ? blockOffset : blockOffset + 6 * count);
}

void PutRecord(Bytes& b, uint32_t entry, unsigned char start, unsigned char end) {
  Put32(b, entry);
  b.push_back(start);
  b.push_back(end);
}

// Every record of a language's index, in order, as "<text>|main" or "<text>|trans".
std::vector<std::string> IndexOf(const DictionaryFile& dictionary, Language language) {
  std::vector<std::string> lines;
  for (int i = 0; i < dictionary.RecordCount(language); ++i) {
    Text text;
    int start, end;
    dictionary.GetEntryText(i, language, text, start, end);
    lines.push_back(std::string(text.begin(), text.end()) + (end != 0 ? "|main" : "|trans"));
  }
  return lines;
}

using Lines = std::vector<std::string>;

class Builder : public ::testing::Test {
 protected:
  std::string path = TempPath("builder_test.vbd");
};

}  // namespace

TEST_F(Builder, OneLineGivesTheDocumentedFileByteForByte) {
  EXPECT_EQ(CompileSource("maison = house\n", path), 0);
  Bytes expected;
  Put32(expected, 0x00EEFFC0);
  Put32(expected, 779);
  PutLanguage(expected, 448, 'h', 2, 472);
  PutLanguage(expected, 460, 'm', 2, 484);
  ASSERT_EQ(expected.size(), 448u);
  Put32(expected, 472);
  for (unsigned char c : {0xA2, 0xA8, 0xAD, 0xAA, 0x9B, 0, 0, 0}) expected.push_back(c);
  Put32(expected, 484);
  for (unsigned char c : {0x9B, 0x8E, 0x95, 0x9E, 0x99, 0x97, 0, 0}) expected.push_back(c);
  PutRecord(expected, 448, 0, 5);
  PutRecord(expected, 460, 0, 0);
  PutRecord(expected, 460, 0, 6);
  PutRecord(expected, 448, 0, 0);
  EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST_F(Builder, LinesSharingASideLinkBothWays) {
  CompileSource("maison = house\nmaison = home\n", path);
  DictionaryFile d(path.c_str());
  ASSERT_TRUE(d.IsValid());
  EXPECT_EQ(IndexOf(d, kFrench), (Lines{"maison|main", "home|trans", "house|trans"}));
  EXPECT_EQ(IndexOf(d, kEnglish), (Lines{"home|main", "maison|trans", "house|main", "maison|trans"}));
}

TEST_F(Builder, FirstTextMetIsKeptForEqualTexts) {
  CompileSource("maison = house\nMaison = home\n", path);
  DictionaryFile d(path.c_str());
  EXPECT_EQ(IndexOf(d, kFrench), (Lines{"maison|main", "home|trans", "house|trans"}));
}

TEST_F(Builder, EntriesUnderAKeywordRankByMarkerOrdinalHeadAndText) {
  const char* lines[] = {"chat * = cat (pej.)\n", "le chat = the cat\n", "chat [n.m.] = tomcat\n",
                         "chat = cat\n"};
  const Lines expected{"chat|main",   "cat|trans",     "chat [n.m.]|main", "tomcat|trans",
                       "le chat|main", "the cat|trans", "chat *|main",      "cat (pej.)|trans"};
  for (int rotation = 0; rotation < 4; ++rotation) {
    std::string source;
    for (int i = 0; i < 4; ++i) source += lines[(i + rotation) % 4];
    CompileSource(source, path);
    DictionaryFile d(path.c_str());
    EXPECT_EQ(IndexOf(d, kFrench), expected) << source;
  }
}

TEST_F(Builder, APartWithoutEqualsRunsOverLineEnds) {
  CompileSource("grand\nchien = big dog\n", path);
  DictionaryFile d(path.c_str());
  EXPECT_EQ(IndexOf(d, kFrench),
            (Lines{"grand\nchien|main", "big dog|trans", "grand\nchien|main", "big dog|trans"}));
}

TEST_F(Builder, PartLengthLimitIs499Bytes) {
  const std::string longest(499, 'a');
  EXPECT_EQ(CompileSource(longest + "=x\nchat = cat\n", path), 0);
  EXPECT_EQ(DictionaryFile(path.c_str()).RecordCount(kFrench), 4);
  EXPECT_EQ(CompileSource("chat = cat\n" + longest + "a=x\nchien = dog\n", path), 2);
  EXPECT_EQ(IndexOf(DictionaryFile(path.c_str()), kFrench), (Lines{"chat|main", "cat|trans"}));
  EXPECT_EQ(CompileSource("chat = " + longest + "b\nchien = dog\n", path), 1);
  EXPECT_EQ(DictionaryFile(path.c_str()).RecordCount(kFrench), 0);
}

TEST_F(Builder, EmptyEnglishSideIsAnUnindexedEightByteEntry) {
  CompileSource("chat =\n", path);
  const Bytes bytes = ReadFileBytes(path);
  // The English entry record at 448: first index offset 0, terminator, padding.
  ASSERT_GE(bytes.size(), 456u);
  EXPECT_EQ(Bytes(bytes.begin() + 448, bytes.begin() + 456), (Bytes{0, 0, 0, 0, 0, 0, 0, 0}));
  DictionaryFile d(path.c_str());
  EXPECT_EQ(d.RecordCount(kEnglish), 0);
  EXPECT_EQ(IndexOf(d, kFrench), (Lines{"chat|main", "|trans"}));
}

TEST_F(Builder, LastLineWithoutLineEnd) {
  EXPECT_EQ(CompileSource("chat = cat\nchien = dog", path), 0);
  EXPECT_EQ(DictionaryFile(path.c_str()).RecordCount(kFrench), 4);
  EXPECT_EQ(CompileSource("chat = cat\nchien =", path), 2);
  EXPECT_EQ(DictionaryFile(path.c_str()).RecordCount(kFrench), 2);
}

TEST_F(Builder, SourceIsReadAsText) {
  CompileSource("chat = cat\nchien = dog\n", path);
  const Bytes lf = ReadFileBytes(path);
  CompileSource("chat = cat\r\nchien = dog\r\n\x1A" "cheval = horse\n", path);
  EXPECT_EQ(ReadFileBytes(path), lf);
}

TEST_F(Builder, KeywordsOutsideTheLettersFollowTheZBlockUnreachable) {
  // \xD8 is the letter Ø, whose fold lies outside a-z.
  CompileSource("\xD8resund = sound\nzoo = zoo\n", path);
  const Bytes bytes = ReadFileBytes(path);
  DictionaryFile d(path.c_str());
  ASSERT_TRUE(d.IsValid());
  EXPECT_EQ(IndexOf(d, kFrench), (Lines{"zoo|main", "zoo|trans"}));
  int first, last;
  EXPECT_FALSE(d.Lookup(T("\xF8resund").c_str(), kFrench, first, last));
  EXPECT_EQ(first, -1);
  // Its group (a main and a translation record) is still written, after the z block.
  auto read32 = [&bytes](size_t at) { return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24; };
  const uint32_t frenchBlocksEnd = read32(344 + 25 * 4) + 6 * read32(240 + 25 * 4);
  EXPECT_EQ(bytes.size(), frenchBlocksEnd + 12u);
}
