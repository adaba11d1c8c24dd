#include "dictionary/dictionary_builder.h"

#include "dictionary/builder_model.h"
#include "dictionary/charset.h"
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

// The length of the text's head: up to its first '[' less the byte before it.
size_t HeadLength(const Text& text) {
  const size_t bracket = text.find('[');
  return bracket == Text::npos || bracket == 0 ? text.size() : bracket - 1;
}

// Entries under a keyword rank by marker class, the keyword's word ordinal,
// the head of the text, then the whole text. Only an entry ranks equal to itself.
bool FiledBefore(const FiledEntry& x, const FiledEntry& e) {
  if (x.markerClass != e.markerClass) return x.markerClass < e.markerClass;
  if (x.ordinal != e.ordinal) return x.ordinal < e.ordinal;
  const int byPrefix = ComparePrefixes(x.head, e.head);
  if (byPrefix != 0) return byPrefix < 0;
  const int head = CompareCollated(x.entry->Head(), e.entry->Head());
  if (head != 0) return head < 0;
  return CollatedLess(x.entry->text, e.entry->text);
}

// Sorts and drops repeats: a repeat is the same element met again (a keyword
// twice in a text, a text on several lines), and equal elements are the same.
template <typename T, typename Less, typename Same>
void SortUnique(std::vector<T>& items, Less less, Same same) {
  std::stable_sort(items.begin(), items.end(), less);
  items.erase(std::unique(items.begin(), items.end(), same), items.end());
}

Entry* AddSide(LanguageModel& side, const Text& text, Language language) {
  auto [entry, inserted] = side.entries.FindOrInsert(text);
  if (inserted) {
    entry->markerClass = MarkerClass(text.c_str());
    const size_t headLength = HeadLength(text);
    if (headLength != text.size()) {
      entry->ownHead = CollatedText(text.substr(0, headLength));
      entry->hasOwnHead = true;
    }
  } else if (entry->text.text == text) {
    return entry;  // the same text again: filed under the same keywords already
  }
  // Keywords come from the part as read, which may differ from the entry's
  // first text in accents or case.
  for (const Text& word : ExtractKeywords(text.c_str(), language)) {
    Keyword* keyword = side.keywords.FindOrInsert(word).first;
    const KeywordLocation at = LocateKeyword(entry->text.text.c_str(), keyword->text.text.c_str(), language);
    keyword->entries.push_back({entry, entry->markerClass, at.ordinal, at.start, at.end, entry->Head().prefix});
  }
  return entry;
}

OrderedLanguage Order(LanguageModel& side) {
  OrderedLanguage ordered{side.entries.Ordered(), side.keywords.Ordered()};
  for (Keyword* keyword : ordered.keywords) {
    SortUnique(keyword->entries, FiledBefore,
               [](const FiledEntry& a, const FiledEntry& b) { return a.entry == b.entry; });
  }
  for (Entry* entry : ordered.entries) {
    SortUnique(entry->links, [](const Entry* a, const Entry* b) { return CollatedLess(a->text, b->text); },
               [](const Entry* a, const Entry* b) { return a == b; });
  }
  return ordered;
}

}  // namespace

bool FoldKey(const Text& text, Text& key) {
  key.resize(text.size());
  size_t length = 0;
  bool plain = true;
  for (Byte c : text) {
    const Byte f = FoldChar(c);
    if (!IsBlank(f))
      key[length++] = f;
    else if (length == 0 || key[length - 1] != ' ')
      key[length++] = ' ';
    // A control byte that is not white space may sort between a blank run's
    // first byte and a space, which the key cannot show.
    if (f < ' ' && !IsBlank(f)) plain = false;
  }
  key.resize(length);
  return plain;
}

CollatedText::CollatedText(const Text& original) : text(original) { SetPrefix(FoldKey(text, folded)); }

CollatedText::CollatedText(const Text& original, const Text& key, bool plain)
    : text(original), folded(key) {
  SetPrefix(plain);
}

void CollatedText::SetPrefix(bool plain) {
  prefix.plain = plain;
  prefix.value = 0;
  for (size_t i = 0; i < 8; ++i) prefix.value = prefix.value << 8 | (i < folded.size() ? folded[i] : 0);
}

int CompareCollated(const CollatedText& a, const CollatedText& b) {
  if (a.prefix.plain && b.prefix.plain) return a.folded.compare(b.folded);
  return CompareText(a.text.c_str(), b.text.c_str(), 0, false);
}

DictionaryBuilder::DictionaryBuilder() { FillStopWordSets(); }

int DictionaryBuilder::Build(std::FILE* source, std::FILE* destination) {
  LanguageModel english, french;
  SourceReader reader(source);
  Text frenchPart, englishPart;
  int stoppedAt = 0;
  for (;;) {
    if (!reader.ReadPart('=', frenchPart)) {
      if (!frenchPart.empty()) stoppedAt = reader.Line();  // a part over 499 bytes
      break;
    }
    if (!reader.ReadPart('\n', englishPart)) {
      stoppedAt = reader.Line();
      break;
    }
    TrimBlanks(frenchPart);
    TrimBlanks(englishPart);
    Entry* frenchEntry = AddSide(french, frenchPart, kFrench);
    Entry* englishEntry = AddSide(english, englishPart, kEnglish);
    englishEntry->links.push_back(frenchEntry);
    frenchEntry->links.push_back(englishEntry);
  }
  WriteDictionary(Order(english), Order(french), destination);
  return stoppedAt;
}
