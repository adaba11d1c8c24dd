#include "dictionary/keywords.h"

#include <algorithm>

#include "dictionary/charset.h"
#include "dictionary/collation.h"

namespace {

// Set words are short, so each is held packed into one integer and
// membership is a few integer comparisons. Packing is exact byte equality (à
// is not a); a word longer than eight bytes is in no set.
using PackedWord = uint64_t;

bool Pack(const Text& word, PackedWord& packed) {
  if (word.size() > sizeof(PackedWord)) return false;
  packed = 0;
  for (Byte c : word) packed = packed << 8 | c;
  return true;
}

struct WordSets {
  std::vector<PackedWord> stopWords;
  std::vector<PackedWord> articles;
};

WordSets g_english;
WordSets g_french;

void Fill(std::vector<PackedWord>& set, std::initializer_list<const char*> words) {
  for (const char* w : words) {
    PackedWord packed;
    if (Pack(MakeText(w), packed)) set.push_back(packed);
  }
}

bool Contains(const std::vector<PackedWord>& set, const Text& word) {
  PackedWord packed;
  return Pack(word, packed) && std::find(set.begin(), set.end(), packed) != set.end();
}

const WordSets& SetsFor(Language language) { return language == kFrench ? g_french : g_english; }

bool IsSignificant(const Text& word, const WordSets& sets) {
  return word.size() > 1 && !Contains(sets.stopWords, word);
}

// The word scanner both keyword operations share. It calls
// visitor.WordStarts(W, offset) when a letter starts a new word (W is the word
// it completes, maybe empty) and visitor.Finish(W) at the terminator or at a
// '['. WordStarts returns true to stop the scan.
template <typename Visitor>
void ScanWords(const Byte* text, Language language, Visitor& visitor) {
  enum class State { Between, InWord, InParentheses, SkippingFragment };
  constexpr Byte kApostrophe = 0x27;
  State state = State::Between;
  Text word;
  for (size_t i = 0;; ++i) {
    const Byte c = text[i];
    if (c == 0 || c == '[') {
      visitor.Finish(word);
      return;
    }
    if (c == '(') {
      state = State::InParentheses;
      continue;
    }
    switch (state) {
      case State::InWord:
        if (IsLetter(c) || c == '-') {
          word.push_back(ToLower(c));
        } else if (c == kApostrophe && (language != kFrench || word.size() > 1)) {
          word.push_back(c);
        } else {
          state = State::Between;  // French elisions such as l' or d' end here
        }
        break;
      case State::Between:
        if (IsLetter(c)) {
          if (visitor.WordStarts(word, i)) return;
          word.assign(1, ToLower(c));
          state = State::InWord;
        } else if (c == '-') {
          state = State::SkippingFragment;
        }
        break;
      case State::InParentheses:
        if (c == ')') state = State::Between;
        break;
      case State::SkippingFragment:
        if (!IsLetter(c) && c != '-' && c != kApostrophe) state = State::Between;
        break;
    }
  }
}

struct KeywordCollector {
  const WordSets& sets;
  std::vector<Text> keywords;
  Text first;

  bool WordStarts(const Text& word, size_t) {
    // The first word is kept even when it is a stop word, unless it is an article.
    if (first.empty() && !word.empty() && !Contains(sets.articles, word)) {
      keywords.push_back(word);
    } else if (IsSignificant(word, sets)) {
      keywords.push_back(word);
    }
    if (first.empty()) first = word;
    return false;
  }

  void Finish(const Text& word) {
    if (IsSignificant(word, sets)) keywords.push_back(word);
    if (first.empty()) first = word;
    if (keywords.empty() && !first.empty()) keywords.push_back(first);
  }
};

struct KeywordLocator {
  const WordSets& sets;
  const Byte* keyword;
  KeywordLocation location;
  Text first;
  int significant = 0;

  void Count(const Text& word) {
    if (!word.empty()) ++location.ordinal;
    if (IsSignificant(word, sets)) ++significant;
  }
  void Found(const Text& word) {
    location.end = static_cast<uint8_t>(location.start + word.size());
  }

  bool WordStarts(const Text& word, size_t offset) {
    Count(word);
    if (TextsEqual(word.c_str(), keyword)) {
      Found(word);
      return true;
    }
    if (first.empty()) first = word;
    location.start = static_cast<uint8_t>(offset);
    return false;
  }

  void Finish(const Text& word) {
    Count(word);
    if (first.empty()) first = word;
    // A text with no significant word is filed under its first word, recorded from 0.
    if (significant == 0 && TextsEqual(first.c_str(), keyword)) {
      location.ordinal = 1;
      location.start = 0;
      location.end = static_cast<uint8_t>(first.size());
    } else if (TextsEqual(word.c_str(), keyword)) {
      Found(word);
    }
  }
};

}  // namespace

void FillStopWordSets() {
  if (!g_english.stopWords.empty()) return;
  Fill(g_english.stopWords, {"the", "of", "for", "with", "this", "these", "that", "to", "on", "in", "sth"});
  Fill(g_french.stopWords, {"au", "aux", "le", "la", "les", "du", "de", "des", "un", "une", "avec", "pour",
                            "ce", "ces", "cet", "cette", "se", "qqn", "qqch", "sur", "dans", "the"});
  Fill(g_english.articles, {"a", "an", "the", "to"});
  Fill(g_french.articles, {"la", "le", "les"});
}

std::vector<Text> ExtractKeywords(const Byte* text, Language language) {
  KeywordCollector collector{SetsFor(language), {}, {}};
  if (text != nullptr) ScanWords(text, language, collector);
  return collector.keywords;
}

KeywordLocation LocateKeyword(const Byte* text, const Byte* keyword, Language language) {
  KeywordLocator locator{SetsFor(language), keyword, {}, {}, 0};
  if (text != nullptr && keyword != nullptr) ScanWords(text, language, locator);
  return locator.location;
}
