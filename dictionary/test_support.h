// Helpers for the engine's tests: texts from literals and stored texts laid
// out at a chosen file position.
#pragma once
#include <vector>

#include "dictionary/stored_text.h"
#include "dictionary/text.h"

inline Text T(std::string_view s) { return MakeText(s); }

// A buffer that holds `plain` stored as it would be at file offset `position`
// onward, with its plain terminator.
inline Text StoreAt(const Text& plain, uint32_t position) {
  Text stored;
  for (Byte c : plain) {
    stored.push_back(EncodeStoredByte(c, position));
    position = NextPosition(position);
  }
  return stored;
}
