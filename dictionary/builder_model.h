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
#include <deque>
#include <vector>

#include "dictionary/collation.h"
#include "dictionary/text.h"

// A text with what sorting it needs: its folded key (every byte folded,
// every run of white space one blank). Two texts are TextsEqual exactly when
// their keys are equal, and for texts without control bytes other than white
// space, byte order of the keys is TextLess order; the comparison itself
// orders the others.
// The first eight bytes of a folded key, packed so that integer order is key
// order: most comparisons in a sort end here, without following a pointer.
struct SortPrefix {
  uint64_t value = 0;
  bool plain = true;
};

// Orders two texts by their prefixes when that decides; 0 when it does not.
inline int ComparePrefixes(SortPrefix a, SortPrefix b) {
  if (!a.plain || !b.plain || a.value == b.value) return 0;
  return a.value < b.value ? -1 : 1;
}

struct CollatedText {
  Text text;
  Text folded;
  SortPrefix prefix;

  CollatedText() = default;
  explicit CollatedText(const Text& original);
  // From a key already folded by FoldKey, and its result.
  CollatedText(const Text& original, const Text& key, bool plain);

 private:
  void SetPrefix(bool plain);
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
  // The text up to its first '[' less the byte before it: the text itself
  // for most entries, which have no bracketed note.
  CollatedText ownHead;
  bool hasOwnHead = false;
  const CollatedText& Head() const { return hasOwnHead ? ownHead : text; }
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
  SortPrefix head;  // the entry's, kept here for sorting
};

struct Keyword {
  CollatedText text;  // as first met
  std::vector<FiledEntry> entries;  // index order once sorted
};

// Find-or-insert by folded text, then traversal in TextLess order. An open
// hash table of 8-byte slots over elements that never move: a look-up costs
// about one cache miss for the slot and one for the element.
template <typename Element>
class FoldedSet {
 public:
  // The element equal to text, made from it when there is none; the flag says which.
  std::pair<Element*, bool> FindOrInsert(const Text& text) {
    const bool plain = FoldKey(text, m_key);
    const uint32_t hash = static_cast<uint32_t>(TextHash()(m_key));
    if (2 * (m_elements.size() + 1) > m_slots.size()) Grow();
    for (size_t i = hash & (m_slots.size() - 1);; i = (i + 1) & (m_slots.size() - 1)) {
      Slot& slot = m_slots[i];
      if (slot.index == 0) {
        m_elements.emplace_back();
        m_elements.back().text = CollatedText(text, m_key, plain);
        slot = {hash, static_cast<uint32_t>(m_elements.size())};
        return {&m_elements.back(), true};
      }
      Element& element = m_elements[slot.index - 1];
      if (slot.hash == hash && element.text.folded == m_key) return {&element, false};
    }
  }

  // The elements in TextLess order of their texts.
  std::vector<Element*> Ordered() {
    struct Item {
      SortPrefix prefix;
      Element* element;
    };
    std::vector<Item> items;
    items.reserve(m_elements.size());
    for (Element& element : m_elements) items.push_back({element.text.prefix, &element});
    // A stable sort stays in bounds even for the odd texts (control bytes
    // among blanks) on which the comparison is not a strict order.
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
      const int byPrefix = ComparePrefixes(a.prefix, b.prefix);
      return byPrefix != 0 ? byPrefix < 0 : CollatedLess(a.element->text, b.element->text);
    });
    std::vector<Element*> order;
    order.reserve(items.size());
    for (const Item& item : items) order.push_back(item.element);
    return order;
  }

 private:
  struct Slot {
    uint32_t hash = 0;
    uint32_t index = 0;  // 1 + the element's index; 0 for an empty slot
  };

  void Grow() {
    std::vector<Slot> slots(m_slots.empty() ? 1024 : 2 * m_slots.size());
    for (const Slot& slot : m_slots) {
      if (slot.index == 0) continue;
      size_t i = slot.hash & (slots.size() - 1);
      while (slots[i].index != 0) i = (i + 1) & (slots.size() - 1);
      slots[i] = slot;
    }
    m_slots.swap(slots);
  }

  std::deque<Element> m_elements;
  std::vector<Slot> m_slots;
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
