#include "dictionary/dictionary_file.h"

#include <algorithm>
#include <cstring>

#include "dictionary/charset.h"
#include "dictionary/collation.h"
#include "dictionary/keywords.h"
#include "dictionary/stored_text.h"

namespace {

uint32_t ReadUint32(const Byte* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// A letter argument names a block when it is a letter folding into a-z.
bool IsBlockLetter(Byte letter) {
  const Byte folded = FoldChar(letter);
  return IsLetter(letter) && folded >= 'a' && folded <= 'z';
}

// A language's blocks must lie in the file and follow one another, since
// positions over the whole index are counted from the block of 'a'.
bool LanguageFits(const LanguageHeader& language, size_t fileSize) {
  uint64_t expected = language.letterOffsets[0];
  uint64_t total = 0;
  for (int i = 0; i < kLetterCount; ++i) {
    if (language.letterOffsets[i] != expected) return false;
    expected += uint64_t{kIndexRecordSize} * language.letterCounts[i];
    total += language.letterCounts[i];
  }
  return language.letterOffsets[0] >= sizeof(FileHeader) && expected <= fileSize &&
         total == language.indexCount;
}

bool HeaderHoldsTogether(const Byte* view, size_t size) {
  if (size < sizeof(FileHeader)) return false;
  const auto* header = reinterpret_cast<const FileHeader*>(view);
  return header->magic == kFileMagic && header->version == kFileVersion &&
         LanguageFits(header->english, size) && LanguageFits(header->french, size);
}

}  // namespace

DictionaryFile::DictionaryFile(const char* path) {
  if (path != nullptr && m_file.Open(path) && HeaderHoldsTogether(m_file.Data(), m_file.Size()))
    m_pHeader = reinterpret_cast<const FileHeader*>(m_file.Data());
  FillStopWordSets();
}

const LanguageHeader& DictionaryFile::Side(Language language) const {
  return language == kFrench ? m_pHeader->french : m_pHeader->english;
}

int DictionaryFile::RecordCount(Language language, Byte letter) const {
  if (!IsValid()) return 0;
  if (letter == 0) return static_cast<int>(Side(language).indexCount);
  if (!IsBlockLetter(letter)) return 0;
  return static_cast<int>(Side(language).letterCounts[FoldChar(letter) - 'a']);
}

IndexRecord DictionaryFile::ReadIndexRecord(int position, Language language, Byte letter) const {
  IndexRecord record;
  if (!IsValid() || position < 0) return record;
  const LanguageHeader& side = Side(language);
  const int block = letter != 0 && IsBlockLetter(letter) ? FoldChar(letter) - 'a' : 0;
  const uint64_t at = side.letterOffsets[block] + uint64_t{kIndexRecordSize} * position;
  if (at + kIndexRecordSize > m_file.Size()) return record;
  const Byte* p = m_file.Data() + at;
  record.entryOffset = ReadUint32(p);
  record.textOffset = record.entryOffset + 4;
  record.start = p[4];
  record.end = p[5];
  return record;
}

bool DictionaryFile::IsTranslationRecord(int position, Language language, Byte letter) const {
  return ReadIndexRecord(position, language, letter).IsTranslation();
}

void DictionaryFile::DecodeEntryText(uint32_t entryOffset, Text& out) const {
  out.clear();
  if (!IsValid() || entryOffset < sizeof(FileHeader)) return;
  const size_t size = m_file.Size();
  for (uint64_t q = uint64_t{entryOffset} + 4; q < size && m_file.Data()[q] != 0; ++q)
    out.push_back(DecodeStoredByte(m_file.Data()[q], static_cast<uint32_t>(q)));
}

void DictionaryFile::GetEntryText(int position, Language language, Text& out, int& start, int& end,
                                  Byte letter) const {
  start = end = 0;
  if (letter != 0 && !IsBlockLetter(letter)) return;
  const IndexRecord record = ReadIndexRecord(position, language, letter);
  start = record.start;
  end = record.end;
  DecodeEntryText(record.entryOffset, out);
}

bool DictionaryFile::GetEntryMarkup(int position, Language language, Text& out, Byte letter) const {
  Text text;
  int start, end;
  GetEntryText(position, language, text, start, end, letter);
  MarkupFromText(text, out, start, end);
  return end != 0;
}

void DictionaryFile::MarkupFromText(const Text& text, Text& out, int start, int end) {
  constexpr Byte kBullet = 0x95;
  static const Text kBold = MakeText("\\b"), kItalic = MakeText("\\i"), kPlain = MakeText("\\p");
  out.clear();
  bool italic = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kBullet) {
      out += italic ? kPlain : kItalic;
      italic = !italic;
      continue;
    }
    if (end != 0) {
      if (static_cast<int>(i) == start)
        out += kBold;
      else if (static_cast<int>(i) == end)
        out += kPlain;
    }
    out.push_back(text[i]);
  }
}

