#include "bench/synthetic_source.h"

#include <cstdint>
#include <cstdio>
#include <random>

namespace {

const char* const kSyllables[] = {"ma", "son", "por", "te", "cha", "ri", "vo", "lu", "ne", "qu\xE9",
                                  "\xE9t\xE9", "bi", "en", "fa", "gu", "\x9C" "u", "dr", "ta", "pl", "ou",
                                  "st", "ar", "ch", "\xE0"};
const char* const kNotes[] = {"", "", "", " [n.m.]", " [n.f.]", " [v.]", " [adj.]"};
const char* const kMarkers[] = {"", "", "", "", "", " *", " **", " \x86"};

std::string Word(std::mt19937& random) {
  std::string word;
  const int syllables = 1 + random() % 4;
  for (int i = 0; i < syllables; ++i) word += kSyllables[random() % std::size(kSyllables)];
  return word;
}

std::string Side(std::mt19937& random, const char* article) {
  std::string text = random() % 4 == 0 ? article : "";
  const int words = 1 + random() % 3;
  for (int i = 0; i < words; ++i) {
    if (i > 0) text += ' ';
    text += Word(random);
  }
  text += kNotes[random() % std::size(kNotes)];
  text += kMarkers[random() % std::size(kMarkers)];
  return text;
}

}  // namespace

bool WriteSyntheticSource(const std::string& path, int lines) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  std::mt19937 random(779);
  std::string previousFrench;
  for (int i = 0; i < lines; ++i) {
    // Every fifth line gives the previous French side another translation.
    const std::string french = i % 5 == 4 ? previousFrench : Side(random, "le ");
    std::fprintf(f, "%s = %s\n", french.c_str(), Side(random, "the ").c_str());
    previousFrench = french;
  }
  return std::fclose(f) == 0;
}
