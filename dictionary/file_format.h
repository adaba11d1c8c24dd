// The compiled dictionary file, fr_en.vbd.
//
// All numbers are unsigned 32-bit little-endian; an offset counts bytes from
// the start of the file. Five sections follow one another with no gaps:
//
//   1. the header (FileHeader, 448 bytes) at offset 0;
//   2. the English entry records, from offset 448;
//   3. the French entry records;
//   4. the English index;
//   5. the French index.
//
// Entry record: 4 + AlignUp4(length + 1) bytes, so every record starts at a
// multiple of 4:
//   +0  first index offset: the first main record naming this entry in its own
//       language's index, 0 when none does;
//   +4  the text, each byte stored as EncodeStoredByte(byte, its file offset);
//       then a plain 0 and zero bytes up to the record size.
// An entry text is one trimmed side of a source line; it keeps its markers
// ('*', '**', the dagger 0x86), bracketed and parenthesised parts and its
// bullets 0x95 (each starts or ends an italic span). Entries of a language are
// in ascending TextLess order and no two are TextsEqual.
//
// Index record: 6 bytes, entry offset (4), keyword start (1), keyword end (1).
// A main record (end != 0) names an entry of the index's own language; bytes
// start to end-1 of its text are the keyword, both held modulo 256. A
// translation record (start = end = 0) names an entry of the other language.
//
// A language's index is ordered by keyword (TextLess; equal keywords are one).
// Under one keyword, one group per entry filed under it, ordered by the
// entry's marker class, the keyword's word ordinal in it, its text up to the
// first '[' less the byte before it, then its whole text. A group is the main
// record followed by a translation record for each entry linked to it (the
// other side of its source lines), in TextLess order. The groups of keywords
// whose first byte folds to 'a' form the block of 'a', and so on; the letter
// offsets are cumulative (offset of a letter = previous offset + 6 x previous
// count), so the 26 blocks form one array of records and index position k
// lies at letter offset['a'] + 6k. Groups of keywords whose first byte folds
// outside a-z (ß, Ð, Þ, Ø) follow the z block and belong to no block.
#pragma once
#include <cstdint>

constexpr uint32_t kFileMagic = 0x00EEFFC0;
constexpr uint32_t kFileVersion = 779;
constexpr int kLetterCount = 26;
constexpr uint32_t kIndexRecordSize = 6;

struct LanguageHeader {
  uint32_t entryCount;
  uint32_t entriesOffset;
  uint32_t indexCount;  // the sum of the letter counts
  uint32_t letterCounts[kLetterCount];   // records (main and translation) per letter
  uint32_t letterOffsets[kLetterCount];  // first record of each letter block
};

struct FileHeader {
  uint32_t magic;
  uint32_t version;
  LanguageHeader english;  // at offset 8
  LanguageHeader french;   // at offset 228
};
static_assert(sizeof(FileHeader) == 448, "the header is 448 bytes");

// An index record as the reader hands it out.
struct IndexRecord {
  uint32_t entryOffset = 0;
  uint32_t textOffset = 0;  // entryOffset + 4
  int start = 0;
  int end = 0;
  bool IsTranslation() const { return end == 0; }
};
