// Compiles a dictionary text source into the compiled file. The source is one
// pair per line, French text '=' English text, in Windows-1252; it is read
// whole into four ordered sets (entries and keywords of each language), laid
// out, then written in one pass.
#pragma once
#include <cstdio>

class DictionaryBuilder {
 public:
  DictionaryBuilder();

  // Reads the source (opened "rb"; read as text, see text_stream.h) and writes
  // the compiled file to the destination (opened "wb"). Returns 0 when the
  // whole source was read, else the 1-based line at which reading stopped
  // early (a part over 499 bytes, or a last line ending right after its '=');
  // the file then covers the lines before it.
  int Build(std::FILE* source, std::FILE* destination);
};
