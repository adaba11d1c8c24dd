// Small rules over plain texts shared by the builder and the reader.
#pragma once
#include "dictionary/text.h"

// Removes leading and trailing white space in place; the result may be empty.
void TrimBlanks(Text& text);

// The entry marker that decides an entry's rank under its keyword: the first
// dagger (0x86) or '*' met. 0 none, 1 '*', 2 '**', 3 the dagger.
int MarkerClass(const Byte* text);

// Rounds a length up to a multiple of 4.
inline uint32_t AlignUp4(uint32_t n) { return (n + 3) & ~3u; }
