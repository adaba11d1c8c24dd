// Keywords: the significant words under which an entry is filed and by which
// a typed text is looked up. Both sides split text with the same rules: words
// of letters, with '-' and apostrophes after the first letter, lower-cased
// (accents kept); bracketed notes end the text, parenthesised words and
// hyphen fragments such as "-ment" are skipped, stop words are dropped except
// as the first word, and a text with a letter always yields a keyword.
#pragma once
#include <vector>

#include "dictionary/text.h"

// Fills the process-wide stop-word and article sets; again, it changes nothing.
// Called when a dictionary is opened and when a build starts.
void FillStopWordSets();

// The keywords of a text in order, repeats kept. An absent text has none.
std::vector<Text> ExtractKeywords(const Byte* text, Language language);

// Where a keyword stands in a text: its word ordinal (1-based; the number of
// words when absent) and its byte span, held in 8 bits as the index records
// keep it. end is 0 when the keyword is not in the text.
struct KeywordLocation {
  int ordinal = 0;
  uint8_t start = 0;
  uint8_t end = 0;
};
KeywordLocation LocateKeyword(const Byte* text, const Byte* keyword, Language language);
