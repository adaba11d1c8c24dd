#include "dictionary/dictionary_builder.h"

#include <algorithm>

#include "dictionary/builder_model.h"
#include "dictionary/keywords.h"
#include "dictionary/text_rules.h"
#include "dictionary/text_stream.h"

namespace {

constexpr size_t kMaxPartLength = 499;

// Reads the source one part at a time and counts its lines.
class SourceReader {
 public:
  explicit SourceReader(std::FILE* source) : m_in(source) {}

  // Reads up to the delimiter, which is consumed and dropped. False when no
  // byte at all was read, or when 500 bytes hold no delimiter.
  bool ReadPart(Byte delimiter, Text& part) {
    part.clear();
    for (;;) {
      const int c = m_in.Get();
      if (c < 0) return !part.empty();
      if (c == '\n') ++m_nLine;
      if (c == delimiter) return true;
      if (part.size() == kMaxPartLength) return false;
      part.push_back(static_cast<Byte>(c));
    }
  }

  int Line() const { return m_nLine; }

 private:
  TextStream m_in;
  int m_nLine = 1;
};

Text HeadOf(const Text& text) {
  const size_t bracket = text.find('[');
  if (bracket == Text::npos || bracket == 0) return text;
  return text.substr(0, bracket - 1);
}

Entry& FindOrInsertEntry(EntrySet& set, const Text& text) {
  auto [it, inserted] = set.try_emplace(text);
  Entry& entry = it->second;
  if (inserted) {
    entry.text = &it->first;
    entry.markerClass = MarkerClass(text.c_str());
    entry.head = HeadOf(text);
  }
  return entry;
}

// Entries under a keyword rank by marker class, the keyword's word ordinal,
// the head of the text, then the whole text.
bool FiledBefore(const FiledEntry& x, const FiledEntry& e) {
  if (x.entry->markerClass != e.entry->markerClass) return x.entry->markerClass < e.entry->markerClass;
  if (x.ordinal != e.ordinal) return x.ordinal < e.ordinal;
  const int head = CompareText(x.entry->head.c_str(), e.entry->head.c_str(), 0, false);
  if (head != 0) return head < 0;
  return CompareText(x.entry->text->c_str(), e.entry->text->c_str(), 0, false) < 0;
}

void FileUnderKeyword(KeywordSet& set, const Text& word, Entry& entry, Language language) {
  auto [it, inserted] = set.try_emplace(word);
  Keyword& keyword = it->second;
  if (inserted) keyword.text = &it->first;
  const KeywordLocation at = LocateKeyword(entry.text->c_str(), keyword.text->c_str(), language);
  const FiledEntry filed{&entry, at.ordinal, at.start, at.end};
  auto& list = keyword.entries;
  const auto place = std::lower_bound(list.begin(), list.end(), filed, FiledBefore);
  // The same entry met again (a keyword twice in its text, or its text on another line).
  if (place != list.end() && place->entry == &entry) return;
  list.insert(place, filed);
}

void Link(Entry& from, Entry& to) {
  auto& links = from.links;
  const auto place = std::lower_bound(links.begin(), links.end(), &to,
                                      [](const Entry* x, const Entry* e) { return TextLess(*x->text, *e->text); });
  if (place != links.end() && *place == &to) return;
  links.insert(place, &to);
}

void AddSide(LanguageModel& side, const Text& text, Language language, Entry*& entry) {
  entry = &FindOrInsertEntry(side.entries, text);
  for (const Text& word : ExtractKeywords(text.c_str(), language))
    FileUnderKeyword(side.keywords, word, *entry, language);
}

}  // namespace

DictionaryBuilder::DictionaryBuilder() { FillStopWordSets(); }

int DictionaryBuilder::Build(std::FILE* source, std::FILE* destination) {
  DictionaryModel model;
  SourceReader reader(source);
  Text french, english;
  int stoppedAt = 0;
  for (;;) {
    if (!reader.ReadPart('=', french)) {
      if (!french.empty()) stoppedAt = reader.Line();  // a part over 499 bytes
      break;
    }
    if (!reader.ReadPart('\n', english)) {
      stoppedAt = reader.Line();
      break;
    }
    TrimBlanks(french);
    TrimBlanks(english);
    Entry* frenchEntry;
    Entry* englishEntry;
    AddSide(model.french, french, kFrench, frenchEntry);
    AddSide(model.english, english, kEnglish, englishEntry);
    Link(*englishEntry, *frenchEntry);
    Link(*frenchEntry, *englishEntry);
  }
  WriteDictionary(model, destination);
  return stoppedAt;
}
