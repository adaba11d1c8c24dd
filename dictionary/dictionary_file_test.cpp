#include "dictionary/dictionary_file.h"

#include <gtest/gtest.h>

#include "dictionary/build_fixture.h"
#include "dictionary/test_support.h"

namespace {

std::string Str(const Text& t) { return std::string(t.begin(), t.end()); }

class Reader : public ::testing::Test {
 protected:
  std::string path = TempPath("reader_test.vbd");

  struct Found {
    bool found;
    int first, last;
    std::string text;  // the text at first, when there is one
  };

  Found Look(const DictionaryFile& d, const char* typed, Language language) {
    Found f{};
    f.found = d.Lookup(T(typed).c_str(), language, f.first, f.last);
    if (f.first >= 0 && f.first < d.RecordCount(language)) {
      Text text;
      int start, end;
      d.GetEntryText(f.first, language, text, start, end);
      f.text = Str(text);
    }
    return f;
  }
};

}  // namespace

TEST_F(Reader, OneLineDictionary) {
  CompileSource("maison = house\n", path);
  DictionaryFile d(path.c_str());
  ASSERT_TRUE(d.IsValid());
  EXPECT_EQ(d.RecordCount(kEnglish), 2);
  EXPECT_EQ(d.RecordCount(kEnglish, 'h'), 2);
  EXPECT_EQ(d.RecordCount(kEnglish, 'H'), 2);
  EXPECT_EQ(d.RecordCount(kEnglish, 'm'), 0);
  EXPECT_EQ(d.RecordCount(kEnglish, '1'), 0);
  EXPECT_EQ(d.RecordCount(kEnglish, 0xDF), 0);
  for (const char* typed : {"house", "HOUSE", "H\xF4use", "ho"}) {
    const Found f = Look(d, typed, kEnglish);
    EXPECT_TRUE(f.found) << typed;
    EXPECT_EQ(f.first, 0) << typed;
    EXPECT_EQ(f.last, 1) << typed;
  }
  Text markup;
  EXPECT_TRUE(d.GetEntryMarkup(0, kEnglish, markup));
  EXPECT_EQ(Str(markup), "\\bhouse");
  EXPECT_FALSE(d.GetEntryMarkup(1, kEnglish, markup));
  EXPECT_EQ(Str(markup), "maison");
  EXPECT_TRUE(d.IsTranslationRecord(1, kEnglish));
  EXPECT_FALSE(d.IsTranslationRecord(0, kEnglish));
  // Positions within a letter's block.
  EXPECT_TRUE(d.GetEntryMarkup(0, kFrench, markup, 'M'));
  EXPECT_EQ(Str(markup), "\\bmaison");
}

TEST_F(Reader, GetEntryTextWithAnInvalidLetterLeavesTheTextAlone) {
  CompileSource("maison = house\n", path);
  DictionaryFile d(path.c_str());
  Text text = T("kept");
  int start = 7, end = 7;
  d.GetEntryText(0, kFrench, text, start, end, '1');
  EXPECT_EQ(Str(text), "kept");
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 0);
}

TEST_F(Reader, LookupChoosesAmongEntriesSharingTheKeyword) {
  CompileSource(
      "porte manteau = coat rack\n"
      "porte-monnaie = purse\n"
      "porter = to carry\n"
      "maison = house\n"
      "maison = home\n"
      "grande maison = mansion\n"
      "chat = cat\n"
      "abeille = bee\n",
      path);
  DictionaryFile d(path.c_str());
  struct Case {
    const char* typed;
    Language language;
    bool found;
    const char* text;
  } cases[] = {
      {"porte", kFrench, true, "porte manteau"},
      {"porte m", kFrench, true, "porte manteau"},
      {"porte-m", kFrench, true, "porte-monnaie"},
      {"porter", kFrench, true, "porter"},
      {"PORTER", kFrench, true, "porter"},
      {"the house", kEnglish, true, "house"},
      {"grande m", kFrench, true, "grande maison"},
      {"maison", kFrench, true, "maison"},
      {"houses", kEnglish, false, "house"},
      {"cow", kFrench, false, "chat"},
      {"aaa", kFrench, false, "abeille"},
  };
  for (const Case& c : cases) {
    const Found f = Look(d, c.typed, c.language);
    EXPECT_EQ(f.found, c.found) << c.typed;
    EXPECT_EQ(f.text, c.text) << c.typed;
    // first..last is one group: a main record and its translations.
    EXPECT_FALSE(d.IsTranslationRecord(f.first, c.language)) << c.typed;
    for (int i = f.first + 1; i <= f.last; ++i) EXPECT_TRUE(d.IsTranslationRecord(i, c.language)) << c.typed;
    EXPECT_FALSE(f.last + 1 < d.RecordCount(c.language) && d.IsTranslationRecord(f.last + 1, c.language))
        << c.typed;
  }
}

TEST_F(Reader, OneLetterAndEmptyLetterBlocks) {
  CompileSource("abeille = bee\nmaison = house\nzoo = zoo\n", path);
  DictionaryFile d(path.c_str());
  struct Case {
    const char* typed;
    int first, last;
  } cases[] = {
      {"m", 2, 3},  // the first record of the m block
      {"x", 4, 4},  // an empty block: where its first record would be, the z block
      {"xylophone", 4, 4},
      {"b", 2, 2},
  };
  for (const Case& c : cases) {
    int first, last;
    EXPECT_TRUE(d.Lookup(T(c.typed).c_str(), kFrench, first, last) || c.typed[1] != 0) << c.typed;
    EXPECT_EQ(first, c.first) << c.typed;
    EXPECT_EQ(last, c.last) << c.typed;
  }
  // With no later letters, an empty block lands at the index count.
  const std::string smallPath = TempPath("reader_small.vbd");
  CompileSource("abeille = bee\n", smallPath);
  DictionaryFile small(smallPath.c_str());
  int first, last;
  EXPECT_TRUE(small.Lookup(T("x").c_str(), kFrench, first, last));
  EXPECT_EQ(first, 2);
  EXPECT_EQ(last, 2);
  EXPECT_FALSE(small.Lookup(T("xylophone").c_str(), kFrench, first, last));
  EXPECT_EQ(first, 2);
}

