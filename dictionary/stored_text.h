// Entry texts in the compiled dictionary are stored scrambled by position:
// the byte at file offset p is stored as EncodeStoredByte(byte, p). Position 0
// means plain text. For p != 0 both directions map 1-255 one-to-one onto
// 1-255, so a stored text never holds a 0 byte and its terminator stays 0.
#pragma once
#include "dictionary/text.h"

inline Byte DecodeStoredByte(Byte s, uint32_t p) {
  // ((s + p - 1) mod 255) + 1, reduced first so that no position overflows.
  return p == 0 ? s : static_cast<Byte>((s + p % 255 + 254) % 255 + 1);
}

inline Byte EncodeStoredByte(Byte c, uint32_t p) {
  return p == 0 ? c : static_cast<Byte>((c - p % 255 + 254) % 255 + 1);
}

inline uint32_t NextPosition(uint32_t p) { return p == 0 ? 0 : p + 1; }
