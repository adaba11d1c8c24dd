// Lays the builder's model out and writes the compiled file in one pass. The
// layout and the writing walk the sets and lists in the same order, so every
// offset the layout computes is where the record lands.
#include <cstring>

#include "dictionary/builder_model.h"
#include "dictionary/charset.h"
#include "dictionary/file_format.h"
#include "dictionary/stored_text.h"
#include "dictionary/text_rules.h"

namespace {

uint32_t EntryRecordSize(const Entry& entry) {
  return 4 + AlignUp4(static_cast<uint32_t>(entry.text.text.size()) + 1);
}

void LayOutEntries(const std::vector<Entry*>& entries, uint32_t& offset, LanguageHeader& header) {
  header.entryCount = static_cast<uint32_t>(entries.size());
  header.entriesOffset = offset;
  for (Entry* entry : entries) {
    entry->recordOffset = offset;
    offset += EntryRecordSize(*entry);
  }
}

// Letter blocks of keywords whose first byte folds into a-z; the groups of
// other keywords follow the z block and are counted in no letter.
void LayOutIndex(const std::vector<Keyword*>& keywords, uint32_t& offset, LanguageHeader& header) {
  const uint32_t start = offset;
  for (const Keyword* keyword : keywords) {
    const Byte folded = FoldChar(keyword->text.text[0]);
    for (const FiledEntry& filed : keyword->entries) {
      Entry& entry = *filed.entry;
      if (entry.firstIndexOffset == 0) entry.firstIndexOffset = offset;
      const uint32_t group = 1 + static_cast<uint32_t>(entry.links.size());
      offset += kIndexRecordSize * group;
      if (folded >= 'a' && folded <= 'z') header.letterCounts[folded - 'a'] += group;
    }
  }
  header.letterOffsets[0] = start;
  header.indexCount = header.letterCounts[0];
  for (int i = 1; i < kLetterCount; ++i) {
    header.letterOffsets[i] = header.letterOffsets[i - 1] + kIndexRecordSize * header.letterCounts[i - 1];
    header.indexCount += header.letterCounts[i];
  }
}

// Buffers the file's bytes and writes them in large blocks.
class ByteWriter {
 public:
  explicit ByteWriter(std::FILE* file) : m_pFile(file) {}
  ~ByteWriter() { Flush(); }
  void Put(Byte b) {
    if (m_nLength == sizeof m_buffer) Flush();
    m_buffer[m_nLength++] = b;
  }
  void Put32(uint32_t v) {
    for (int i = 0; i < 4; ++i) Put(static_cast<Byte>(v >> (8 * i)));
  }
  void PutHeader(const FileHeader& header) {
    // The header is all 32-bit fields; write them little-endian whatever the host.
    uint32_t fields[sizeof(FileHeader) / 4];
    std::memcpy(fields, &header, sizeof fields);
    for (uint32_t field : fields) Put32(field);
  }

 private:
  void Flush() {
    std::fwrite(m_buffer, 1, m_nLength, m_pFile);
    m_nLength = 0;
  }

  std::FILE* m_pFile;
  Byte m_buffer[1 << 16];
  size_t m_nLength = 0;
};

void WriteEntries(const std::vector<Entry*>& entries, ByteWriter& out) {
  for (const Entry* entry : entries) {
    out.Put32(entry->firstIndexOffset);
    uint32_t position = entry->recordOffset + 4;
    for (Byte c : entry->text.text) out.Put(EncodeStoredByte(c, position++));
    const uint32_t size = EntryRecordSize(*entry);
    for (uint32_t i = 4 + static_cast<uint32_t>(entry->text.text.size()); i < size; ++i) out.Put(0);
  }
}

void WriteIndex(const std::vector<Keyword*>& keywords, ByteWriter& out) {
  for (const Keyword* keyword : keywords) {
    for (const FiledEntry& filed : keyword->entries) {
      out.Put32(filed.entry->recordOffset);
      out.Put(filed.start);
      out.Put(filed.end);
      for (const Entry* link : filed.entry->links) {
        out.Put32(link->recordOffset);
        out.Put(0);
        out.Put(0);
      }
    }
  }
}

}  // namespace

void WriteDictionary(const OrderedLanguage& english, const OrderedLanguage& french,
                     std::FILE* destination) {
  FileHeader header{};
  header.magic = kFileMagic;
  header.version = kFileVersion;
  uint32_t offset = sizeof(FileHeader);
  LayOutEntries(english.entries, offset, header.english);
  LayOutEntries(french.entries, offset, header.french);
  LayOutIndex(english.keywords, offset, header.english);
  LayOutIndex(french.keywords, offset, header.french);

  ByteWriter out(destination);
  out.PutHeader(header);
  WriteEntries(english.entries, out);
  WriteEntries(french.entries, out);
  WriteIndex(english.keywords, out);
  WriteIndex(french.keywords, out);
}
