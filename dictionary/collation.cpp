#include "dictionary/collation.h"

#include "dictionary/charset.h"
#include "dictionary/stored_text.h"

namespace {

// The stored side as the comparison walks it: decodes on the fly and reads a
// 0 at its terminator or at the limit, never past either.
struct StoredCursor {
  const Byte* at;
  uint32_t position;
  const Byte* limit;

  Byte Raw() const { return at == limit ? 0 : *at; }
  Byte Folded() const {
    const Byte raw = Raw();
    return raw == 0 ? 0 : FoldChar(DecodeStoredByte(raw, position));
  }
  void Advance() {
    ++at;
    position = NextPosition(position);
  }
};

}  // namespace

int CompareText(const Byte* key, const Byte* text, uint32_t position, bool prefix,
                const Byte* limit) {
  if (key == nullptr || text == nullptr) return 0;
  StoredCursor stored{text, position, limit};
  while (*key != 0 && stored.Raw() != 0) {
    const Byte k = FoldChar(*key);
    const Byte s = stored.Folded();
    if (IsBlank(k) && IsBlank(s)) {
      while (IsBlank(*key)) ++key;
      // A terminator whose position would decode it to a blank still ends the text.
      while (stored.Raw() != 0 && IsBlank(stored.Folded())) stored.Advance();
    } else if (k == s) {
      ++key;
      stored.Advance();
    } else {
      break;
    }
  }
  if (prefix && *key == 0) return 0;
  return static_cast<int>(FoldChar(*key)) - static_cast<int>(stored.Folded());
}

bool TextsEqual(const Byte* a, const Byte* b) { return CompareText(a, b, 0, false) == 0; }
bool TextLess(const Byte* a, const Byte* b) { return CompareText(a, b, 0, false) < 0; }
