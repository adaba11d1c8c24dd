// What the builder holds in memory between reading the source and writing the
// file: the entries and keywords of each language in their ordered sets.
#pragma once
#include <map>
#include <vector>

#include "dictionary/collation.h"
#include "dictionary/text.h"

struct TextOrder {
  bool operator()(const Text& a, const Text& b) const { return TextLess(a, b); }
};

// One distinct side text of a language (texts equal under folding are one).
struct Entry {
  const Text* text = nullptr;  // the text as first met: the key of its set
  int markerClass = 0;
  Text head;  // the text up to its first '[' less the byte before it
  std::vector<Entry*> links;  // entries of the other language, in TextLess order
  uint32_t recordOffset = 0;
  uint32_t firstIndexOffset = 0;
};

// An entry filed under a keyword, with what places it there.
struct FiledEntry {
  Entry* entry;
  int ordinal;  // the keyword's word ordinal in the entry text
  uint8_t start, end;  // the keyword's span, as the main record stores it
};

struct Keyword {
  const Text* text = nullptr;
  std::vector<FiledEntry> entries;  // in index order
};

using EntrySet = std::map<Text, Entry, TextOrder>;
using KeywordSet = std::map<Text, Keyword, TextOrder>;

struct LanguageModel {
  EntrySet entries;
  KeywordSet keywords;
};

struct DictionaryModel {
  LanguageModel english;
  LanguageModel french;
};

// Lays the model out and writes the compiled file.
void WriteDictionary(DictionaryModel& model, std::FILE* destination);
