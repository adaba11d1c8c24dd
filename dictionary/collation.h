// The one comparison of dictionary texts. The builder's sort order, its
// duplicate tests, keyword location and the look-up all rest on it: case and
// accents are ignored, œ compares as o and æ as a, and any run of white space
// matches any other.
#pragma once
#include "dictionary/text.h"

// Compares a plain key with a second text. With position 0 the second text is
// plain; otherwise it is stored text whose first byte lies at that position.
// Negative when the key sorts first, 0 when equal, positive otherwise; with
// prefix set, a key that is used up matches. An absent text compares equal.
// The stored side is read no further than limit (when given), which then
// counts as its end.
int CompareText(const Byte* key, const Byte* text, uint32_t position, bool prefix,
                const Byte* limit = nullptr);

bool TextsEqual(const Byte* a, const Byte* b);
bool TextLess(const Byte* a, const Byte* b);
inline bool TextsEqual(const Text& a, const Text& b) { return TextsEqual(a.c_str(), b.c_str()); }
inline bool TextLess(const Text& a, const Text& b) { return TextLess(a.c_str(), b.c_str()); }
