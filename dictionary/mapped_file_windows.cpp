#include <windows.h>

#include "dictionary/mapped_file.h"

bool MappedFile::Open(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  m_hFile = file;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || size.QuadPart == 0 ||
      static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX)
    return false;
  m_hMapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (m_hMapping == nullptr) return false;
  m_pView = static_cast<const Byte*>(MapViewOfFile(m_hMapping, FILE_MAP_READ, 0, 0, 0));
  if (m_pView == nullptr) return false;
  m_nSize = static_cast<size_t>(size.QuadPart);
  return true;
}

MappedFile::~MappedFile() {
  if (m_pView != nullptr) UnmapViewOfFile(m_pView);
  if (m_hMapping != nullptr) CloseHandle(m_hMapping);
  if (m_hFile != nullptr) CloseHandle(m_hFile);
}
