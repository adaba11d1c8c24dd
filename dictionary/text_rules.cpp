#include "dictionary/text_rules.h"

#include "dictionary/charset.h"

void TrimBlanks(Text& text) {
  size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1])) --end;
  text = text.substr(begin, end - begin);
}

int MarkerClass(const Byte* text) {
  constexpr Byte kDagger = 0x86;
  if (text == nullptr) return 0;
  for (const Byte* p = text; *p != 0; ++p) {
    if (*p == kDagger) return 3;
    if (*p == '*') return p[1] == '*' ? 2 : 1;
  }
  return 0;
}
