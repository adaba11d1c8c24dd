// Reads a file "as text" the same way on every platform: a CR LF pair arrives
// as one LF, a lone CR stays, and a 0x1A byte ends the input. The file is
// opened in binary mode; this class does the translation, so that native and
// Windows builds read identical bytes.
#pragma once
#include <cstdio>

#include "dictionary/text.h"

class TextStream {
 public:
  explicit TextStream(std::FILE* file) : m_pFile(file) {}

  // The next byte, or -1 at the end of the input.
  int Get();

 private:
  int GetRaw();

  std::FILE* m_pFile;
  Byte m_buffer[1 << 16];
  size_t m_nPos = 0;
  size_t m_nLength = 0;
  bool m_bEnded = false;
};