int DictionaryFile::SkipBackToMain(int position, int lowest, Language language) const {
  while (position > lowest && IsTranslationRecord(position, language)) --position;
  return position;
}

int DictionaryFile::SkipForwardToMain(int position, int highest, Language language) const {
  while (position <= highest && IsTranslationRecord(position, language)) ++position;
  return position;
}

int DictionaryFile::CompareAtKeyword(const Byte* key, int position, Language language) const {
  const IndexRecord record = ReadIndexRecord(position, language);
  const uint64_t at = uint64_t{record.textOffset} + record.start;
  const Byte* end = m_file.Data() + m_file.Size();
  const Byte* text = at < m_file.Size() ? m_file.Data() + at : end;
  return CompareText(key, text, static_cast<uint32_t>(at), true, end);
}

bool DictionaryFile::Lookup(const Byte* text, Language language, int& first, int& last) const {
  first = last = -1;
  if (!IsValid() || text == nullptr) return false;
  const std::vector<Text> keywords = ExtractKeywords(text, language);
  if (keywords.empty()) return false;
  const Byte* key = keywords.front().c_str();
  if (!IsBlockLetter(key[0])) return false;

  const LanguageHeader& side = Side(language);
  const int letter = FoldChar(key[0]) - 'a';
  int lo = 0;
  for (int i = 0; i < letter; ++i) lo += static_cast<int>(side.letterCounts[i]);
  const int hiMax = lo + static_cast<int>(side.letterCounts[letter]) - 1;
  auto lastOfGroup = [&](int main) { return SkipForwardToMain(main + 1, hiMax, language) - 1; };

  if (text[0] != 0 && text[1] == 0) {
    first = lo;
    last = lastOfGroup(first);
    return true;
  }

  // Binary search over the block's main records. An empty block probes
  // nothing and lands where its first record would be, as one letter does.
  int hi = SkipBackToMain(hiMax, lo, language);
  int mid = lo;
  while (lo <= hi) {
    mid = SkipBackToMain((lo + hi) / 2, lo, language);
    const int t = CompareAtKeyword(key, mid, language);
    if (t == 0) {
      first = FirstMatchingEntry(text, key, mid, lo, hiMax, language);
      last = lastOfGroup(first);
      return true;
    }
    if (t < 0) {
      if (mid == lo) break;
      hi = SkipBackToMain(mid - 1, lo, language);
    } else {
      lo = SkipForwardToMain(mid + 1, hiMax, language);
    }
  }
  first = mid;
  last = lastOfGroup(first);
  return false;
}

int DictionaryFile::FirstMatchingEntry(const Byte* text, const Byte* key, int found, int lo,
                                       int hiMax, Language language) const {
  // The first of the run of main records ending at the one found whose keyword
  // text starts with the key. The index is in keyword order, so rather than
  // walking back through the run, step back by doubling strides until a
  // record no longer matches, then halve the last stride.
  int left = lo, candidate = found;
  for (int stride = 1; candidate > lo; stride *= 2) {
    const int probe = SkipBackToMain(std::max(lo, candidate - stride), lo, language);
    if (CompareAtKeyword(key, probe, language) != 0) {
      left = SkipForwardToMain(probe + 1, candidate, language);
      break;
    }
    candidate = probe;
  }
  while (left < candidate) {
    const int probe = SkipBackToMain((left + candidate) / 2, left, language);
    if (CompareAtKeyword(key, probe, language) == 0)
      candidate = probe;
    else
      left = SkipForwardToMain(probe + 1, candidate, language);
  }
  // A record of the run whose text from the keyword starts with the whole
  // typed text is a better answer. Only records whose keyword is the key
  // itself can be one, and they lead the run: a longer keyword continues the
  // key with a letter where the typed text has the byte that ended its word.
  const size_t keyLength = std::strlen(reinterpret_cast<const char*>(key));
  for (int r = candidate; r <= hiMax && CompareAtKeyword(key, r, language) == 0;
       r = SkipForwardToMain(r + 1, hiMax, language)) {
    if (CompareAtKeyword(text, r, language) == 0) return r;
    const IndexRecord record = ReadIndexRecord(r, language);
    if (static_cast<size_t>((record.end - record.start) & 0xFF) != keyLength) break;
  }
  return candidate;
}
