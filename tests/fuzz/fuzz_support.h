// Shared by the fuzzers: a file under /dev/shm for the bytes of one run, and
// the reader's whole surface exercised on an open dictionary.
#pragma once
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "dictionary/dictionary_file.h"

inline std::string FuzzPath(const char* name) {
  return "/dev/shm/orvanto_fuzz_" + std::to_string(getpid()) + "_" + name;
}

inline void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(data, 1, size, f);
  std::fclose(f);
}

// Counts, look-ups and the text of every position (up to a bound that keeps a
// run fast), in both languages and through every letter.
inline void ExerciseReader(const DictionaryFile& dictionary, const Text& query) {
  static const char* const kQueries[] = {"a", "maison", "the house", "xylophone", "z", "\xE9t\xE9"};
  for (Language language : {kEnglish, kFrench}) {
    int first, last;
    dictionary.Lookup(query.c_str(), language, first, last);
    for (const char* q : kQueries) dictionary.Lookup(MakeText(q).c_str(), language, first, last);
    Text text;
    const int count = dictionary.RecordCount(language);
    for (int position = 0; position < count && position < 4096; ++position) {
      dictionary.GetEntryMarkup(position, language, text);
      dictionary.IsTranslationRecord(position, language);
    }
    for (Byte letter = 'a'; letter <= 'z'; ++letter) {
      if (dictionary.RecordCount(language, letter) > 0) dictionary.GetEntryMarkup(0, language, text, letter);
    }
  }
}
