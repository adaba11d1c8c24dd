// What the builder holds in memory between reading the source and writing the
// file: the entries and keywords of each language.
//
// Sets are filled through hash tables keyed by the folded text, for constant
// time find-or-insert, and put in TextLess order once, when reading is done;
// likewise the entries under a keyword and the links of an entry are sorted
// once at the end. The result is the order that inserting into ordered sets
// gives, at O(n log n) for the whole build.
#pragma once
#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "dictionary/collation.h"
#include "dictionary/text.h"

// A text with what sorting it needs: its folded key (every byte folded,
// every run of white space one blank). Two texts are TextsEqual exactly when
// their keys are equal, and for texts without control bytes other than white
// space, byte order of the keys is TextLess order; the comparison itself
// orders the others.
struct CollatedText {
  Text text;
  Text folded;
  bool plain = true;

  CollatedText() = default;
  explicit CollatedText(const Text& original);
};

int CompareCollated(const CollatedText& a, const CollatedText& b);

// The folded key of a text into key; true when the text is plain.
bool FoldKey(const Text& text, Text& key);
inline bool CollatedLess(const CollatedText& a, const CollatedText& b) { return CompareCollated(a, b) < 0; }

struct TextHash {
  size_t operator()(const Text& t) const {
    return std::hash<std::string_view>()({reinterpret_cast<const char*>(t.data()), t.size()});
  }
};

// One distinct side text of a language (texts equal under folding are one).
struct Entry {
  CollatedText text;  // as first met
  int markerClass = 0;
  CollatedText head;  // the text up to its first '[' less the byte before it
  std::vector<Entry*> links;  // entries of the other language; TextLess order once sorted
  uint32_t recordOffset = 0;
  uint32_t firstIndexOffset = 0;
};

// An entry filed under a keyword, with what places it there.
struct FiledEntry {
  Entry* entry;
  int markerClass;
  int ordinal;  // the keyword's word ordinal in the entry text
  uint8_t start, end;  // the keyword's span, as the main record stores it
};

struct Keyword {
  CollatedText text;  // as first met
  std::vector<FiledEntry> entries;  // index order once sorted
};

// Find-or-insert by folded text, then traversal in TextLess order.
template <typename Element>
class FoldedSet {
 public:
  // The element equal to text, made from it when there is none; the flag says which.
  std::pair<Element*, bool> FindOrInsert(const Text& text) {
    FoldKey(text, m_key);
    if (auto it = m_elements.find(m_key); it != m_elements.end()) return {&it->second, false};
    Element& element = m_elements[m_key];
    element.text = CollatedText(text);
    return {&element, true};
  }

  // The elements in TextLess order of their texts.
  std::vector<Element*> Ordered() {
    std::vector<Element*> order;
    order.reserve(m_elements.size());
    for (auto& [key, element] : m_elements) order.push_back(&element);
    // A stable sort stays in bounds even for the odd texts (control bytes
    // among blanks) on which the comparison is not a strict order.
    std::stable_sort(order.begin(), order.end(),
                     [](const Element* a, const Element* b) { return CollatedLess(a->text, b->text); });
    return order;
  }

 private:
  std::unordered_map<Text, Element, TextHash> m_elements;
  Text m_key;  // reused, so that finding an element allocates nothing
};

struct LanguageModel {
  FoldedSet<Entry> entries;
  FoldedSet<Keyword> keywords;
};

// A language ready to be written: its sets in order, and the entries under
// each keyword and the links of each entry in order, each once.
struct OrderedLanguage {
  std::vector<Entry*> entries;
  std::vector<Keyword*> keywords;
};

// Lays the dictionary out and writes the compiled file.
void WriteDictionary(const OrderedLanguage& english, const OrderedLanguage& french,
                     std::FILE* destination);