TEST_F(Reader, TextsWithoutUsableKeywordFindNothing) {
  CompileSource("maison = house\n", path);
  DictionaryFile d(path.c_str());
  for (const char* typed : {"123", "", "-ment", "\xDF" "a", "(fam.)"}) {
    const Found f = Look(d, typed, kFrench);
    EXPECT_FALSE(f.found) << typed;
    EXPECT_EQ(f.first, -1) << typed;
    EXPECT_EQ(f.last, -1) << typed;
  }
}

TEST(MarkupFromText, BoldKeywordAndItalicBullets) {
  struct Case {
    const char* text;
    int start, end;
    const char* markup;
  } cases[] = {
      {"a\x95" "b\x95" "c", 0, 0, "a\\ib\\pc"},
      {"maison", 0, 3, "\\bmai\\pson"},
      {"maison", 0, 6, "\\bmaison"},
      {"la maison rouge", 3, 9, "la \\bmaison\\p rouge"},
      {"\x95mot\x95 x", 0, 4, "\\imot\\p x"},  // bullets at the span's ends suppress its codes
      {"", 0, 0, ""},
  };
  for (const Case& c : cases) {
    Text out = T("stale");
    DictionaryFile::MarkupFromText(T(c.text), out, c.start, c.end);
    EXPECT_EQ(Str(out), c.markup) << c.text;
  }
}

TEST_F(Reader, RefusesFilesThatDoNotHoldTogether) {
  CompileSource("maison = house\n", path);
  const Bytes good = ReadFileBytes(path);
  const std::string bad = TempPath("bad.vbd");
  auto withByte = [&good](size_t at, unsigned char value) {
    Bytes b = good;
    b[at] = value;
    return std::string(b.begin(), b.end());
  };
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"truncated header", std::string(good.begin(), good.begin() + 400)},
      {"truncated index", std::string(good.begin(), good.end() - 1)},
      {"bad magic", withByte(0, 0xC1)},
      {"bad version", withByte(4, 0x0C)},
      {"letter offset outside", withByte(124 + 3, 0x7F)},
      {"blocks not contiguous", withByte(124 + 4 * 10, 0xF0)},
      {"index count off", withByte(16, 3)},
      {"huge letter count", withByte(20 + 4 * 7 + 3, 0xFF)},
  };
  for (const Case& c : cases) {
    WriteFileBytes(bad, c.bytes);
    DictionaryFile d(bad.c_str());
    EXPECT_FALSE(d.IsValid()) << c.what;
    EXPECT_EQ(d.RecordCount(kEnglish), 0) << c.what;
    int first, last;
    EXPECT_FALSE(d.Lookup(T("house").c_str(), kEnglish, first, last)) << c.what;
  }
  EXPECT_FALSE(DictionaryFile(TempPath("missing.vbd").c_str()).IsValid());
  EXPECT_TRUE(DictionaryFile(path.c_str()).IsValid());
}

TEST_F(Reader, CorruptRecordsGiveEmptyTextsInsteadOfReadingOutside) {
  CompileSource("maison = house\n", path);
  Bytes b = ReadFileBytes(path);
  // English main record -> entry offset far past the end; French main record ->
  // the last byte of the file, so its text runs into the end unterminated.
  b[472 + 3] = 0x7F;
  const uint32_t last = static_cast<uint32_t>(b.size() - 5);
  for (int i = 0; i < 4; ++i) b[484 + i] = static_cast<unsigned char>(last >> (8 * i));
  b[484 + 4] = 0;
  b[484 + 5] = 200;
  const std::string bad = TempPath("corrupt.vbd");
  WriteFileBytes(bad, std::string(b.begin(), b.end()));
  DictionaryFile d(bad.c_str());
  ASSERT_TRUE(d.IsValid());
  Text text;
  int start, end;
  d.GetEntryText(0, kEnglish, text, start, end);
  EXPECT_TRUE(text.empty());
  d.GetEntryText(0, kFrench, text, start, end);
  EXPECT_LE(text.size(), 1u);
  int first, lastPos;
  EXPECT_FALSE(d.Lookup(T("house").c_str(), kEnglish, first, lastPos));
  EXPECT_FALSE(d.Lookup(T("maison").c_str(), kFrench, first, lastPos));
  EXPECT_EQ(d.RecordCount(kEnglish, 'h'), 2);
  EXPECT_TRUE(d.IsTranslationRecord(-1, kEnglish));  // no record: nothing to show
  d.GetEntryText(99, kEnglish, text, start, end);
  EXPECT_TRUE(text.empty());
}

#ifdef _WIN32
TEST_F(Reader, AnOpenDictionaryCannotBeRewritten) {
  CompileSource("maison = house\n", path);
  {
    DictionaryFile open(path.c_str());
    ASSERT_TRUE(open.IsValid());
    // Others may read it, but nobody may write it while it is mapped.
    std::FILE* reader = std::fopen(path.c_str(), "rb");
    EXPECT_NE(reader, nullptr);
    if (reader != nullptr) std::fclose(reader);
    EXPECT_EQ(std::fopen(path.c_str(), "wb"), nullptr);
  }
  std::FILE* writer = std::fopen(path.c_str(), "wb");
  EXPECT_NE(writer, nullptr);
  if (writer != nullptr) std::fclose(writer);
}
#endif
