// The open compiled dictionary (fr_en.vbd). The file is mapped read-only and
// every request is answered from the mapped bytes: nothing is loaded or built
// at opening, and entry texts are decoded only when asked for.
//
// Positions are record numbers in one language's index: counted from 0 at the
// first record of letter 'a' (letter argument 0), or from the first record of
// a letter's block when a letter is given. -1 means no position.
//
// A file whose header does not hold together (magic, version, blocks outside
// the file) is refused: IsValid is false. Every record and entry offset is
// checked when read and texts stop at the end of the file, so a corrupt file
// shows empty texts and never makes the reader read outside the mapping.
#pragma once
#include <cstdint>

#include "dictionary/file_format.h"
#include "dictionary/mapped_file.h"
#include "dictionary/text.h"

class DictionaryFile {
 public:
  // Opens and maps the file; never fails outright, but may be invalid.
  explicit DictionaryFile(const char* path);
  virtual ~DictionaryFile() = default;
  DictionaryFile(const DictionaryFile&) = delete;
  DictionaryFile& operator=(const DictionaryFile&) = delete;

  bool IsValid() const { return m_pHeader != nullptr; }

  // The language's index count (letter 0) or a letter block's count; 0 when
  // invalid or for a letter that does not fold into a-z.
  int RecordCount(Language language, Byte letter = 0) const;

  // Looks a typed text up by its first keyword; first..last (whole-index
  // positions) is the group found or, on a miss, the nearest main record's.
  bool Lookup(const Byte* text, Language language, int& first, int& last) const;

  // The record's text with markup codes "\b" (keyword), "\i", "\p"; true for a
  // main record, false for a translation record.
  bool GetEntryMarkup(int position, Language language, Text& out, Byte letter = 0) const;

  // The record's plain text and keyword span (0, 0 for a translation record).
  // For an invalid letter argument the span is 0, 0 and out is left as it was.
  void GetEntryText(int position, Language language, Text& out, int& start, int& end,
                    Byte letter = 0) const;

  bool IsTranslationRecord(int position, Language language, Byte letter = 0) const;

  // Building blocks of the above.
  IndexRecord ReadIndexRecord(int position, Language language, Byte letter = 0) const;
  void DecodeEntryText(uint32_t entryOffset, Text& out) const;
  static void MarkupFromText(const Text& text, Text& out, int start, int end);
  int SkipBackToMain(int position, int lowest, Language language) const;
  int SkipForwardToMain(int position, int highest, Language language) const;

 private:
  const LanguageHeader& Side(Language language) const;
  // CompareText of key against the record's text from its keyword on, prefix mode.
  int CompareAtKeyword(const Byte* key, int position, Language language) const;
  int FirstMatchingEntry(const Byte* text, const Byte* key, int found, int lo, int hiMax,
                         Language language) const;

  const FileHeader* m_pHeader = nullptr;  // null when the file was refused
  MappedFile m_file;
};
