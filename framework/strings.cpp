#include "framework/strings.h"

#include "framework/window.h"

std::string LoadResourceString(UINT id) {
  // With a buffer size of 0 the loader hands out the stored text itself, so
  // texts of any length load whole.
  const wchar_t* stored = nullptr;
  int length = LoadStringW(ResourceInstance(), id, reinterpret_cast<LPWSTR>(&stored), 0);
  if (length <= 0 || !stored) return std::string();
  int size = WideCharToMultiByte(CP_ACP, 0, stored, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, stored, length, text.data(), size, nullptr, nullptr);
  return text;
}

std::string ReplaceAll(std::string text, const std::string& placeholder, const std::string& value) {
  if (placeholder.empty()) return text;
  for (size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
  return text;
}
