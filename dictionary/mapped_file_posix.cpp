#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dictionary/mapped_file.h"

bool MappedFile::Open(const char* path) {
  m_nFile = open(path, O_RDONLY);
  if (m_nFile < 0) return false;
  struct stat info;
  if (fstat(m_nFile, &info) != 0 || info.st_size <= 0 || !S_ISREG(info.st_mode)) return false;
  void* view = mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_SHARED, m_nFile, 0);
  if (view == MAP_FAILED) return false;
  m_pView = static_cast<const Byte*>(view);
  m_nSize = static_cast<size_t>(info.st_size);
  return true;
}

MappedFile::~MappedFile() {
  if (m_pView != nullptr) munmap(const_cast<Byte*>(m_pView), m_nSize);
  if (m_nFile >= 0) close(m_nFile);
}
