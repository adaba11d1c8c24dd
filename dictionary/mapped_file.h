// A whole file mapped read-only into memory. The file stays open for as long
// as it is mapped, shared for reading only, so that nobody rewrites a
// dictionary that is in use.
#pragma once
#include <cstddef>

#include "dictionary/text.h"

class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // False when the file cannot be opened or mapped (an empty file cannot).
  bool Open(const char* path);
  const Byte* Data() const { return m_pView; }
  size_t Size() const { return m_nSize; }

 private:
#ifdef _WIN32
  void* m_hFile = nullptr;
  void* m_hMapping = nullptr;
#else
  int m_nFile = -1;
#endif
  const Byte* m_pView = nullptr;
  size_t m_nSize = 0;
};
