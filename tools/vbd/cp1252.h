// Conversion between Windows-1252 bytes and UTF-8, for the command line.
#pragma once
#include <optional>
#include <string>

#include "dictionary/text.h"

// UTF-8 of a Windows-1252 text. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the code points of the same value.
std::string Utf8FromCp1252(TextView text);

// The Windows-1252 text of a UTF-8 string; nothing when the string is not
// valid UTF-8 or holds a character the code page cannot encode.
std::optional<Text> Cp1252FromUtf8(std::string_view utf8);
