// Byte texts. Every dictionary and interface text is a NUL-terminated
// Windows-1252 byte string, handled as unsigned bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using Byte = unsigned char;
using Text = std::basic_string<Byte>;
using TextView = std::basic_string_view<Byte>;

// A Text from a literal or a char string, byte for byte.
inline Text MakeText(std::string_view s) {
  return Text(reinterpret_cast<const Byte*>(s.data()), s.size());
}

// A dictionary side, a view direction or an interface language.
enum Language : int { kEnglish = 1, kFrench = 2 };
